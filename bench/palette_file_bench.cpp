// Reading and writing large generated palette files: throughput in MB/s, and how the time
// grows from 1,000 to 4,000 palettes (it should grow in proportion).
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include <benchmark/benchmark.h>

#include "files/palette_file.h"
#include "model/palette_entry.h"
#include "shared/text_encoding.h"

namespace {

struct ListDeleter {
    void operator()(UI_LIST* list) const { DiscardPaletteList(list); }
};
using ListPtr = std::unique_ptr<UI_LIST, ListDeleter>;

// Deterministic colours of every width (1 to 3 digits), like hand-made palettes.
ListPtr GeneratedList(int palettes) {
    ListPtr list(new UI_LIST(nullptr));
    std::uint32_t seed = 12345;
    for (int i = 0; i < palettes; ++i) {
        auto* entry = new PaletteEntry;
        entry->m_Name = L"Palette " + std::to_wstring(i);
        entry->m_Description = L"Generated palette number " + std::to_wstring(i);
        for (auto& variant : entry->m_Colours) {
            for (COLORREF& colour : variant) {
                seed = seed * 1664525u + 1013904223u;
                colour = (seed >> 8) & 0xFFFFFFu;
            }
        }
        list->Add(entry);
    }
    return list;
}

std::string BenchFile(int palettes) {
    const auto folder = std::filesystem::temp_directory_path();
    return (folder /
            ("tintora_bench_" + std::to_string(getpid()) + "_" + std::to_string(palettes) + ".pal"))
        .string();
}

// Shown in MiB, like the throughput.
benchmark::Counter FileSizeCounter(std::int64_t bytes) {
    return benchmark::Counter(static_cast<double>(bytes), benchmark::Counter::kDefaults,
                              benchmark::Counter::OneK::kIs1024);
}

void BM_ReadPaletteFile(benchmark::State& state) {
    const int palettes = static_cast<int>(state.range(0));
    const std::string file = BenchFile(palettes);
    if (!WritePaletteFile(FromUtf8(file), *GeneratedList(palettes))) {
        state.SkipWithError("cannot write the input file");
        return;
    }
    const auto bytes = static_cast<std::int64_t>(std::filesystem::file_size(file));
    for (auto _ : state) {
        const PaletteReadResult result = ReadPaletteFile(FromUtf8(file));
        if (result.status != PaletteReadStatus::Ok ||
            result.list->Count() != static_cast<unsigned>(palettes)) {
            state.SkipWithError("the file did not read back whole");
        }
        DiscardPaletteList(result.list);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["file_size"] = FileSizeCounter(bytes);
    state.SetComplexityN(palettes);
    std::filesystem::remove(file);
}

void BM_WritePaletteFile(benchmark::State& state) {
    const int palettes = static_cast<int>(state.range(0));
    const std::string file = BenchFile(palettes);
    const ListPtr list = GeneratedList(palettes);
    for (auto _ : state) {
        if (!WritePaletteFile(FromUtf8(file), *list)) {
            state.SkipWithError("write failed");
        }
    }
    std::error_code error;
    const auto bytes = std::filesystem::file_size(file, error);
    if (!error) {
        state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
        state.counters["file_size"] = FileSizeCounter(static_cast<std::int64_t>(bytes));
    }
    state.SetComplexityN(palettes);
    std::filesystem::remove(file, error);
}

// On a shared machine the fastest of several repetitions is the best estimate of the
// undisturbed time; the median and mean carry the other users' load.
double Fastest(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

BENCHMARK(BM_ReadPaletteFile)
    ->Arg(1000)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN)
    ->ComputeStatistics("min", Fastest);
BENCHMARK(BM_WritePaletteFile)
    ->Arg(1000)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN)
    ->ComputeStatistics("min", Fastest);

} // namespace

BENCHMARK_MAIN();

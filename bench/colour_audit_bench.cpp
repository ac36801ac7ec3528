// The audit of one palette, all 255 usable pens under all four visions (about 130,000
// colour differences), and the derivation of one background's 255 colours.
#include <benchmark/benchmark.h>

#include "colour/audit.h"
#include "colour/derive.h"

namespace {

void BM_AuditPalette(benchmark::State& state) {
    PaletteEntry palette;
    palette.SetDefaultColours();
    AuditOptions options;
    options.pens = UsablePens();
    for (auto _ : state) {
        const std::vector<AuditFinding> findings = AuditPalette(palette, options);
        benchmark::DoNotOptimize(findings.data());
    }
    // Two backgrounds, four visions, every pair of 255 pens.
    state.counters["differences"] = 2.0 * 4.0 * 255.0 * 254.0 / 2.0;
}
BENCHMARK(BM_AuditPalette)->Unit(benchmark::kMillisecond);

void BM_DeriveDarkColours(benchmark::State& state) {
    PaletteEntry palette;
    palette.SetDefaultColours();
    for (auto _ : state) {
        DeriveColours(palette, kDarkBackground);
        benchmark::DoNotOptimize(palette.m_Colours[kDarkBackground].data());
    }
}
BENCHMARK(BM_DeriveDarkColours)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

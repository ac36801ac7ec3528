// The audit of the default palette, all 255 usable pens under all four visions on both
// backgrounds (about 260,000 colour differences), and the derivation of one background's 255
// colours.
#include <benchmark/benchmark.h>

#include "colour/audit.h"
#include "colour/derive.h"

namespace {

void BM_AuditPalette(benchmark::State& state) {
    PaletteEntry palette;
    palette.SetDefaultColours();
    AuditOptions options;
    options.pens = UsablePens();
    // 2 is the default; at 100 no pair is far enough apart in lightness to be skipped, so
    // every difference is computed in full and nearly every pair is a finding.
    options.minDifference = static_cast<double>(state.range(0));
    for (auto _ : state) {
        const std::vector<AuditFinding> findings = AuditPalette(palette, options);
        benchmark::DoNotOptimize(findings.data());
    }
    // Two backgrounds, four visions, every pair of 255 pens.
    state.counters["differences"] = 2.0 * 4.0 * 255.0 * 254.0 / 2.0;
}
BENCHMARK(BM_AuditPalette)->Arg(2)->Arg(100)->Unit(benchmark::kMillisecond);

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

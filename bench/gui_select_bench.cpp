// Opening the Select Palette dialog on a long palette list: from the dialog's construction
// to its first painted frame (the list box laid out and its first lines drawn). Closing it
// is not counted. The palettes are named as files usually name them, with a long
// description now and then.
#include <QApplication>
#include <QListWidget>
#include <chrono>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "editor/sel_palette_dlg.h"
#include "model/palette_entry.h"
#include "offscreen_run.h"
#include "platform/modal_door.h"
#include "platform/profile.h"
#include "platform/win_app.h"
#include "resources/resource.h"

namespace {

// Only the names and descriptions matter here; the colours stay black.
std::unique_ptr<UI_LIST> NamedList(int palettes) {
    auto list = std::make_unique<UI_LIST>(nullptr);
    for (int i = 0; i < palettes; ++i) {
        auto* entry = new PaletteEntry;
        entry->m_Name = L"Palette " + std::to_wstring(i);
        entry->m_Description = i % 1000 == 999 ? std::wstring(300, L'w')
                                               : L"Generated palette number " + std::to_wstring(i);
        list->Add(entry);
    }
    return list;
}

void BM_OpenSelectPalette(benchmark::State& state) {
    const std::unique_ptr<UI_LIST> list = NamedList(static_cast<int>(state.range(0)));
    ModalScript script;
    for (auto _ : state) {
        int lines = 0;
        const auto start = std::chrono::steady_clock::now();
        script.Then([&lines, &state, start](QDialog& d) {
            d.grab(); // the first frame: laid out and painted
            state.SetIterationTime(
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
            const auto* box =
                qobject_cast<QListWidget*>(dynamic_cast<CDialog&>(d).GetDlgItem(IDC_PALETTE_LIST));
            lines = box != nullptr ? box->count() : 0;
            d.reject();
        });
        CSelPaletteDlg dlg(list.get());
        dlg.DoModal();
        if (lines != state.range(0)) {
            state.SkipWithError("the dialog did not show every palette");
            return;
        }
    }
}

BENCHMARK(BM_OpenSelectPalette)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    const OffscreenRun run;
    QApplication application(argc, argv);
    InitCommonControls();
    SetProfileFile(run.FilePath(QStringLiteral("profile.ini")));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

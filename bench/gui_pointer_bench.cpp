// The editor's responsiveness on the offscreen platform: one pointer move over the grids
// (hover mark and the two pointer labels, delivered as the window system delivers it and
// painted to the screen) and one full repaint of the client area; both again with the pens
// drawn through a simulated colour vision and the low-contrast signs shown.
#include <QApplication>
#include <QTest>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "editor/pen_grid_layout.h"
#include "editor/tintora_dlg.h"
#include "offscreen_run.h"
#include "platform/profile.h"
#include "platform/win_app.h"
#include "resources/resource.h"

namespace {

CTintoraDlg* g_editor = nullptr;

GridFrames Frames() {
    return {g_editor->m_rcMainGrid, g_editor->m_rcSecondaryGrid, g_editor->m_rcStandardGrid,
            g_editor->m_rcPenSwatch, g_editor->m_rcMarkerSwatch};
}

QPoint CellCentre(PenGrid grid, int row, int column) {
    const GridRect cell = DrawnCell(grid, Frames().Of(grid), row, column);
    return {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
}

// Moves the pointer to point (client coordinates) through the window, as a real move comes:
// delivered at once, then the pending label repaints are processed.
void MoveTo(QPoint point) {
    QTest::mouseMove(g_editor->windowHandle(), g_editor->Client()->mapTo(g_editor, point));
}

struct PointerCase {
    const char* name;
    QPoint from;
    QPoint to;
};

// Each case moves back and forth between two points. Between two cells the mark moves and
// the labels change; within one cell the mark is still taken away and drawn again. Off the
// grids the mark of the pen last under the pointer is taken away on every move: after the
// main grid that redraws the whole grid, the dearest way of leaving it.
std::vector<PointerCase> PointerCases() {
    const QPoint mainCell = CellCentre(PenGrid::Main, 0, 2);
    return {
        {"main_grid_cell_to_cell", CellCentre(PenGrid::Main, 0, 0), mainCell},
        {"within_one_main_cell", mainCell, mainCell + QPoint(1, 1)},
        {"standard_grid_cell_to_cell", CellCentre(PenGrid::Standard, 2, 3),
         CellCentre(PenGrid::Standard, 7, 20)},
        {"main_to_standard_grid", mainCell, CellCentre(PenGrid::Standard, 7, 20)},
        {"off_the_grids_after_main_grid", QPoint(3, 3), QPoint(5, 4)},
    };
}

void BM_PointerMove(benchmark::State& state, const PointerCase& c) {
    // The same start whatever ran before: the pointer last over a main grid cell.
    MoveTo(CellCentre(PenGrid::Main, 0, 4));
    // The move must land where the case says, or the figure is of something else.
    MoveTo(c.from);
    MoveTo(c.to);
    const int expected = HoverPenAt(Frames(), c.to.x(), c.to.y());
    if (expected != 0 && g_editor->m_nHoverPen != expected) {
        state.SkipWithError("the pointer did not reach the pen of the case");
        return;
    }
    bool there = true;
    for (auto _ : state) {
        MoveTo(there ? c.from : c.to);
        there = !there;
    }
}

// What a repaint of the whole window costs: the grids, swatches, labels and buttons painted
// and put on the screen. repaint() does it at once; Invalidate() and the event loop is the
// way the editor asks for it after an edit.
void BM_FullRepaint(benchmark::State& state, bool throughEventLoop) {
    MoveTo(QPoint(3, 3)); // no hover mark
    for (auto _ : state) {
        if (throughEventLoop) {
            g_editor->Invalidate();
            QCoreApplication::processEvents();
        } else {
            g_editor->Client()->repaint();
        }
    }
}

// The View menu's dearest choice while a case runs: every colour simulated, every pen's
// contrast measured and the signs drawn. Undone afterwards, whatever case runs next.
class SimulatedView {
public:
    SimulatedView() {
        g_editor->SendCommand(ID_VIEW_DEUTERANOPIA);
        g_editor->SendCommand(ID_VIEW_MARK_LOW_CONTRAST);
    }
    ~SimulatedView() {
        g_editor->SendCommand(ID_VIEW_NORMAL);
        g_editor->SendCommand(ID_VIEW_MARK_LOW_CONTRAST);
    }
    SimulatedView(const SimulatedView&) = delete;
    SimulatedView& operator=(const SimulatedView&) = delete;
};

void BM_SimulatedPointerMove(benchmark::State& state, const PointerCase& c) {
    const SimulatedView view;
    BM_PointerMove(state, c);
}

void BM_SimulatedRepaint(benchmark::State& state) {
    const SimulatedView view;
    BM_FullRepaint(state, false);
}

// On a shared machine the fastest of several repetitions is the best estimate of the
// undisturbed time; the median and mean carry the other users' load.
double Fastest(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

// The cases need the editor's own areas, so they are registered once it is shown.
void RegisterBenchmarks() {
    std::vector<benchmark::internal::Benchmark*> all;
    for (const PointerCase& c : PointerCases()) {
        all.push_back(benchmark::RegisterBenchmark(
            (std::string("BM_PointerMove/") + c.name).c_str(), BM_PointerMove, c));
    }
    all.push_back(benchmark::RegisterBenchmark("BM_FullRepaint/repaint", BM_FullRepaint, false));
    all.push_back(benchmark::RegisterBenchmark("BM_FullRepaint/Invalidate_and_event_loop",
                                               BM_FullRepaint, true));
    // The hover mark's own repaint of a small grid simulates its colours again.
    all.push_back(benchmark::RegisterBenchmark("BM_SimulatedPointerMove/main_grid_cell_to_cell",
                                               BM_SimulatedPointerMove, PointerCases()[0]));
    all.push_back(benchmark::RegisterBenchmark("BM_SimulatedRepaint/deuteranopia_marked",
                                               BM_SimulatedRepaint));
    for (benchmark::internal::Benchmark* b : all) {
        b->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Fastest);
    }
}

} // namespace

int main(int argc, char** argv) {
    const OffscreenRun run;
    QApplication application(argc, argv);
    InitCommonControls();
    SetProfileFile(run.FilePath(QStringLiteral("profile.ini")));
    WriteProfileInt(L"DialogData\\Tintora", L"ShowWarning", 0);

    auto editor = std::make_unique<CTintoraDlg>(nullptr);
    editor->Create();
    editor->show();
    if (!QTest::qWaitForWindowExposed(editor.get())) {
        std::fprintf(stderr, "the editor window was not shown\n");
        return 1;
    }
    g_editor = editor.get();

    RegisterBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_editor = nullptr;
    return 0;
}

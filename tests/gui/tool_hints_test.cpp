// Tool hints of the editor: which area a point belongs to, the hint each area shows, and no
// hints at all when the profile turns them off.
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>
#include <string>

#include "editor_test_support.h"
#include "gui_test_support.h"
#include "platform/profile.h"
#include "resources/resource.h"

namespace {

// QToolTip::hideText lets a hint fade out for a while; the next question must not see it.
void HideHintNow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QStringLiteral("qtooltip_label")) {
            widget->hide();
        }
    }
}

class ToolHints : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteProfileInt(L"DialogData\\Tintora", L"ShowWarning", 0);
        HideHintNow();
    }
    void TearDown() override {
        HideHintNow();
        GuiTest::TearDown();
    }
};

QPoint CentreOf(const CTintoraDlg& dlg, int id) {
    return dlg.GetDlgItem(id)->geometry().center();
}

// Asks the client for the hint at point as the pointer resting there would; the hint
// shown, or an empty text when none shows.
std::string HintAt(CTintoraDlg& dlg, QPoint point) {
    HideHintNow();
    QWidget* client = dlg.Client();
    // The event goes to the control under the point, as Qt sends it; statics let it
    // through to the client, buttons pass it on when they have no hint of their own.
    QWidget* target = client->childAt(point);
    if (target == nullptr || target->testAttribute(Qt::WA_TransparentForMouseEvents)) {
        target = client;
    }
    QHelpEvent event(QEvent::ToolTip, target->mapFrom(client, point), client->mapToGlobal(point));
    QApplication::sendEvent(target, &event);
    return QToolTip::isVisible() ? QToolTip::text().toStdString() : std::string();
}

struct HitCase {
    const char* where;
    QPoint point; // client coordinates
    int tool;
};

TEST_F(ToolHints, GridFramesCoverTheirGapsAndOtherControlsNeedAnId) {
    auto dlg = OpenEditor();
    const HitCase cases[] = {
        {"main grid, cell of pen 1", {20, 90}, IDC_MAIN_GRID},
        {"main grid, gap between pens 1 and 2", {37, 90}, IDC_MAIN_GRID},
        {"main grid, its frame line", {11, 75}, IDC_MAIN_GRID},
        {"secondary grid, cell of pen 10", {300, 90}, IDC_SECONDARY_GRID},
        {"secondary grid, gap between pens 10 and 11", {316, 90}, IDC_SECONDARY_GRID},
        {"standard grid, cell of pen 16", {20, 120}, IDC_STANDARD_GRID},
        {"standard grid, gap between columns", {29, 120}, IDC_STANDARD_GRID},
        {"standard grid, gap between rows", {20, 131}, IDC_STANDARD_GRID},
        {"standard grid, last pixel", {442, 277}, IDC_STANDARD_GRID},
        {"between the small grids", {260, 90}, -1},
        {"left of the standard grid", {5, 200}, -1},
        {"the separator line", {200, 0}, -1},
        {"pen under the pointer", CentreOf(*dlg, IDC_PEN_OVER), IDC_PEN_OVER},
        {"colour under the pointer", CentreOf(*dlg, IDC_RGB_OVER), IDC_RGB_OVER},
        {"selected-pen swatch", CentreOf(*dlg, IDC_PEN_SWATCH), IDC_PEN_SWATCH},
        {"marker swatch", CentreOf(*dlg, IDC_MARKER_SWATCH), IDC_MARKER_SWATCH},
        {"selected pen's number", CentreOf(*dlg, IDC_PEN_LABEL), IDC_PEN_LABEL},
        {"selected pen's colour", CentreOf(*dlg, IDC_PEN_RGB), IDC_PEN_RGB},
        {"marker's colour", CentreOf(*dlg, IDC_MARKER_RGB), IDC_MARKER_RGB},
        {"palette label", CentreOf(*dlg, IDC_PALETTE_LABEL), IDC_PALETTE_LABEL},
        {"light background button", CentreOf(*dlg, IDC_LIGHT_BACKGROUND), IDC_LIGHT_BACKGROUND},
        {"dark background button", CentreOf(*dlg, IDC_DARK_BACKGROUND), IDC_DARK_BACKGROUND},
        // "Pen: 0 (Marker)" has no id: the label of 1012 below it sits 9 units lower.
        {"the marker's caption", CentreOf(*dlg, IDC_MARKER_RGB) - QPoint(0, 14), -1},
    };
    for (const HitCase& c : cases) {
        TOOLINFO tool;
        EXPECT_EQ(dlg->OnToolHitTest(c.point, &tool), c.tool) << c.where;
        if (c.tool == -1) {
            EXPECT_EQ(tool.uId, nullptr) << c.where;
            continue;
        }
        EXPECT_EQ(tool.uId, dlg->GetDlgItem(c.tool)) << c.where;
        EXPECT_EQ(tool.hwnd, dlg.get()) << c.where;
        const bool button = c.tool == IDC_LIGHT_BACKGROUND || c.tool == IDC_DARK_BACKGROUND;
        const unsigned int flags =
            button ? TTF_IDISHWND : TTF_IDISHWND | TTF_CENTERTIP | TTF_NOTBUTTON;
        EXPECT_EQ(tool.uFlags, flags) << c.where;
    }
}

TEST_F(ToolHints, EachAreaShowsItsText) {
    auto dlg = OpenEditor();
    const std::string components = "Displays the RGB components of the colour";
    const std::pair<QPoint, std::string> cases[] = {
        {{20, 90}, "Displays the main pen palette (click to select)"},
        {{316, 90}, "Displays the gray/secondary pen palette (click to select)"},
        {{29, 120}, "Displays the standard pen palette (click to select)"},
        {{20, 120}, "Displays the standard pen palette (click to select)"},
        {CentreOf(*dlg, IDC_PEN_OVER),
         "Displays the pen number of the item under the mouse cursor"},
        {CentreOf(*dlg, IDC_RGB_OVER),
         "Displays the RGB colour components of the item under the mouse cursor"},
        {CentreOf(*dlg, IDC_PEN_SWATCH),
         "Displays the colour of the currently selected pen (double-click to change)"},
        {CentreOf(*dlg, IDC_PEN_LABEL), "Displays the number of the currently selected pen"},
        {CentreOf(*dlg, IDC_PEN_RGB), components},
        {CentreOf(*dlg, IDC_MARKER_RGB), components},
        {CentreOf(*dlg, IDC_PALETTE_LABEL), "Displays the current palette name"},
        {CentreOf(*dlg, IDC_MARKER_SWATCH),
         "Displays the colour of the marker pen (double-click to change)"},
        // Tools without a text, and points on no tool, show nothing.
        {CentreOf(*dlg, IDC_LIGHT_BACKGROUND), std::string()},
        {CentreOf(*dlg, IDC_DARK_BACKGROUND), std::string()},
        {CentreOf(*dlg, IDC_MARKER_RGB) - QPoint(0, 14), std::string()},
        {{260, 90}, std::string()},
    };
    for (const auto& [point, text] : cases) {
        EXPECT_EQ(HintAt(*dlg, point), text) << point.x() << "," << point.y();
    }
}

TEST_F(ToolHints, RestingThePointerShowsTheHint) {
    auto dlg = OpenEditor();
    // Hints show for the active window only.
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    MoveTo(*dlg, 5, 200);  // from elsewhere: a move to where the pointer is already is dropped
    MoveTo(*dlg, 29, 120); // a gap of the standard grid
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }));
    EXPECT_EQ(QToolTip::text().toStdString(),
              "Displays the standard pen palette (click to select)");
}

TEST_F(ToolHints, NoneWhenTheProfileTurnsThemOff) {
    WriteProfileInt(L"Settings", L"ShowTooltips", 0);
    auto dlg = OpenEditor();
    for (const QPoint point : {QPoint(20, 90), QPoint(29, 120), CentreOf(*dlg, IDC_PALETTE_LABEL),
                               CentreOf(*dlg, IDC_MARKER_SWATCH)}) {
        EXPECT_EQ(HintAt(*dlg, point), "") << point.x() << "," << point.y();
    }
    // The areas are still tools: only the showing is off.
    EXPECT_EQ(dlg->OnToolHitTest(QPoint(20, 90), nullptr), IDC_MAIN_GRID);
}

} // namespace

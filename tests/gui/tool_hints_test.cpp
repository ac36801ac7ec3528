// Tool hints of the editor: which area a point belongs to and the hint it shows, and no
// hints at all when the profile turns them off.
#include <QApplication>
#include <QHelpEvent>
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

class ToolHints : public EditorTest {
protected:
    void TearDown() override {
        HideHintNow();
        EditorTest::TearDown();
    }
};

QPoint CentreOf(const CTintoraDlg& dlg, int id) {
    return dlg.GetDlgItem(id)->geometry().center();
}

// The hint shown when the pointer rests at point (client coordinates), or "" for none.
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

TEST_F(ToolHints, EachAreaIsAToolWithItsHint) {
    const std::string standard = "Displays the standard pen palette (click to select)";
    const struct {
        const char* where;
        QPoint point; // client coordinates
        int tool;
        std::string hint;
    } cases[] = {
        // clang-format off
        {"main grid, cell of pen 1", {20, 90}, IDC_MAIN_GRID, "Displays the main pen palette (click to select)"},
        {"main grid, its frame line", {11, 75}, IDC_MAIN_GRID, "Displays the main pen palette (click to select)"},
        {"secondary grid, gap between pens 10 and 11", {316, 90}, IDC_SECONDARY_GRID, "Displays the gray/secondary pen palette (click to select)"},
        {"standard grid, cell of pen 16", {20, 120}, IDC_STANDARD_GRID, standard},
        {"standard grid, gap between columns", {29, 120}, IDC_STANDARD_GRID, standard},
        {"standard grid, gap between rows", {20, 131}, IDC_STANDARD_GRID, standard},
        {"standard grid, last pixel", {442, 277}, IDC_STANDARD_GRID, standard},
        {"between the small grids", {260, 90}, -1, ""},
        {"the separator line", {200, 0}, -1, ""},
        {"pen under the pointer", CentreOf(*dlg, IDC_PEN_OVER), IDC_PEN_OVER, "Displays the pen number of the item under the mouse cursor"},
        {"colour under the pointer", CentreOf(*dlg, IDC_RGB_OVER), IDC_RGB_OVER, "Displays the RGB colour components of the item under the mouse cursor"},
        {"selected-pen swatch", CentreOf(*dlg, IDC_PEN_SWATCH), IDC_PEN_SWATCH, "Displays the colour of the currently selected pen (double-click to change)"},
        {"marker swatch", CentreOf(*dlg, IDC_MARKER_SWATCH), IDC_MARKER_SWATCH, "Displays the colour of the marker pen (double-click to change)"},
        {"selected pen's number", CentreOf(*dlg, IDC_PEN_LABEL), IDC_PEN_LABEL, "Displays the number of the currently selected pen"},
        {"selected pen's colour", CentreOf(*dlg, IDC_PEN_RGB), IDC_PEN_RGB, "Displays the RGB components of the colour"},
        {"marker's colour", CentreOf(*dlg, IDC_MARKER_RGB), IDC_MARKER_RGB, "Displays the RGB components of the colour"},
        {"palette label", CentreOf(*dlg, IDC_PALETTE_LABEL), IDC_PALETTE_LABEL, "Displays the current palette name"},
        // Buttons are tools without a text.
        {"light background button", CentreOf(*dlg, IDC_LIGHT_BACKGROUND), IDC_LIGHT_BACKGROUND, ""},
        {"dark background button", CentreOf(*dlg, IDC_DARK_BACKGROUND), IDC_DARK_BACKGROUND, ""},
        // "Pen: 0 (Marker)" has no id: the label of 1012 below it sits 9 units lower.
        {"the marker's caption", CentreOf(*dlg, IDC_MARKER_RGB) - QPoint(0, 14), -1, ""},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        TOOLINFO tool;
        EXPECT_EQ(dlg->OnToolHitTest(c.point, &tool), c.tool);
        EXPECT_EQ(HintAt(*dlg, c.point), c.hint);
        if (c.tool == -1) {
            EXPECT_EQ(tool.uId, nullptr);
            continue;
        }
        EXPECT_EQ(tool.uId, dlg->GetDlgItem(c.tool));
        EXPECT_EQ(tool.hwnd, dlg.get());
        const bool button = c.tool == IDC_LIGHT_BACKGROUND || c.tool == IDC_DARK_BACKGROUND;
        EXPECT_EQ(tool.uFlags,
                  button ? TTF_IDISHWND : TTF_IDISHWND | TTF_CENTERTIP | TTF_NOTBUTTON);
    }
}

TEST_F(ToolHints, NoneWhenTheProfileTurnsThemOff) {
    WriteProfileInt(L"Settings", L"ShowTooltips", 0);
    Reopen();
    for (const QPoint point : {QPoint(20, 90), QPoint(29, 120), CentreOf(*dlg, IDC_PALETTE_LABEL),
                               CentreOf(*dlg, IDC_MARKER_SWATCH)}) {
        EXPECT_EQ(HintAt(*dlg, point), "") << point.x() << "," << point.y();
    }
    // The areas are still tools: only the showing is off.
    EXPECT_EQ(dlg->OnToolHitTest(QPoint(20, 90), nullptr), IDC_MAIN_GRID);
}

} // namespace

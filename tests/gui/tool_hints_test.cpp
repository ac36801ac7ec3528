// Tool hints of the editor: which area a point belongs to and the hint it shows, and no
// hints at all when the profile turns them off.
#include <QHelpEvent>
#include <QToolTip>

#include "editor_test_support.h"

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

TEST_F(ToolHints, EachAreaShowsItsHint) {
    const std::string standard = "Displays the standard pen palette (click to select)";
    const std::string rgb = "Displays the RGB components of the colour";
    // What the pointer rests on (client coordinates), and the hint; "" for none. Buttons are
    // tools without a text.
    const std::pair<QPoint, std::string> cases[] = {
        // clang-format off
        {{20, 90}, "Displays the main pen palette (click to select)"},
        {{11, 75}, "Displays the main pen palette (click to select)"}, // its frame line
        {{316, 90}, "Displays the gray/secondary pen palette (click to select)"}, // a gap
        {{29, 120}, standard}, {{442, 277}, standard},
        {{260, 90}, ""}, {{200, 0}, ""}, // between the small grids, the separator line
        {CentreOf(*dlg, IDC_PEN_OVER), "Displays the pen number of the item under the mouse cursor"},
        {CentreOf(*dlg, IDC_RGB_OVER), "Displays the RGB colour components of the item under the mouse cursor"},
        {CentreOf(*dlg, IDC_PEN_SWATCH), "Displays the colour of the currently selected pen (double-click to change)"},
        {CentreOf(*dlg, IDC_MARKER_SWATCH), "Displays the colour of the marker pen (double-click to change)"},
        {CentreOf(*dlg, IDC_PEN_LABEL), "Displays the number of the currently selected pen"},
        {CentreOf(*dlg, IDC_PEN_RGB), rgb}, {CentreOf(*dlg, IDC_MARKER_RGB), rgb},
        {CentreOf(*dlg, IDC_PALETTE_LABEL), "Displays the current palette name"},
        {CentreOf(*dlg, IDC_LIGHT_BACKGROUND), ""}, {CentreOf(*dlg, IDC_DARK_BACKGROUND), ""},
        // "Pen: 0 (Marker)" has no id: the label of 1012 below it sits 9 units lower.
        {CentreOf(*dlg, IDC_MARKER_RGB) - QPoint(0, 14), ""},
        // clang-format on
    };
    for (const auto& [point, hint] : cases) {
        EXPECT_EQ(HintAt(*dlg, point), hint) << point.x() << "," << point.y();
    }
    // Each tool is its control; every hint but the buttons' is centred under it.
    for (const auto& [point, flags] :
         {std::pair{QPoint(20, 90), TTF_IDISHWND | TTF_CENTERTIP | TTF_NOTBUTTON},
          std::pair{CentreOf(*dlg, IDC_LIGHT_BACKGROUND), TTF_IDISHWND}}) {
        TOOLINFO tool;
        dlg->OnToolHitTest(point, &tool);
        EXPECT_EQ(tool.uFlags, flags);
    }
}

TEST_F(ToolHints, NoneWhenTheProfileTurnsThemOff) {
    WriteProfileInt(L"Settings", L"ShowTooltips", 0);
    Reopen();
    for (const QPoint point : {QPoint(20, 90), QPoint(29, 120), CentreOf(*dlg, IDC_PALETTE_LABEL),
                               CentreOf(*dlg, IDC_MARKER_SWATCH)}) {
        EXPECT_EQ(HintAt(*dlg, point), "") << point.x() << "," << point.y();
    }
}

} // namespace

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

// Each row's point, with the hint it shows; none at all when the profile turns them off.
TEST_F(ToolHints, EachAreaShowsItsHintUnlessTheProfileSaysNo) {
    const std::map<std::string, int> controls = {
        {"pen over", IDC_PEN_OVER},      {"rgb over", IDC_RGB_OVER},
        {"pen swatch", IDC_PEN_SWATCH},  {"marker swatch", IDC_MARKER_SWATCH},
        {"pen label", IDC_PEN_LABEL},    {"pen rgb", IDC_PEN_RGB},
        {"marker rgb", IDC_MARKER_RGB},  {"palette label", IDC_PALETTE_LABEL},
        {"light", IDC_LIGHT_BACKGROUND}, {"dark", IDC_DARK_BACKGROUND}};
    for (const bool shown : {true, false}) {
        for (const CaseRow& row : ReadCaseTable("tool_hints.txt")) {
            const std::vector<int> xy = row.Ints(1);
            QPoint point = xy.empty() ? QPoint() : QPoint(xy[0], xy[1]);
            if (row[0] != "-") {
                point += dlg->GetDlgItem(controls.at(row[0]))->geometry().center();
            }
            EXPECT_EQ(HintAt(*dlg, point), shown ? row[2] : "") << row.where;
        }
        WriteProfileInt(L"Settings", L"ShowTooltips", 0);
        Reopen();
    }
}

} // namespace

// The pointer over the editor: hover labels, tool hints, clicks, double clicks and colour
// editing with the custom colours kept in the profile. Which point is which pen is the pen grid's
// geometry, tested in the core; here a few points show that the editor follows it.
#include <QColorDialog>
#include <QHelpEvent>
#include <QToolTip>

#include "editor_test_support.h"
#include "platform/format_text.h"

namespace {

// QToolTip::hideText lets a hint fade out for a while; the next question must not see it.
void HideHintNow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QStringLiteral("qtooltip_label")) {
            widget->hide();
        }
    }
}

class EditorPointer : public EditorTest {
protected:
    void TearDown() override {
        HideHintNow();
        EditorTest::TearDown();
    }
    // Double-clicks a swatch and answers the chooser: picks colour (when valid) and custom
    // colour 1 to 4,5,6, then OK or Cancel. Returns the colour the chooser started from;
    // the custom colours it showed are in customs.
    QColor EditSwatch(int x, QColor colour, bool ok) {
        QColor initial;
        Script().Then([&](QDialog& d) {
            auto& chooser = dynamic_cast<QColorDialog&>(d);
            initial = chooser.currentColor();
            for (int i = 0; i < 16; ++i) {
                customs[i] = QColorDialog::customColor(i);
            }
            if (colour.isValid()) {
                chooser.setCurrentColor(colour);
            }
            QColorDialog::setCustomColor(0, QColor(4, 5, 6));
            ok ? chooser.accept() : chooser.reject();
        });
        DoubleClickAt(*dlg, x, 320);
        return initial;
    }
    COLORREF Colour(int variant, int pen) const {
        return dlg->m_pCurrentPalette->m_Colours[variant][pen];
    }
    void ExpectCustomsFromTheProfile() {
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(customs[i], i < 8 ? QColor(i + 1, 0, 0) : Qt::white) << "custom " << i + 1;
        }
    }

    QColor customs[16];
};

TEST_F(EditorPointer, HoverAndClicksFollowTheGrid) {
    for (const CaseRow& row : ReadCaseTable("editor_pointer.txt")) {
        SCOPED_TRACE(row.where);
        const std::vector<int> at = row.Ints(1);
        if (row[0] == "hover") {
            MoveTo(*dlg, at[0], at[1]);
            EXPECT_EQ(ItemText(*dlg, IDC_PEN_OVER), QString::fromStdString(row[2]));
            EXPECT_EQ(ItemText(*dlg, IDC_RGB_OVER), QString::fromStdString(row[3]));
            continue;
        }
        ClickAt(*dlg, at[0], at[1]);
        EXPECT_EQ(dlg->m_nSelectedPen, row.Int(2));
        EXPECT_EQ(ItemText(*dlg, IDC_PEN_LABEL), QStringLiteral("Pen: %1").arg(row.Int(2)));
    }
    DoubleClickAt(*dlg, 105, 168); // no answer queued: a chooser would be a failure
    EXPECT_EQ(dlg->m_nSelectedPen, 69);
    EXPECT_FALSE(dlg->m_bModified);
}

TEST_F(EditorPointer, CancelKeepsAllOkStoresTheColourAndTheCustoms) {
    for (int i = 1; i <= 8; ++i) { // 9 to 16 missing
        WriteProfileInt(L"Colours", FormatText(L"Custom%d", i),
                        static_cast<int>(MakeColour(i, 0, 0)));
    }
    ClickAt(*dlg, 105, 168); // pen 69: 141, 170, 85
    const auto before = dlg->m_pCurrentPalette->m_Colours;
    EXPECT_EQ(EditSwatch(100, QColor(1, 2, 3), false), QColor(141, 170, 85));
    ExpectCustomsFromTheProfile();
    EXPECT_EQ(dlg->m_pCurrentPalette->m_Colours, before);
    EXPECT_FALSE(dlg->m_bModified);
    EXPECT_EQ(GetProfileInt(L"Colours", L"Custom1", -1), static_cast<int>(MakeColour(1, 0, 0)));

    EditSwatch(300, QColor(), true); // OK with the same colour still counts as an edit
    ExpectCustomsFromTheProfile();   // read again: the cancelled change is gone
    EXPECT_TRUE(dlg->m_bModified);
    ClickAt(*dlg, 20, 90);
    EditSwatch(100, QColor(10, 20, 30), true); // pen 1
    EXPECT_EQ(Colour(0, 1), MakeColour(10, 20, 30));
    EXPECT_EQ(Colour(1, 1), MakeColour(255, 0, 0));
    EXPECT_EQ(GetProfileInt(L"Colours", L"Custom1", -1), static_cast<int>(MakeColour(4, 5, 6)));
    EXPECT_EQ(GetProfileInt(L"Colours", L"Custom16", -1), 0xFFFFFF);
    EXPECT_EQ(ItemText(*dlg, IDC_PEN_RGB), QStringLiteral("R: 010 G: 020 B: 030"));
    EXPECT_EQ(PixelOf(PaintedClient(*dlg), 20, 90), 0x0A141Eu);

    // The marker edited on dark leaves its light colour.
    ClickDlgItem(*dlg, IDC_DARK_BACKGROUND);
    EXPECT_EQ(EditSwatch(300, QColor(200, 150, 100), true), QColor(255, 255, 255));
    EXPECT_EQ(Colour(1, 0), MakeColour(200, 150, 100));
    EXPECT_EQ(ItemText(*dlg, IDC_MARKER_RGB), QStringLiteral("R: 200 G: 150 B: 100"));
    ClickDlgItem(*dlg, IDC_LIGHT_BACKGROUND);
    Settle();
    EXPECT_EQ(Colour(0, 0), MakeColour(0, 0, 0));
    EXPECT_EQ(ItemText(*dlg, IDC_MARKER_RGB), QStringLiteral("R: 000 G: 000 B: 000"));
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

// Each row's point, with the hint it shows; none at all when the profile turns them off.
TEST_F(EditorPointer, EachAreaShowsItsHintUnlessTheProfileSaysNo) {
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

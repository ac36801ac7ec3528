// The colour chooser: starts from the given colour, shows and returns the 16 custom colours.
#include <QColorDialog>
#include <array>
#include <gtest/gtest.h>

#include "gui_test_support.h"
#include "platform/colour_dialog.h"

namespace {

class ColourDialog : public GuiTest {};

std::array<COLORREF, 16> Ramp() {
    std::array<COLORREF, 16> colours{};
    for (int i = 0; i < 16; ++i) {
        colours[i] = MakeColour(i * 16, 255 - i, i);
    }
    return colours;
}

TEST_F(ColourDialog, OkReturnsTheColourAndTheCustomColours) {
    std::array<COLORREF, 16> custom = Ramp();
    Script().Then([](QDialog& dialog) {
        auto& chooser = dynamic_cast<QColorDialog&>(dialog);
        EXPECT_TRUE(chooser.testOption(QColorDialog::DontUseNativeDialog));
        EXPECT_EQ(chooser.currentColor(), QColor(10, 20, 30));
        EXPECT_EQ(QColorDialog::customColor(5), QColor(80, 250, 5));
        QColorDialog::setCustomColor(15, QColor(1, 2, 3));
        chooser.setCurrentColor(QColor(200, 100, 50));
        chooser.accept();
    });
    CColorDialog dlg(MakeColour(10, 20, 30), CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR, nullptr);
    dlg.m_cc.lpCustColors = custom.data();
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetColor(), MakeColour(200, 100, 50));
    EXPECT_EQ(custom[15], MakeColour(1, 2, 3));
    EXPECT_EQ(custom[0], Ramp()[0]);
}

TEST_F(ColourDialog, CancelLeavesTheCustomColoursAndTheNextOpenReloadsThem) {
    std::array<COLORREF, 16> custom = Ramp();
    Script().Then([](QDialog& dialog) {
        QColorDialog::setCustomColor(0, QColor(9, 9, 9)); // lost with Cancel
        dialog.reject();
    });
    CColorDialog first(0, CC_RGBINIT, nullptr);
    first.m_cc.lpCustColors = custom.data();
    EXPECT_EQ(first.DoModal(), IDCANCEL);
    EXPECT_EQ(custom, Ramp());

    QColor seen;
    Script().Then([&seen](QDialog& dialog) {
        seen = QColorDialog::customColor(0);
        dialog.reject();
    });
    CColorDialog second(0, CC_RGBINIT, nullptr);
    second.m_cc.lpCustColors = custom.data();
    second.DoModal();
    EXPECT_EQ(seen, QColor(0, 255, 0));
}

} // namespace

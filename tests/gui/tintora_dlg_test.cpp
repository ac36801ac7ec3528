// The editor window at start-up, its palette operations and how it closes.
#include <QAbstractButton>
#include <gtest/gtest.h>

#include "editor_test_support.h"
#include "gui_test_support.h"
#include "platform/profile.h"
#include "resources/resource.h"

namespace {

class Editor : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteProfileInt(L"DialogData\\Tintora", L"ShowWarning", 0);
    }
};

TEST_F(Editor, StartsOnTheDefaultPalette) {
    auto dlg = OpenEditor();
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Tintora"));
    EXPECT_EQ(dlg->IsDlgButtonChecked(IDC_LIGHT_BACKGROUND), BST_CHECKED);
    EXPECT_EQ(dlg->IsDlgButtonChecked(IDC_DARK_BACKGROUND), BST_UNCHECKED);
    EXPECT_EQ(dlg->m_nBackground, 0);
    EXPECT_EQ(dlg->m_nSelectedPen, 1);
    EXPECT_EQ(dlg->m_nHoverPen, 0);
    EXPECT_FALSE(dlg->m_bModified);
    EXPECT_TRUE(dlg->m_strPathName.empty());
    ASSERT_EQ(dlg->m_pPaletteList->Count(), 1u);
    EXPECT_EQ(dlg->m_pCurrentPalette, PaletteAt(*dlg->m_pPaletteList, 0));
    EXPECT_EQ(ItemText(*dlg, IDC_PALETTE_LABEL),
              QStringLiteral("Current palette: Default (Default palette)"));
    EXPECT_EQ(ItemText(*dlg, IDC_PEN_LABEL), QStringLiteral("Pen: 1"));
    EXPECT_EQ(ItemText(*dlg, IDC_PEN_RGB), QStringLiteral("R: 255 G: 000 B: 000"));
    EXPECT_EQ(ItemText(*dlg, IDC_MARKER_RGB), QStringLiteral("R: 000 G: 000 B: 000"));
    EXPECT_EQ(ItemText(*dlg, IDC_PEN_OVER), QString());
    EXPECT_EQ(ItemText(*dlg, IDC_RGB_OVER), QString());
    EXPECT_FALSE(dlg->windowIcon().isNull());
    EXPECT_TRUE(dlg->ToolTipsEnabled());
}

TEST_F(Editor, AreasAreTheFramesOfTheirControls) {
    auto dlg = OpenEditor();
    EXPECT_EQ(dlg->Client()->size(), QSize(453, 375));
    EXPECT_EQ(dlg->m_rcMainGrid, (GridRect{11, 75, 241, 106}));
    EXPECT_EQ(dlg->m_rcSecondaryGrid, (GridRect{290, 75, 443, 106}));
    EXPECT_EQ(dlg->m_rcStandardGrid, (GridRect{11, 115, 443, 278}));
    EXPECT_EQ(dlg->m_rcPenSwatch, (GridRect{29, 306, 194, 339}));
    EXPECT_EQ(dlg->m_rcMarkerSwatch, (GridRect{266, 306, 431, 339}));
}

TEST_F(Editor, ToolTipsFollowTheProfile) {
    WriteProfileInt(L"Settings", L"ShowTooltips", 0);
    auto dlg = OpenEditor();
    EXPECT_FALSE(dlg->ToolTipsEnabled());
}

// A list of three palettes with a second palette of its own colours.
void UseThreePalettes(CTintoraDlg& dlg) {
    for (const wchar_t* name : {L"Second", L"Third"}) {
        auto* entry = new PaletteEntry;
        entry->m_Name = name;
        entry->m_Description = L"of three";
        entry->SetDefaultColours();
        dlg.m_pPaletteList->Add(entry);
    }
}

TEST_F(Editor, SetCurrentPaletteResetsThePensAndKeepsTheVariant) {
    auto dlg = OpenEditor();
    UseThreePalettes(*dlg);
    qobject_cast<QAbstractButton*>(dlg->GetDlgItem(IDC_DARK_BACKGROUND))->click();
    ClickAt(*dlg, 20, 90); // pen 1 ...
    ClickAt(*dlg, 40, 90); // ... then pen 2
    MoveTo(*dlg, 40, 90);
    ASSERT_EQ(dlg->m_nSelectedPen, 2);
    ASSERT_EQ(dlg->m_nHoverPen, 2);
    dlg->m_bModified = true;

    dlg->SetCurrentPalette(1);
    EXPECT_EQ(dlg->m_pCurrentPalette, PaletteAt(*dlg->m_pPaletteList, 1));
    EXPECT_EQ(dlg->m_nSelectedPen, 1);
    EXPECT_EQ(dlg->m_nHoverPen, 0);
    EXPECT_EQ(dlg->m_nBackground, 1);
    EXPECT_TRUE(dlg->m_bModified);
    EXPECT_EQ(ItemText(*dlg, IDC_PALETTE_LABEL),
              QStringLiteral("Current palette: Second (of three)"));
}

TEST_F(Editor, MissingPaletteIsNeverMadeCurrent) {
    auto dlg = OpenEditor();
    UseThreePalettes(*dlg);
    dlg->m_strPathName = L"/tmp/some.pal";
    dlg->SetCurrentPalette(3);
    ASSERT_EQ(dlg->m_pPaletteList->Count(), 1u);
    EXPECT_EQ(dlg->m_pCurrentPalette->m_Name, L"Default");
    EXPECT_TRUE(dlg->m_strPathName.empty());
}

TEST_F(Editor, LoadDefaultPaletteEmptiesThePathOnly) {
    auto dlg = OpenEditor();
    UseThreePalettes(*dlg);
    dlg->SetCurrentPalette(2);
    dlg->m_strPathName = L"/tmp/some.pal";
    dlg->m_bModified = true;
    dlg->setWindowTitle(QStringLiteral("Tintora - some.pal"));
    dlg->LoadDefaultPalette();
    EXPECT_EQ(dlg->m_pPaletteList->Count(), 1u);
    EXPECT_EQ(ItemText(*dlg, IDC_PALETTE_LABEL),
              QStringLiteral("Current palette: Default (Default palette)"));
    EXPECT_TRUE(dlg->m_strPathName.empty());
    EXPECT_TRUE(dlg->m_bModified);
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Tintora - some.pal"));
}

TEST_F(Editor, ClosesWithoutAskingWhateverWasChanged) {
    const std::pair<const char*, ModalHandler> ways[] = {
        {"Esc", [](QDialog& d) { PressKey(d, Qt::Key_Escape); }},
        {"Enter", [](QDialog& d) { PressKey(d, Qt::Key_Return); }},
        {"close box", [](QDialog& d) { d.close(); }},
    };
    for (const auto& [way, act] : ways) {
        CTintoraDlg dlg(nullptr);
        Script().Then([act = act](QDialog& d) {
            dynamic_cast<CTintoraDlg&>(d).m_bModified = true;
            act(d);
        });
        const int result = dlg.DoModal();
        EXPECT_TRUE(result == IDOK || result == IDCANCEL) << way;
        EXPECT_FALSE(dlg.isVisible()) << way;
    }
}

} // namespace

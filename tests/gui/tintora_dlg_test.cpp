// The editor window at start-up, its palette operations and how it closes.

#include "editor_test_support.h"

namespace {

class Editor : public EditorTest {};

TEST_F(Editor, StartsOnTheDefaultPaletteWithTheExampleLayout) {
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Tintora"));
    EXPECT_EQ(dlg->IsDlgButtonChecked(IDC_LIGHT_BACKGROUND), BST_CHECKED);
    EXPECT_EQ(dlg->m_nSelectedPen, 1);
    EXPECT_EQ(dlg->m_nHoverPen, 0);
    EXPECT_FALSE(dlg->m_bModified);
    ASSERT_EQ(dlg->m_pPaletteList->Count(), 1u);
    EXPECT_EQ(ItemText(*dlg, IDC_PALETTE_LABEL),
              QStringLiteral("Current palette: Default (Default palette)"));
    EXPECT_EQ(ItemText(*dlg, IDC_PEN_LABEL), QStringLiteral("Pen: 1"));
    EXPECT_EQ(ItemText(*dlg, IDC_PEN_RGB), QStringLiteral("R: 255 G: 000 B: 000"));
    EXPECT_EQ(ItemText(*dlg, IDC_MARKER_RGB), QStringLiteral("R: 000 G: 000 B: 000"));
    EXPECT_EQ(ItemText(*dlg, IDC_PEN_OVER), QString());
    EXPECT_EQ(dlg->Client()->size(), QSize(453, 375));
    EXPECT_EQ(dlg->m_rcMainGrid, (GridRect{11, 75, 241, 106}));
    EXPECT_EQ(dlg->m_rcSecondaryGrid, (GridRect{290, 75, 443, 106}));
    EXPECT_EQ(dlg->m_rcStandardGrid, (GridRect{11, 115, 443, 278}));
    EXPECT_EQ(dlg->m_rcPenSwatch, (GridRect{29, 306, 194, 339}));
    EXPECT_EQ(dlg->m_rcMarkerSwatch, (GridRect{266, 306, 431, 339}));
}

TEST_F(Editor, ClosesWithoutAskingWhateverWasChanged) {
    const int keys[] = {Qt::Key_Escape, Qt::Key_Return, 0}; // 0: the close box
    for (int key : keys) {
        CTintoraDlg editor(nullptr);
        Script().Then([key](QDialog& d) {
            dynamic_cast<CTintoraDlg&>(d).m_bModified = true;
            key != 0 ? PressKey(d, key) : static_cast<void>(d.close());
        });
        editor.DoModal();
        EXPECT_FALSE(editor.isVisible()) << key;
    }
}

} // namespace

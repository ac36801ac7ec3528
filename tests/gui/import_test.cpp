// The import of the older product's colour table: the save question that never cancels it,
// and the new palette joining the list as the current one.

#include "editor_test_support.h"

namespace {

const QString kColourTable = QStringLiteral(TINTORA_TEST_DATA_DIR "/veldra3_colours.ini");

class Import : public EditorTest {};

TEST_F(Import, QuestionNeverStopsTheImport) {
    const QString file = folders.Other() + QStringLiteral("/file.pal");
    for (const CaseRow& row : ReadCaseTable("import_question.txt")) {
        SCOPED_TRACE(row.where);
        const bool chooseFile = row[1] == "yes";
        Reopen();
        // A file is open, so that Yes saves without asking for a name.
        ASSERT_TRUE(WriteFile(
            file, FileBytes(QStringLiteral(TINTORA_TEST_DATA_DIR "/default_palette.pal"))));
        Open(file);
        const bool modified = row[0] != "none";
        dlg->m_bModified = modified;
        dlg->m_nSelectedPen = 7;
        PaletteEntry* before = dlg->m_pCurrentPalette;

        MessageBoxSeen question;
        if (modified) {
            Script().Then(AnswerMessageBox(row[0] == "yes" ? QMessageBox::Yes : QMessageBox::Cancel,
                                           &question));
        }
        if (row[0] == "yes") {
            Script().Then(AnswerMessageBox(QMessageBox::Ok));
        }
        FileDialogSeen dialog;
        Script().Then(chooseFile ? AnswerFileDialog(kColourTable, &dialog)
                                 : CancelFileDialog(&dialog));
        dlg->SendCommand(ID_IMPORT_VELDRA);

        EXPECT_EQ(question.caption, modified ? QStringLiteral("Save") : QString());
        EXPECT_TRUE(dialog.shown) << "the dialog comes whatever the answer";
        EXPECT_FALSE(dialog.shortcuts) << "the plain dialog";
        EXPECT_EQ(ToQString(dlg->m_strPathName), file) << "the import opens no file";
        EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Tintora - file.pal"));
        EXPECT_EQ(dlg->m_pPaletteList->Count(), chooseFile ? 2u : 1u);
        if (chooseFile) {
            // The new palette joins the list and becomes current, on pen 1.
            const PaletteEntry& imported = *dlg->m_pCurrentPalette;
            EXPECT_EQ(&imported, PaletteAt(*dlg->m_pPaletteList, 1));
            EXPECT_EQ(imported.m_Colours[kDarkBackground][1], MakeColour(255, 0, 0));
            EXPECT_EQ(imported.m_Colours[kLightBackground][16], DefaultLightColours[16]);
            EXPECT_EQ(dlg->m_nSelectedPen, 1);
            EXPECT_EQ(ItemText(*dlg, IDC_PALETTE_LABEL),
                      QStringLiteral("Current palette: Veldra 3 (Imported Veldra 3 palette)"));
            EXPECT_TRUE(dlg->m_bModified);
        } else {
            EXPECT_EQ(dlg->m_pCurrentPalette, before);
            EXPECT_EQ(dlg->m_bModified, modified && row[0] != "yes");
        }
    }
}

} // namespace

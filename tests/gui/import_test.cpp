// The import of the older product's colour table: the save question that never cancels it,
// and the new palette joining the list as the current one.
#include <gtest/gtest.h>

#include "editor_test_support.h"
#include "files/palette_file.h"
#include "gui_test_support.h"
#include "model/default_colours.h"
#include "platform/profile.h"
#include "platform/qt_text.h"
#include "resources/resource.h"

namespace {

const QString kColourTable = QStringLiteral(TINTORA_TEST_DATA_DIR "/veldra3_colours.ini");

class Import : public EditorTest {};

TEST_F(Import, QuestionNeverStopsTheImport) {
    const struct {
        const char* name;
        QMessageBox::StandardButton answer; // NoButton: not modified, no question
        bool chooseFile;
    } rows[] = {
        {"not modified", QMessageBox::NoButton, true},
        {"Yes", QMessageBox::Yes, true},
        {"Cancel", QMessageBox::Cancel, true},
        {"not modified, dialog cancelled", QMessageBox::NoButton, false},
        {"Cancel, then the dialog cancelled", QMessageBox::Cancel, false},
    };
    const QString file = folders.Other() + QStringLiteral("/file.pal");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Reopen();
        // A file is open, so that Yes saves without asking for a name.
        UI_LIST* list = NewDefaultPaletteList();
        ASSERT_TRUE(WritePaletteFile(FromQString(file), *list));
        DiscardPaletteList(list);
        Script().Then(AnswerFileDialog(file));
        dlg->SendCommand(ID_FILE_OPEN);
        const bool modified = row.answer != QMessageBox::NoButton;
        dlg->m_bModified = modified;
        dlg->m_nSelectedPen = 7;
        PaletteEntry* before = dlg->m_pCurrentPalette;

        MessageBoxSeen question;
        if (modified) {
            Script().Then(AnswerMessageBox(row.answer, &question));
        }
        if (row.answer == QMessageBox::Yes) {
            Script().Then(AnswerMessageBox(QMessageBox::Ok));
        }
        FileDialogSeen dialog;
        Script().Then(row.chooseFile ? AnswerFileDialog(kColourTable, &dialog)
                                     : CancelFileDialog(&dialog));
        dlg->SendCommand(ID_IMPORT_VELDRA);

        EXPECT_EQ(question.caption, modified ? QStringLiteral("Save") : QString());
        EXPECT_TRUE(dialog.shown) << "the dialog comes whatever the answer";
        EXPECT_FALSE(dialog.shortcuts) << "the plain dialog";
        EXPECT_EQ(ToQString(dlg->m_strPathName), file) << "the import opens no file";
        EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Tintora - file.pal"));
        EXPECT_EQ(dlg->m_pPaletteList->Count(), row.chooseFile ? 2u : 1u);
        if (row.chooseFile) {
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
            EXPECT_EQ(dlg->m_bModified, modified && row.answer != QMessageBox::Yes);
        }
    }
}

} // namespace

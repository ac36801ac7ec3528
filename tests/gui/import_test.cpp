// The import of the older product's colour table: the question that never cancels, the
// plain file dialog and the names it proposes, the new palette joining the list.
#include <QDir>
#include <gtest/gtest.h>
#include <optional>

#include "data_folders.h"
#include "editor_test_support.h"
#include "file_dialog_answers.h"
#include "files/palette_file.h"
#include "gui_test_support.h"
#include "model/default_colours.h"
#include "platform/profile.h"
#include "platform/qt_text.h"
#include "resources/resource.h"

namespace {

const QString kColourTable = QStringLiteral(TINTORA_TEST_DATA_DIR "/veldra3_colours.ini");

class Import : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteProfileInt(L"DialogData\\Tintora", L"ShowWarning", 0);
        m_pDlg = OpenEditor();
    }
    void TearDown() override {
        m_pDlg.reset();
        GuiTest::TearDown();
    }

    int Count() const { return static_cast<int>(m_pDlg->m_pPaletteList->Count()); }

    DataFolders m_folders;
    std::unique_ptr<CTintoraDlg> m_pDlg;
};

TEST_F(Import, QuestionNeverStopsTheImport) {
    const struct {
        const char* name;
        bool modified;
        std::optional<QMessageBox::StandardButton> answer;
        bool chooseFile;
    } rows[] = {
        {"not modified: no question", false, std::nullopt, true},
        {"Yes", true, QMessageBox::Yes, true},
        {"No", true, QMessageBox::No, true},
        {"Cancel", true, QMessageBox::Cancel, true},
        {"not modified, dialog cancelled", false, std::nullopt, false},
        {"Cancel, then the dialog cancelled", true, QMessageBox::Cancel, false},
    };
    const QString file = m_folders.Other() + QStringLiteral("/file.pal");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        m_pDlg = OpenEditor();
        // A file is open, so that Yes saves without asking for a name.
        UI_LIST* list = NewDefaultPaletteList();
        ASSERT_TRUE(WritePaletteFile(FromQString(file), *list));
        DiscardPaletteList(list);
        Script().Then(AnswerFileDialog(file));
        m_pDlg->SendCommand(ID_FILE_OPEN);
        m_pDlg->m_bModified = row.modified;
        PaletteEntry* before = m_pDlg->m_pCurrentPalette;

        MessageBoxSeen question;
        if (row.answer) {
            Script().Then(AnswerMessageBox(*row.answer, &question));
            if (*row.answer == QMessageBox::Yes) {
                Script().Then(AnswerMessageBox(QMessageBox::Ok));
            }
        }
        FileDialogSeen dialog;
        Script().Then(row.chooseFile ? AnswerFileDialog(kColourTable, &dialog)
                                     : CancelFileDialog(&dialog));
        m_pDlg->SendCommand(ID_IMPORT_VELDRA);

        if (row.answer) {
            EXPECT_EQ(question.caption, QStringLiteral("Save"));
            EXPECT_EQ(
                question.text,
                QStringLiteral("Current palette has been modified, would you like to save ?"));
            EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            EXPECT_EQ(question.owner, m_pDlg.get());
        }
        EXPECT_TRUE(dialog.shown) << "the dialog comes whatever the answer";
        EXPECT_EQ(ToQString(m_pDlg->m_strPathName), file) << "the import opens no file";
        EXPECT_EQ(m_pDlg->windowTitle(), QStringLiteral("Tintora - file.pal"));
        if (row.chooseFile) {
            ASSERT_EQ(Count(), 2);
            EXPECT_EQ(m_pDlg->m_pCurrentPalette, PaletteAt(*m_pDlg->m_pPaletteList, 1));
            EXPECT_TRUE(m_pDlg->m_bModified);
        } else {
            EXPECT_EQ(Count(), 1);
            EXPECT_EQ(m_pDlg->m_pCurrentPalette, before);
            EXPECT_EQ(m_pDlg->m_bModified, row.modified && *row.answer != QMessageBox::Yes);
        }
    }
}

TEST_F(Import, NewPaletteFromTheTableJoinsTheListAndBecomesCurrent) {
    m_pDlg->m_nSelectedPen = 7;
    Script().Then(AnswerFileDialog(kColourTable));
    m_pDlg->SendCommand(ID_IMPORT_VELDRA);

    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(PaletteAt(*m_pDlg->m_pPaletteList, 0)->m_Name, L"Default");
    const PaletteEntry& imported = *m_pDlg->m_pCurrentPalette;
    EXPECT_EQ(&imported, PaletteAt(*m_pDlg->m_pPaletteList, 1));
    EXPECT_EQ(imported.m_Name, L"Veldra 3");
    EXPECT_EQ(imported.m_Description, L"Imported Veldra 3 palette");
    for (int variant : {kLightBackground, kDarkBackground}) {
        EXPECT_EQ(imported.m_Colours[variant][1], MakeColour(255, 0, 0));
    }
    EXPECT_EQ(imported.m_Colours[kLightBackground][0], DefaultLightColours[0]);
    EXPECT_EQ(imported.m_Colours[kDarkBackground][0], DefaultDarkColours[0]);
    EXPECT_EQ(imported.m_Colours[kLightBackground][16], DefaultLightColours[16]);
    EXPECT_EQ(m_pDlg->m_nSelectedPen, 1);
    EXPECT_EQ(ItemText(*m_pDlg, IDC_PALETTE_LABEL),
              QStringLiteral("Current palette: Veldra 3 (Imported Veldra 3 palette)"));
    EXPECT_EQ(ToQString(m_pDlg->m_strPathName), QString());
    EXPECT_EQ(m_pDlg->windowTitle(), QStringLiteral("Tintora"));
}

TEST_F(Import, ProposesTheGuestFileFirstThenTheOneChosen) {
    const QString guest = m_folders.Documents() + QStringLiteral("/Users/Guest/CAD.ini");
    QDir().mkpath(m_folders.Documents() + QStringLiteral("/Users/Guest"));

    FileDialogSeen first;
    Script().Then(AnswerFileDialog(kColourTable, &first));
    m_pDlg->SendCommand(ID_IMPORT_VELDRA);
    EXPECT_EQ(first.folder + QLatin1Char('/') + first.fileName, guest);
    EXPECT_TRUE(first.open);
    EXPECT_FALSE(first.shortcuts) << "the plain dialog";
    EXPECT_EQ(first.filters, QStringList{QStringLiteral("Veldra 3.x (*.ini)")});
    EXPECT_EQ(first.defaultSuffix, QStringLiteral("ini"));
    EXPECT_EQ(first.flags, 0x1800u);
    EXPECT_EQ(first.owner, m_pDlg.get());
    EXPECT_EQ(ToQString(GetProfileString(L"Tintora", L"Import")), kColourTable);

    FileDialogSeen second;
    Script().Then(AnswerMessageBox(QMessageBox::No)); // the first import is unsaved
    Script().Then(AnswerFileDialog(kColourTable, &second));
    m_pDlg->SendCommand(ID_IMPORT_VELDRA);
    EXPECT_EQ(second.folder + QLatin1Char('/') + second.fileName, kColourTable);

    ASSERT_EQ(Count(), 3) << "each import adds a palette";
    EXPECT_EQ(PaletteAt(*m_pDlg->m_pPaletteList, 1)->m_Name, L"Veldra 3");
    EXPECT_EQ(PaletteAt(*m_pDlg->m_pPaletteList, 2)->m_Name, L"Veldra 3");
    EXPECT_EQ(m_pDlg->m_pCurrentPalette, PaletteAt(*m_pDlg->m_pPaletteList, 2));
}

} // namespace

// Import Palette and Export Palette: other tools' palettes join the list as the current one
// (data/cases/palette_import.txt), and the current palette leaves in the shown variant, in
// the format of the chosen filter.

#include "editor_test_support.h"
#include "filedialog/file_dialog.h"

namespace {

class PaletteExchange : public EditorTest {};

TEST_F(PaletteExchange, ImportAppendsAndMakesTheFirstCurrent) {
    for (const CaseRow& row : ReadCaseTable("palette_import.txt")) {
        SCOPED_TRACE(row.where);
        Reopen();
        const QByteArray bytes = row[1].starts_with('@')
                                     ? FileBytes(QStringLiteral(TINTORA_TEST_DATA_DIR "/formats/") +
                                                 QString::fromStdString(row[1].substr(1)))
                                     : QByteArray::fromStdString(row[1]);
        const QString file = folders.Path(QString::fromStdString(row[0]));
        ASSERT_TRUE(WriteFile(file, bytes));
        const int added = row.Int(2);
        const QString message = row.size() > 4 ? QString::fromStdString(row[4]) : QString();
        FileDialogSeen dialog;
        Script().Then(AnswerFileDialog(file, &dialog));
        MessageBoxSeen box;
        if (!message.isEmpty()) {
            Script().Then(AnswerMessageBox(QMessageBox::Ok, &box));
        }
        dlg->SendCommand(ID_IMPORT_PALETTE);
        EXPECT_TRUE(dialog.open && dialog.shortcuts);
        EXPECT_EQ(dlg->m_pPaletteList->Count(), 1u + added);
        EXPECT_EQ(dlg->m_bModified, added > 0);
        EXPECT_TRUE(ItemText(*dlg, IDC_PALETTE_LABEL).startsWith(QString::fromStdString(row[3])));
        EXPECT_TRUE(box.text.startsWith(message)) << box.text.toStdString();
        if (added > 0) {
            EXPECT_EQ(dlg->m_pCurrentPalette, PaletteAt(*dlg->m_pPaletteList, 1));
        }
    }
}

TEST_F(PaletteExchange, ExportWritesShownVariantAsFiltered) {
    for (const CaseRow& row : ReadCaseTable("palette_export.txt")) {
        SCOPED_TRACE(row.where);
        Reopen();
        if (row[2] == "dark") {
            dlg->m_pCurrentPalette->m_Colours[kDarkBackground][1] = MakeColour(0x12, 0x34, 0x56);
            ClickDlgItem(*dlg, IDC_DARK_BACKGROUND);
        }
        const QString path = folders.Path(QString::fromStdString(row[1]));
        const ModalHandler answer = AnswerFileDialog(path);
        Script().Then([&row, answer](QDialog& box) {
            auto& dialog = dynamic_cast<CFileDialog&>(box);
            EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
            dialog.selectNameFilter(dialog.nameFilters().at(row.Int(0)));
            answer(box);
        });
        dlg->SendCommand(ID_EXPORT_PALETTE);
        const QByteArray start = row[3].starts_with('@')
                                     ? FileBytes(QStringLiteral(TINTORA_TEST_DATA_DIR "/export/") +
                                                 QString::fromStdString(row[3].substr(1)))
                                     : QByteArray::fromStdString(row[3]);
        EXPECT_TRUE(!start.isEmpty() && FileBytes(path).startsWith(start));
        EXPECT_FALSE(dlg->m_bModified);
    }
}

} // namespace

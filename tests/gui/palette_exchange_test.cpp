// Import Palette and Export Palette: other tools' palettes join the list as the current one
// (data/cases/palette_import.txt), and the current palette leaves in the shown variant, in
// the format of the chosen filter.
#include <QFile>
#include <gtest/gtest.h>

#include "case_table.h"
#include "editor_test_support.h"
#include "filedialog/file_dialog.h"
#include "gui_test_support.h"
#include "model/default_colours.h"
#include "platform/profile.h"
#include "platform/qt_text.h"
#include "resources/resource.h"

namespace {

class PaletteExchange : public EditorTest {
protected:
    QString Write(const char* name, const QByteArray& bytes) const {
        const QString path = folders.Path(QString::fromUtf8(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return path;
    }
};

TEST_F(PaletteExchange, ImportAppendsAndMakesTheFirstCurrent) {
    for (const CaseRow& row : ReadCaseTable("palette_import.txt")) {
        SCOPED_TRACE(row.where);
        Reopen();
        QByteArray bytes = QByteArray::fromStdString(row[1]);
        if (row[1].starts_with('@')) {
            QFile file(QStringLiteral(TINTORA_TEST_DATA_DIR "/formats/") +
                       QString::fromStdString(row[1].substr(1)));
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            bytes = file.readAll();
        }
        const int added = row.Int(2);
        const QString message = row.size() > 4 ? QString::fromStdString(row[4]) : QString();
        FileDialogSeen dialog;
        Script().Then(AnswerFileDialog(Write(row[0].c_str(), bytes), &dialog));
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
    const struct {
        int filter; // position in the dialog's filter list
        const char* file;
        bool dark;
        QByteArray start;
    } rows[] = {
        {0, "x.gpl", false,
         "GIMP Palette\nName: Default\nColumns: 16\n# Default palette\n255 0 0\t"},
        {1, "x.hex", true, "123456\n808000\n"},
        {2, "x.css", false, "/* Default: Default palette */\n:root {\n  --pen-0: #000000;\n"},
        {3, "x.json", true, R"({"palettes":[{"name":"Default","description":"Default palette",)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        Reopen();
        if (row.dark) {
            dlg->m_pCurrentPalette->m_Colours[kDarkBackground][1] = MakeColour(0x12, 0x34, 0x56);
            ClickDlgItem(*dlg, IDC_DARK_BACKGROUND);
        }
        const QString path = folders.Path(QString::fromUtf8(row.file));
        const ModalHandler answer = AnswerFileDialog(path);
        Script().Then([&row, answer](QDialog& box) {
            auto& dialog = dynamic_cast<CFileDialog&>(box);
            EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
            dialog.selectNameFilter(dialog.nameFilters().at(row.filter));
            answer(box);
        });
        dlg->SendCommand(ID_EXPORT_PALETTE);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().startsWith(row.start));
        EXPECT_FALSE(dlg->m_bModified);
    }
}

} // namespace

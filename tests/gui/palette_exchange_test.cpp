// Import Palette and Export Palette: other tools' palettes join the list as the current one,
// and the current palette leaves in the shown variant, in the format of the chosen filter.
#include <QFile>
#include <gtest/gtest.h>

#include "editor_test_support.h"
#include "file_dialog_answers.h"
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
    QByteArray manyRows = "GIMP Palette\nName: Many\n";
    for (int row = 0; row < 256; ++row) {
        manyRows += "9 9 9\n";
    }
    const struct {
        const char* file;
        QByteArray bytes;
        int added;
        const char* label; // of the palette made current
        QString box;       // the start of the message shown, if any
    } rows[] = {
        {"two.json",
         R"({"palettes":[{"name":"A","description":"d"},{"name":"B"}]})",
         2,
         "Current palette: A (d)",
         {}},
        {"Sky.hex", "#102030\n", 1, "Current palette: Sky (Imported hex colour list)", {}},
        {"many.gpl", manyRows, 1, "Current palette: Many (Imported GIMP palette)",
         QStringLiteral("many.gpl:\nline 258: 1 colours after the 255th")},
        {"bad.json", R"({"palettes":[{"name":"A","light":[1]}]})", 0, "Current palette: Default",
         QStringLiteral("Failed to import bad.json: palettes[0].light[0]: not a #rrggbb")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        Reopen();
        FileDialogSeen dialog;
        Script().Then(AnswerFileDialog(Write(row.file, row.bytes), &dialog));
        MessageBoxSeen box;
        if (!row.box.isEmpty()) {
            Script().Then(AnswerMessageBox(QMessageBox::Ok, &box));
        }
        dlg->SendCommand(ID_IMPORT_PALETTE);
        EXPECT_TRUE(dialog.open && dialog.shortcuts);
        EXPECT_EQ(dlg->m_pPaletteList->Count(), 1u + row.added);
        EXPECT_EQ(dlg->m_bModified, row.added > 0);
        EXPECT_TRUE(ItemText(*dlg, IDC_PALETTE_LABEL).startsWith(QString::fromUtf8(row.label)));
        EXPECT_TRUE(box.text.startsWith(row.box)) << box.text.toStdString();
        if (row.added > 0) {
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

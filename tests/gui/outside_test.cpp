// Files from outside the editor: the command line's file at start-up, a palette file dropped
// on the window, and the command line itself.
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>
#include <sstream>

#include "app/command_line.h"
#include "app/tintora_app.h"
#include "case_table.h"
#include "editor_test_support.h"
#include "gui_test_support.h"
#include "platform/profile.h"
#include "platform/qt_text.h"

namespace {

const QString kThree = QStringLiteral(TINTORA_TEST_DATA_DIR "/cli/three_palettes.pal");

class Outside : public GuiTest {};

TEST_F(Outside, TheCommandLinesFileOpensAfterTheWarningAsOpenWould) {
    const struct {
        const char* file;
        const char* caption;
        const char* error; // the box after the warning, empty for none
    } rows[] = {
        {"three.pal", "Tintora - three.pal", ""},
        {"missing.pal", "Tintora", "Failed to open selected palette file"},
    };
    DataFolders folders;
    ASSERT_TRUE(QFile::copy(kThree, folders.Path(QStringLiteral("three.pal"))));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        CTintoraApp app;
        app.m_strFileToOpen = FromQString(folders.Path(QString::fromLatin1(row.file)));
        MessageBoxSeen error;
        QString caption;
        Script().Then([](QDialog& d) { ClickDlgItem(d, IDOK); }); // the warning
        if (*row.error != '\0') {
            Script().Then(AnswerMessageBox(QMessageBox::Ok, &error));
        }
        Script().Then([&caption](QDialog& d) {
            caption = d.windowTitle();
            d.reject();
        });
        app.InitInstance();
        EXPECT_EQ(caption, QString::fromLatin1(row.caption));
        // The cause follows on a second line.
        EXPECT_EQ(error.text.section(QLatin1Char('\n'), 0, 0), QString::fromLatin1(row.error));
        EXPECT_EQ(GetProfileString(L"Tintora", L"File"), app.m_strFileToOpen);
    }
}

TEST_F(Outside, ADroppedPaletteFileOpensAfterTheSaveQuestion) {
    const struct {
        const char* name;
        const char* file;
        QMessageBox::StandardButton answer; // NoButton: not modified, no question
        bool opens;
    } rows[] = {
        {"modified, No", "three_palettes.pal", QMessageBox::No, true},
        {"modified, Cancel", "three_palettes.pal", QMessageBox::Cancel, false},
        {"not a palette file", "three_palettes.txt", QMessageBox::NoButton, false},
    };
    WriteProfileInt(L"DialogData\\Tintora", L"ShowWarning", 0);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto dlg = OpenEditor();
        dlg->m_bModified = row.answer != QMessageBox::NoButton;
        if (dlg->m_bModified) {
            Script().Then(AnswerMessageBox(row.answer));
        }
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QStringLiteral(TINTORA_TEST_DATA_DIR "/cli/") +
                                          QString::fromLatin1(row.file))});
        QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(dlg.get(), &enter);
        EXPECT_EQ(enter.isAccepted(), row.file == std::string("three_palettes.pal"));
        QDropEvent drop(QPointF(200, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(dlg.get(), &drop);
        Settle();
        EXPECT_EQ(dlg->m_pPaletteList->Count(), row.opens ? 3u : 1u);
    }
}

TEST_F(Outside, CommandLineTakesOneFileHelpAndVersion) {
    for (const CaseRow& row : ReadCaseTable("command_line.txt")) {
        std::vector<std::string> args;
        std::istringstream words(row[0]);
        for (std::string word; words >> word;) {
            args.push_back(word);
        }
        const char* const actions[] = {"run", "help", "version", "fail"};
        EXPECT_EQ(actions[static_cast<int>(ParseCommandLine(args).action)], row[1]) << row.where;
    }
}

} // namespace

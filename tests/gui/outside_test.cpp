// Start-up and files from outside the editor: the start-up message, the command line's file
// at start-up, a palette file dropped on the window, and the command line itself.
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <iterator>
#include <sstream>

#include "app/command_line.h"
#include "app/tintora_app.h"
#include "app/warning_dlg.h"
#include "editor_test_support.h"

namespace {

const QString kThree = QStringLiteral(TINTORA_TEST_DATA_DIR "/cli/three_palettes.pal");

class Outside : public EditorTest {};

// Shown before the editor while the profile asks for it, turned off only by OK with the box
// ticked.
TEST_F(Outside, OnlyOkWithTheBoxTickedTurnsTheWarningOff) {
    for (const CaseRow& row : ReadCaseTable("start_warning.txt")) {
        SetProfileFile(ProfilePath() + QString::fromStdString(row.where).remove(QLatin1Char(':')));
        Script().Then([&row](QDialog& d) {
            if (row[0] == "yes") {
                ClickDlgItem(d, IDC_DONT_SHOW);
            }
            row[1] == "ok"    ? ClickDlgItem(d, IDOK)
            : row[1] == "esc" ? PressKey(d, Qt::Key_Escape)
                              : static_cast<void>(d.close());
        });
        CWarningDlg(nullptr).DoModal();
        EXPECT_EQ(GetProfileInt(L"DialogData\\Tintora", L"ShowWarning", -1), row.Int(2))
            << row.where;
    }
}

TEST_F(Outside, TheCommandLinesFileOpensAfterTheWarningAsOpenWould) {
    WriteProfileInt(L"DialogData\\Tintora", L"ShowWarning", 1);
    ASSERT_TRUE(QFile::copy(kThree, folders.Path(QStringLiteral("three.pal"))));
    for (const CaseRow& row : ReadCaseTable("outside.txt")) {
        if (row[0] != "start") {
            continue;
        }
        SCOPED_TRACE(row.where);
        CTintoraApp app;
        app.m_strFileToOpen = FromQString(folders.Path(QString::fromStdString(row[1])));
        MessageBoxSeen error;
        QString caption;
        Script().Then([](QDialog& d) { // the warning, before the editor shows
            EXPECT_FALSE(d.parentWidget() != nullptr && d.parentWidget()->isVisible());
            ClickDlgItem(d, IDOK);
        });
        if (!row[3].empty()) {
            Script().Then(AnswerMessageBox(QMessageBox::Ok, &error));
        }
        Script().Then([&caption](QDialog& d) {
            caption = d.windowTitle();
            d.reject();
        });
        EXPECT_FALSE(app.InitInstance()) << "the program ends with the editor";
        EXPECT_EQ(app.m_pMainWnd, nullptr);
        EXPECT_EQ(caption, QString::fromStdString(row[2]));
        // The cause follows on a second line.
        EXPECT_EQ(error.text.section(QLatin1Char('\n'), 0, 0), QString::fromStdString(row[3]));
        EXPECT_EQ(GetProfileString(L"Tintora", L"File"), app.m_strFileToOpen);
    }
}

TEST_F(Outside, ADroppedPaletteFileOpensAfterTheSaveQuestion) {
    for (const CaseRow& row : ReadCaseTable("outside.txt")) {
        if (row[0] != "drop") {
            continue;
        }
        SCOPED_TRACE(row.where);
        Reopen();
        dlg->m_bModified = row[2] != "none";
        if (dlg->m_bModified) {
            Script().Then(AnswerMessageBox(row[2] == "no" ? QMessageBox::No : QMessageBox::Cancel));
        }
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QStringLiteral(TINTORA_TEST_DATA_DIR "/cli/") +
                                          QString::fromStdString(row[1]))});
        QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(dlg.get(), &enter);
        EXPECT_EQ(enter.isAccepted(), row[1].ends_with(".pal"));
        QDropEvent drop(QPointF(200, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(dlg.get(), &drop);
        Settle();
        EXPECT_EQ(dlg->m_pPaletteList->Count(), row[3] == "yes" ? 3u : 1u);
    }
}

TEST_F(Outside, CommandLineTakesOneFileHelpAndVersion) {
    for (const CaseRow& row : ReadCaseTable("command_line.txt")) {
        std::istringstream words(row[0]);
        const std::vector<std::string> args(std::istream_iterator<std::string>(words), {});
        const char* const actions[] = {"run", "help", "version", "fail"};
        EXPECT_EQ(actions[static_cast<int>(ParseCommandLine(args).action)], row[1]) << row.where;
    }
}

} // namespace

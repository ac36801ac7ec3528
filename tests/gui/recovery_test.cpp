// The copy of unsaved work: kept through every way the window ends without a question (and
// through the system ending the program), offered at the next start, and gone once the
// work is saved or given up.
#include <QClipboard>
#include <QDateTime>
#include <QLocale>
#include <QProcess>
#include <cstdio>
#include <signal.h>

#include "editor_test_support.h"
#include "files/recovery_file.h"

namespace {

constexpr COLORREF kFirst = MakeColour(0x11, 0x22, 0x33);
constexpr COLORREF kSecond = MakeColour(0x33, 0x66, 0x99);

// Pastes colour onto the selected pen: an undoable change, as a user makes it.
void PasteColour(CTintoraDlg& dlg, COLORREF colour) {
    QGuiApplication::clipboard()->setText(QString::number(Rgb(colour), 16).rightJustified(6, '0'));
    dlg.SendCommand(ID_EDIT_PASTE);
}

// The first change is kept at once; the second waits out the interval.
void ChangeTwice(CTintoraDlg& dlg) {
    PasteColour(dlg, kFirst);
    Settle();
    PasteColour(dlg, kSecond);
}

class Recovery : public EditorTest {
protected:
    // A fresh editor, started as "tintora FILE" when file is given, keeping the copies.
    void Restart(const QString& file = QString()) {
        dlg.reset();
        dlg = std::make_unique<CTintoraDlg>(nullptr);
        dlg->OpenAtStart(FromQString(file));
        dlg->Create();
    }
    QString m_strFile = folders.Other() + QStringLiteral("/three.pal");
};

// Each way the window ends, the next start with or without the file on the command line,
// the offer answered, and Save after Yes (once with the file changed elsewhere meanwhile).
TEST_F(Recovery, EveryCloseWithoutAQuestionKeepsTheWork) {
    const std::map<std::string, std::function<void(CTintoraDlg&)>> closes = {
        {"esc", [](CTintoraDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"enter", [](CTintoraDlg& d) { QTest::keyClick(&d, Qt::Key_Return); }},
        {"closebox", [](CTintoraDlg& d) { d.close(); }},
        {"exit", [](CTintoraDlg& d) { d.SendCommand(ID_EXIT); }},
    };
    for (const CaseRow& row : ReadCaseTable("recovery.txt")) {
        SCOPED_TRACE(row.where);
        ASSERT_TRUE(CopyTestData(QStringLiteral("cli/three_palettes.pal"), m_strFile));
        const QByteArray original = FileBytes(m_strFile);
        Reopen();
        if (row[0] == "file") {
            Script().Then(AnswerFileDialog(m_strFile));
            dlg->SendCommand(ID_FILE_OPEN);
        }
        ChangeTwice(*dlg);
        if (row[1] == "exit") {
            Script().Then(AnswerMessageBox(QMessageBox::No));
        }
        closes.at(row[1])(*dlg);
        EXPECT_FALSE(dlg->isVisible());
        const std::vector<RecoveryCopy> kept = FindRecoveryCopies(RecoveryFolder());
        ASSERT_EQ(kept.size(), row[1] == "exit" ? 0u : 1u) << "Exit asks, and drops the copy";
        if (row[4] == "changed") {
            ASSERT_TRUE(WriteFile(m_strFile, original + "# edited elsewhere\r\n"));
        }
        dlg.reset();
        // Another Tintora still working on it.
        const auto other =
            row[2] == "locked" ? RecoveryKeeper::LockNote(kept[0].notePath) : nullptr;
        MessageBoxSeen offer;
        if (row[3] != "none") {
            Script().Then(
                AnswerMessageBox(row[3] == "yes" ? QMessageBox::Yes : QMessageBox::No, &offer));
        }
        Restart(row[2] == "file" ? m_strFile : QString());
        EXPECT_TRUE(FileBytes(m_strFile).startsWith(original)) << "nothing written to it";
        EXPECT_EQ(dlg->windowTitle(), QString::fromStdString(row[5]));
        if (row[3] == "none") {
            EXPECT_EQ(FindRecoveryCopies(RecoveryFolder()).size(), kept.size());
            continue;
        }
        const QString file = row[0] == "file" ? m_strFile : QStringLiteral("a new palette file");
        const QString date = QLocale().toString(QDateTime::fromSecsSinceEpoch(kept[0].savedAt),
                                                QLocale::ShortFormat);
        EXPECT_EQ(offer.caption, QStringLiteral("Recover"));
        EXPECT_EQ(offer.text, QStringLiteral("Tintora was closed with unsaved changes to %1 on "
                                             "%2.\n\nRecover them?")
                                  .arg(file, date));
        EXPECT_EQ(offer.buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(offer.icon, QMessageBox::Question);
        EXPECT_EQ(dlg->ShownColour(1) == kSecond, row[3] == "yes") << "the close kept the last";
        EXPECT_EQ(dlg->m_bModified, row[3] == "yes");
        EXPECT_EQ(FindRecoveryCopies(RecoveryFolder()).size(), row[3] == "yes" ? 1u : 0u);
        if (row[4] != "-") {
            if (row[4] == "changed") {
                Script().Then(AnswerMessageBox(QMessageBox::Yes)); // replace it?
            }
            Script().Then(AnswerMessageBox(QMessageBox::Ok));
            dlg->SendCommand(ID_FILE_SAVE);
            EXPECT_TRUE(FindRecoveryCopies(RecoveryFolder()).empty());
            Restart(m_strFile);
            EXPECT_EQ(dlg->ShownColour(1), kSecond) << "saved to the file";
        }
    }
}

// Two windows working at once on new palettes keep a copy each.
TEST_F(Recovery, TwoWindowsKeepACopyEach) {
    CTintoraDlg other(nullptr);
    other.Create();
    PasteColour(other, kFirst);
    PasteColour(*dlg, kSecond);
    Settle();
    EXPECT_EQ(FindRecoveryCopies(RecoveryFolder()).size(), 2u);
}

// The program as the system ends it, in a child process: SIGTERM and SIGHUP keep the last
// change at once; SIGKILL catches nothing, and takes at most the last interval's work.
TEST_F(Recovery, SurvivesTheSystemEndingTheProgram) {
    for (const auto& [signal, waitMs] : {std::pair{SIGTERM, 0}, std::pair{SIGHUP, 0},
                                         std::pair{SIGKILL, RecoveryKeeper::kInterval + 1500}}) {
        SCOPED_TRACE(signal);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TINTORA_RECOVERY_CHILD"),
                           folders.Path(QStringLiteral("state")));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=RecoveryChild.*")});
        QByteArray output;
        while (!output.contains("changed\n") && child.waitForReadyRead(30000)) {
            output += child.readAllStandardOutput();
        }
        ASSERT_TRUE(output.contains("changed\n")) << output.toStdString();
        QTest::qWait(waitMs);
        ::kill(static_cast<pid_t>(child.processId()), signal);
        ASSERT_TRUE(child.waitForFinished(30000));
        EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
        EXPECT_EQ(child.exitCode(), signal) << "ends as the signal ends it";
        Script().Then(AnswerMessageBox(QMessageBox::Yes));
        Restart();
        EXPECT_EQ(dlg->ShownColour(1), kSecond);
        Reopen();
    }
}

// The child of SurvivesTheSystemEndingTheProgram.
class RecoveryChild : public GuiTest {};

TEST_F(RecoveryChild, ChangesAndWaitsForTheEnd) {
    if (qEnvironmentVariableIsEmpty("TINTORA_RECOVERY_CHILD")) {
        GTEST_SKIP() << "run by Recovery.SurvivesTheSystemEndingTheProgram";
    }
    // The test main points the state folder at a place of its own; the parent looks in its.
    qputenv("XDG_STATE_HOME", qgetenv("TINTORA_RECOVERY_CHILD"));
    WriteProfileInt(L"DialogData\\Tintora", L"ShowWarning", 0);
    CTintoraDlg dlg(nullptr);
    dlg.Create();
    ChangeTwice(dlg);
    std::printf("changed\n");
    std::fflush(stdout);
    QTest::qWait(30000);
    FAIL() << "no signal came";
}

} // namespace

// The file commands of the editor: the save question before New, Open and Exit, every
// message with its caption, the caption and remembered file after each, Save As, and the
// shared-folder shortcut in the Open and Save As dialogs.
#include <QFileInfo>
#include <sys/stat.h>

#include "editor_test_support.h"

namespace {

constexpr COLORREF kEdited = MakeColour(10, 20, 30);
const QString kSaved = QStringLiteral("Palette file has been saved");

class FileCommands : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        m_strFile = folders.Other() + QStringLiteral("/three.pal");
        OpenThree();
    }
    // A fresh editor with a fresh three.pal opened through File > Open.
    void OpenThree() {
        ASSERT_TRUE(CopyTestData(QStringLiteral("cli/three_palettes.pal"), m_strFile));
        Reopen();
        Script().Then(AnswerFileDialog(m_strFile));
        dlg->SendCommand(ID_FILE_OPEN);
    }
    // The file the editor's list should make, byte for byte.
    QByteArray ListBytes() const {
        const QString path = folders.Path(QStringLiteral("expected.pal"));
        EXPECT_TRUE(WritePaletteFile(FromQString(path), *dlg->m_pPaletteList));
        return FileBytes(path);
    }
    void Edit() {
        dlg->m_pCurrentPalette->m_Colours[kLightBackground][5] = kEdited;
        dlg->m_bModified = true;
    }

    QString m_strFile;
};

TEST_F(FileCommands, SaveQuestionBeforeNewOpenAndExit) {
    const std::map<std::string, int> commands = {{"new", ID_FILE_NEW},
                                                 {"open", ID_FILE_OPEN},
                                                 {"exit", ID_EXIT},
                                                 {"veldra", ID_IMPORT_VELDRA}};
    const std::map<std::string, QMessageBox::StandardButton> answers = {
        {"yes", QMessageBox::Yes}, {"no", QMessageBox::No}, {"cancel", QMessageBox::Cancel}};
    for (const CaseRow& row : ReadCaseTable("save_question.txt")) {
        SCOPED_TRACE(row.where);
        const bool yes = row[1] == "yes";
        const bool goesOn = row[2] == "yes";
        OpenThree();
        Edit();
        const QByteArray edited = ListBytes();
        MessageBoxSeen question;
        MessageBoxSeen saved;
        FileDialogSeen dialog;
        Script().Then(AnswerMessageBox(answers.at(row[1]), &question));
        if (yes) {
            Script().Then(AnswerMessageBox(QMessageBox::Ok, &saved));
        }
        if ((row[0] == "open" || row[0] == "veldra") && goesOn) {
            Script().Then(CancelFileDialog(&dialog));
        }
        dlg->SendCommand(commands.at(row[0]));

        EXPECT_EQ(question.caption, QStringLiteral("Save"));
        EXPECT_EQ(question.text,
                  QStringLiteral("Current palette has been modified, would you like to save ?"));
        EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        EXPECT_EQ(question.icon, QMessageBox::NoIcon);
        EXPECT_EQ(question.owner, dlg.get());
        EXPECT_EQ(FileBytes(m_strFile) == edited, yes);
        EXPECT_EQ(saved.text, yes ? kSaved : QString());
        if (row[0] == "new") {
            EXPECT_EQ(ListState(), "Default*");
            EXPECT_EQ(ToQString(dlg->m_strPathName), QString());
            EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Tintora"));
        } else if (row[0] == "open" || row[0] == "veldra") {
            // The dialog was cancelled (or never shown): the list and the file stay. The
            // import's dialog is the plain one: the shortcuts belong to the palette files.
            EXPECT_EQ(dialog.shortcuts && dialog.sharedEnabled, row[0] == "open" && goesOn);
            EXPECT_EQ(dlg->m_pPaletteList->Count(), 3u);
            EXPECT_EQ(dlg->m_pCurrentPalette->m_Colours[kLightBackground][5], kEdited);
            EXPECT_EQ(ToQString(dlg->m_strPathName), m_strFile);
            EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Tintora - three.pal"));
            EXPECT_EQ(dlg->m_bModified, row[0] == "open" ? !goesOn : !yes);
        } else {
            EXPECT_EQ(dlg->isVisible(), !goesOn);
        }
    }
}

TEST_F(FileCommands, MessagesAndWhatEachLeaves) {
    const QString other = folders.Other() + QLatin1Char('/');
    ASSERT_EQ(::mkfifo((other + QStringLiteral("pipe.pal")).toUtf8().constData(), 0600), 0);
    ASSERT_TRUE(WriteFile(other + QStringLiteral("comments.pal"),
                          "# only a comment\r\nPen1, 1, 2, 3, 4, 5, 6\r\n"));
    ASSERT_TRUE(WriteFile(other + QStringLiteral("many.pal"), QByteArray("*P\n").repeated(100001)));
    for (const CaseRow& row : ReadCaseTable("file_messages.txt")) {
        SCOPED_TRACE(row.where);
        OpenThree();
        if (row[0] != "none") {
            Edit();
        }
        if (row[0] == "unsaveable") {
            dlg->m_pCurrentPalette->m_Name = L"Caf\u4E2D";
        }
        const QByteArray before = FileBytes(m_strFile);
        const QString open =
            row[1] == "save" ? QString() : other + QString::fromStdString(row[1].substr(5));
        MessageBoxSeen seen;
        if (!open.isEmpty()) {
            Script().Then(AnswerFileDialog(open));
        }
        Script().Then(AnswerMessageBox(QMessageBox::Ok, &seen));
        dlg->SendCommand(open.isEmpty() ? ID_FILE_SAVE : ID_FILE_OPEN);

        EXPECT_EQ(seen.caption, QString::fromStdString(row[2]));
        EXPECT_EQ(seen.text, QString::fromStdString(row[3]));
        EXPECT_EQ(seen.icon, QMessageBox::Warning) << "also for notices";
        EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_EQ(seen.owner, dlg.get());
        EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Tintora - three.pal")) << "whatever happened";
        if (row[4] == "default") {
            EXPECT_EQ(ListState(), "Default*");
            EXPECT_EQ(ToQString(dlg->m_strPathName), QString());
            EXPECT_EQ(ToQString(GetProfileString(L"Tintora", L"File")), open)
                << "the failed file is proposed next time";
            continue;
        }
        EXPECT_EQ(FileBytes(m_strFile), row[4] == "saved" ? ListBytes() : before);
        EXPECT_EQ(dlg->m_bModified, row[4] == "modified");
        EXPECT_EQ(ToQString(dlg->m_strPathName), m_strFile);
    }
}

// Another program saved over the file since Open: Save asks before replacing it, and No
// keeps that program's file and the window's change. Once saved, the file is ours again.
TEST_F(FileCommands, SaveAsksBeforeReplacingAFileChangedOnDisk) {
    const QByteArray other = "*Other,program\r\n";
    ASSERT_TRUE(WriteFile(m_strFile, other));
    Edit();
    MessageBoxSeen question;
    Script().Then(AnswerMessageBox(QMessageBox::No, &question));
    dlg->SendCommand(ID_FILE_SAVE);
    EXPECT_EQ(question.caption, QStringLiteral("Save"));
    EXPECT_EQ(question.text,
              QStringLiteral("The palette file has been changed by another program since it was "
                             "opened or saved.\nReplace it with the palette shown in Tintora?"));
    EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(FileBytes(m_strFile), other);
    EXPECT_TRUE(dlg->m_bModified);
    for (const bool asked : {true, false}) {
        MessageBoxSeen saved;
        if (asked) {
            Script().Then(AnswerMessageBox(QMessageBox::Yes));
        }
        Script().Then(AnswerMessageBox(QMessageBox::Ok, &saved));
        dlg->SendCommand(ID_FILE_SAVE);
        EXPECT_EQ(FileBytes(m_strFile), ListBytes());
        EXPECT_FALSE(dlg->m_bModified);
        EXPECT_EQ(saved.text, kSaved);
        Edit();
    }
}

TEST_F(FileCommands, SaveAsAlwaysWritesAndNamesTheFile) {
    for (const CaseRow& row : ReadCaseTable("save_as.txt")) {
        SCOPED_TRACE(row.where);
        const QString target = folders.Path(QString::fromStdString(row[2]));
        if (row[1] == "yes") {
            OpenThree();
        } else {
            Reopen();
            dlg->m_bModified = true;
        }
        const CString remembered = GetProfileString(L"Tintora", L"File");
        FileDialogSeen dialog;
        MessageBoxSeen seen;
        Script().Then(AnswerFileDialog(target, &dialog));
        Script().Then(AnswerMessageBox(QMessageBox::Ok, &seen));
        dlg->SendCommand(row[0] == "save" ? ID_FILE_SAVE : ID_FILE_SAVE_AS);

        const bool written = QString::fromStdString(row[3]) == kSaved;
        EXPECT_TRUE(!dialog.open && dialog.shortcuts && dialog.sharedEnabled);
        EXPECT_EQ(dialog.fileName, QString()) << "Save As proposes no name";
        EXPECT_EQ(seen.text, QString::fromStdString(row[3]));
        EXPECT_EQ(ToQString(dlg->m_strPathName), target);
        EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Tintora - ") + QFileInfo(target).fileName());
        EXPECT_EQ(dlg->m_bModified, !written);
        EXPECT_EQ(FileBytes(target), written ? ListBytes() : QByteArray());
        EXPECT_EQ(GetProfileString(L"Tintora", L"File"), remembered)
            << "only Open remembers a file";
    }
}

// Open and Save As have the shortcuts (the tests above see them), but none to the shared
// folder when it is the user's own (however spelled).
TEST_F(FileCommands, NoSharedShortcutWhenItIsTheUsersFolder) {
    folders.SetShared(folders.User().toUpper());
    for (const int command : {ID_FILE_OPEN, ID_FILE_SAVE_AS}) {
        FileDialogSeen seen;
        Script().Then(CancelFileDialog(&seen));
        dlg->SendCommand(command);
        EXPECT_TRUE(seen.shortcuts && !seen.sharedEnabled) << command;
    }
}

} // namespace

// The file commands of the editor: the save question before New, Open and Exit, every
// message with its caption, the caption and remembered file after each, Save As, and the
// shared-folder shortcut in the Open and Save As dialogs.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "case_table.h"
#include "editor_test_support.h"
#include "files/palette_file.h"
#include "gui_test_support.h"
#include "platform/profile.h"
#include "platform/qt_text.h"
#include "resources/resource.h"

namespace {

constexpr COLORREF kEdited = MakeColour(10, 20, 30);
const QString kSaved = QStringLiteral("Palette file has been saved");

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class FileCommands : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        m_strTwo = folders.Other() + QStringLiteral("/two.pal");
        OpenTwo();
    }
    // A fresh editor with a fresh two.pal (the default palette, then "Second") open.
    void OpenTwo() {
        UI_LIST* list = NewDefaultPaletteList();
        auto* second = new PaletteEntry;
        second->m_Name = L"Second";
        second->SetDefaultColours();
        second->m_Colours[kDarkBackground][1] = MakeColour(4, 5, 6);
        list->Add(second);
        ASSERT_TRUE(WritePaletteFile(FromQString(m_strTwo), *list));
        DiscardPaletteList(list);
        Reopen();
        Script().Then(AnswerFileDialog(m_strTwo));
        dlg->SendCommand(ID_FILE_OPEN);
    }
    // The file the editor's list should make, byte for byte.
    QByteArray ListBytes() const {
        const QString path = folders.Path(QStringLiteral("expected.pal"));
        EXPECT_TRUE(WritePaletteFile(FromQString(path), *dlg->m_pPaletteList));
        return Bytes(path);
    }
    void Edit() {
        dlg->m_pCurrentPalette->m_Colours[kLightBackground][5] = kEdited;
        dlg->m_bModified = true;
    }
    QString Caption() const { return dlg->windowTitle(); }
    QString Path() const { return ToQString(dlg->m_strPathName); }
    bool ShowsDefaultOnly() const {
        return dlg->m_pPaletteList->Count() == 1 && dlg->m_pCurrentPalette->m_Name == L"Default";
    }

    QString m_strTwo;
};

TEST_F(FileCommands, SaveQuestionBeforeNewOpenAndExit) {
    const struct {
        const char* name;
        int command;
        QMessageBox::StandardButton answer;
        bool goesOn;
    } rows[] = {
        {"New, Yes", ID_FILE_NEW, QMessageBox::Yes, true},
        {"New, No", ID_FILE_NEW, QMessageBox::No, true},
        {"New, Cancel", ID_FILE_NEW, QMessageBox::Cancel, true},
        {"Open, Yes", ID_FILE_OPEN, QMessageBox::Yes, true},
        {"Open, No", ID_FILE_OPEN, QMessageBox::No, true},
        {"Open, Cancel", ID_FILE_OPEN, QMessageBox::Cancel, false},
        {"Exit, Yes", ID_EXIT, QMessageBox::Yes, true},
        {"Exit, No", ID_EXIT, QMessageBox::No, true},
        {"Exit, Cancel", ID_EXIT, QMessageBox::Cancel, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        OpenTwo();
        Edit();
        const QByteArray edited = ListBytes();
        MessageBoxSeen question;
        MessageBoxSeen saved;
        Script().Then(AnswerMessageBox(row.answer, &question));
        if (row.answer == QMessageBox::Yes) {
            Script().Then(AnswerMessageBox(QMessageBox::Ok, &saved));
        }
        if (row.command == ID_FILE_OPEN && row.goesOn) {
            Script().Then(CancelFileDialog());
        }
        dlg->SendCommand(row.command);

        EXPECT_EQ(question.caption, QStringLiteral("Save"));
        EXPECT_EQ(question.text,
                  QStringLiteral("Current palette has been modified, would you like to save ?"));
        EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        EXPECT_EQ(question.icon, QMessageBox::NoIcon);
        EXPECT_EQ(question.owner, dlg.get());
        EXPECT_EQ(Bytes(m_strTwo) == edited, row.answer == QMessageBox::Yes);
        EXPECT_EQ(saved.text, row.answer == QMessageBox::Yes ? kSaved : QString());
        if (row.command == ID_FILE_NEW) {
            EXPECT_TRUE(ShowsDefaultOnly());
            EXPECT_EQ(Path(), QString());
            EXPECT_EQ(Caption(), QStringLiteral("Tintora"));
            EXPECT_FALSE(dlg->m_bModified);
        } else if (row.command == ID_FILE_OPEN) {
            // The dialog was cancelled (or never shown): the list and the file stay.
            EXPECT_EQ(dlg->m_pPaletteList->Count(), 2u);
            EXPECT_EQ(dlg->m_pCurrentPalette->m_Colours[kLightBackground][5], kEdited);
            EXPECT_EQ(Path(), m_strTwo);
            EXPECT_EQ(Caption(), QStringLiteral("Tintora - two.pal"));
            EXPECT_EQ(dlg->m_bModified, !row.goesOn);
        } else {
            EXPECT_EQ(dlg->isVisible(), !row.goesOn);
        }
    }
}

TEST_F(FileCommands, MessagesAndWhatEachLeaves) {
    const QString other = folders.Other() + QLatin1Char('/');
    ASSERT_EQ(::mkfifo((other + QStringLiteral("pipe.pal")).toUtf8().constData(), 0600), 0);
    for (const auto& [name, bytes] :
         {std::pair{"comments.pal", QByteArray("# only a comment\r\nPen1, 1, 2, 3, 4, 5, 6\r\n")},
          std::pair{"many.pal", QByteArray("*P\n").repeated(100001)}}) {
        QFile file(other + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    for (const CaseRow& row : ReadCaseTable("file_messages.txt")) {
        SCOPED_TRACE(row.where);
        OpenTwo();
        if (row[0] != "none") {
            Edit();
        }
        if (row[0] == "unsaveable") {
            dlg->m_pCurrentPalette->m_Name = L"Caf\u4E2D";
        }
        const QByteArray before = Bytes(m_strTwo);
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
        EXPECT_EQ(Caption(), QStringLiteral("Tintora - two.pal")) << "whatever happened";
        if (row[4] == "default") {
            EXPECT_TRUE(ShowsDefaultOnly());
            EXPECT_EQ(Path(), QString());
            EXPECT_FALSE(dlg->m_bModified);
            EXPECT_EQ(ToQString(GetProfileString(L"Tintora", L"File")), open)
                << "the failed file is proposed next time";
            continue;
        }
        EXPECT_EQ(Bytes(m_strTwo), row[4] == "saved" ? ListBytes() : before);
        EXPECT_EQ(dlg->m_bModified, row[4] == "modified");
        EXPECT_EQ(Path(), m_strTwo);
    }
}

// Another program saved over the file since Open: Save asks before replacing it, and No
// keeps that program's file and the window's change. Once saved, the file is ours again.
TEST_F(FileCommands, SaveAsksBeforeReplacingAFileChangedOnDisk) {
    const QByteArray other = "*Other,program\r\n";
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes, QMessageBox::Ok}) {
        const bool changed = answer != QMessageBox::Ok;
        if (changed) {
            OpenTwo();
            QFile file(m_strTwo);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(other);
        }
        Edit();
        MessageBoxSeen question;
        MessageBoxSeen saved;
        if (changed) {
            Script().Then(AnswerMessageBox(answer, &question));
        }
        if (answer != QMessageBox::No) {
            Script().Then(AnswerMessageBox(QMessageBox::Ok, &saved));
        }
        dlg->SendCommand(ID_FILE_SAVE);
        if (changed) {
            EXPECT_EQ(question.caption, QStringLiteral("Save"));
            EXPECT_EQ(question.text,
                      QStringLiteral("The palette file has been changed by another program since "
                                     "it was opened or saved.\nReplace it with the palette shown "
                                     "in Tintora?"));
            EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No);
        }
        EXPECT_EQ(Bytes(m_strTwo) == other, answer == QMessageBox::No);
        EXPECT_EQ(dlg->m_bModified, answer == QMessageBox::No);
        EXPECT_EQ(saved.text, answer == QMessageBox::No ? QString() : kSaved);
    }
}

TEST_F(FileCommands, SaveAsAlwaysWritesAndNamesTheFile) {
    const struct {
        const char* name;
        int command;
        bool openFirst;
        QString target;
        QString text;
    } rows[] = {
        // clang-format off
        {"Save As, nothing changed", ID_FILE_SAVE_AS, true, folders.Path(QStringLiteral("copy.pal")), kSaved},
        {"Save without a file", ID_FILE_SAVE, false, folders.Path(QStringLiteral("first.pal")), kSaved},
        {"Save As into a missing folder", ID_FILE_SAVE_AS, true, folders.Path(QStringLiteral("missing/copy.pal")), QStringLiteral("Failed to open palette file for writing\nNo such file or directory")},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.openFirst) {
            OpenTwo();
        } else {
            Reopen();
            dlg->m_bModified = true;
        }
        const CString remembered = GetProfileString(L"Tintora", L"File");
        FileDialogSeen dialog;
        MessageBoxSeen seen;
        Script().Then(AnswerFileDialog(row.target, &dialog));
        Script().Then(AnswerMessageBox(QMessageBox::Ok, &seen));
        dlg->SendCommand(row.command);

        const bool written = row.text == kSaved;
        EXPECT_FALSE(dialog.open);
        EXPECT_EQ(dialog.fileName, QString()) << "Save As proposes no name";
        EXPECT_EQ(seen.text, row.text);
        EXPECT_EQ(Path(), row.target);
        EXPECT_EQ(Caption(), QStringLiteral("Tintora - ") + QFileInfo(row.target).fileName());
        EXPECT_EQ(dlg->m_bModified, !written);
        EXPECT_EQ(Bytes(row.target), written ? ListBytes() : QByteArray());
        EXPECT_EQ(GetProfileString(L"Tintora", L"File"), remembered)
            << "only Open remembers a file";
    }
}

TEST_F(FileCommands, SharedShortcutOnlyForAFolderOfItsOwn) {
    for (const int command : {ID_FILE_OPEN, ID_FILE_SAVE_AS}) {
        for (const bool sameFolder : {false, true}) {
            SCOPED_TRACE(testing::Message() << command << (sameFolder ? " same" : " own"));
            folders.SetShared(sameFolder ? folders.User().toUpper()
                                         : folders.Path(QStringLiteral("shared/Corvane 2014")));
            FileDialogSeen seen;
            Script().Then(CancelFileDialog(&seen));
            dlg->SendCommand(command);
            EXPECT_TRUE(seen.shortcuts);
            EXPECT_EQ(seen.sharedEnabled, !sameFolder);
        }
    }
}

} // namespace

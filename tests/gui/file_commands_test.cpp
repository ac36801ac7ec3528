// The file commands of the editor: the save question before New, Open and Exit, every
// message with its caption, the caption and remembered file after each, Save As, and the
// shared-folder shortcut in the Open and Save As dialogs.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "data_folders.h"
#include "editor_test_support.h"
#include "file_dialog_answers.h"
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
    const QString fifo = folders.Path(QStringLiteral("palette.pal"));
    ASSERT_EQ(::mkfifo(fifo.toUtf8().constData(), 0600), 0);
    const QString noNames = folders.Other() + QStringLiteral("/comments.pal");
    QFile comments(noNames);
    ASSERT_TRUE(comments.open(QIODevice::WriteOnly));
    comments.write("# only a comment\r\nPen1, 1, 2, 3, 4, 5, 6\r\n");
    comments.close();
    const QString many = folders.Other() + QStringLiteral("/many.pal");
    QFile manyFile(many);
    ASSERT_TRUE(manyFile.open(QIODevice::WriteOnly));
    manyFile.write(QByteArray("*P\n").repeated(100001));
    manyFile.close();

    enum class After { Unchanged, StillModified, Saved, DefaultPalette };
    const QString info = QStringLiteral("Info");
    const QString error = QStringLiteral("Error");
    const struct {
        const char* name;
        bool modify;     // a change after two.pal was opened
        bool unsaveable; // ...to a name Windows-1252 cannot hold
        QString open;    // the file chosen in the Open dialog
        QString caption;
        QString text;
        After after;
    } rows[] = {
        // clang-format off
        {"Save right after Open", false, false, {}, info, QStringLiteral("Palette has not been changed !"), After::Unchanged},
        {"Save that cannot write", true, true, {}, error, QString::fromWCharArray(L"Failed to open palette file for writing\nthe palette \"Caf\u4E2D\" holds a character Windows-1252 cannot hold"), After::StillModified},
        {"Save that writes", true, false, {}, info, kSaved, After::Saved},
        {"Open of a file that cannot be opened", false, false, fifo, error, QStringLiteral("Failed to open selected palette file\nnot a regular file"), After::DefaultPalette},
        {"Open of more than 100,000 palettes", false, false, many, error, QStringLiteral("The palette file holds more than 100,000 palettes; Tintora cannot edit it."), After::DefaultPalette},
        {"Open of a file that names no palette", false, false, noNames, error, QStringLiteral("Failed to read name list from selected palette file"), After::DefaultPalette},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        OpenTwo();
        if (row.modify) {
            Edit();
        }
        if (row.unsaveable) {
            dlg->m_pCurrentPalette->m_Name = L"Caf\u4E2D";
        }
        const QByteArray before = Bytes(m_strTwo);
        MessageBoxSeen seen;
        if (!row.open.isEmpty()) {
            Script().Then(AnswerFileDialog(row.open));
        }
        Script().Then(AnswerMessageBox(QMessageBox::Ok, &seen));
        dlg->SendCommand(row.open.isEmpty() ? ID_FILE_SAVE : ID_FILE_OPEN);

        EXPECT_EQ(seen.caption, row.caption);
        EXPECT_EQ(seen.text, row.text);
        EXPECT_EQ(seen.icon, QMessageBox::Warning) << "also for notices";
        EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_EQ(seen.owner, dlg.get());
        EXPECT_EQ(Caption(), QStringLiteral("Tintora - two.pal")) << "whatever happened";
        if (row.after == After::DefaultPalette) {
            EXPECT_TRUE(ShowsDefaultOnly());
            EXPECT_EQ(Path(), QString());
            EXPECT_FALSE(dlg->m_bModified);
            EXPECT_EQ(ToQString(GetProfileString(L"Tintora", L"File")), row.open)
                << "the failed file is proposed next time";
            continue;
        }
        EXPECT_EQ(Bytes(m_strTwo), row.after == After::Saved ? ListBytes() : before);
        EXPECT_EQ(dlg->m_bModified, row.after == After::StillModified);
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

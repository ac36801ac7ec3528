// The file commands of the editor: the save question before New, Open and Exit, every
// message with its caption and style, the caption, the remembered file, the names the Open
// dialog proposes, and the shared-folder shortcut in the Open and Save As dialogs.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "data_folders.h"
#include "editor_test_support.h"
#include "file_dialog_answers.h"
#include "files/palette_file.h"
#include "gui_test_support.h"
#include "platform/profile.h"
#include "platform/qt_text.h"
#include "resources/resource.h"

namespace {

const QString kSaveQuestion =
    QStringLiteral("Current palette has been modified, would you like to save ?");
constexpr COLORREF kEdited = MakeColour(10, 20, 30);

// What a palette holds, for comparing lists and files.
struct PaletteData {
    CString name;
    CString description;
    decltype(PaletteEntry::m_Colours) colours;
    bool operator==(const PaletteData&) const = default;
};

std::vector<PaletteData> Contents(const UI_LIST& list) {
    std::vector<PaletteData> palettes;
    for (const UI_ELEMENT* element = list.First(); element != nullptr; element = element->Next()) {
        const auto* palette = dynamic_cast<const PaletteEntry*>(element);
        palettes.push_back({palette->m_Name, palette->m_Description, palette->m_Colours});
    }
    return palettes;
}

std::vector<PaletteData> FileContents(const QString& path) {
    const PaletteReadResult read = ReadPaletteFile(FromQString(path));
    if (read.list == nullptr) {
        return {};
    }
    std::vector<PaletteData> palettes = Contents(*read.list);
    DiscardPaletteList(read.list);
    return palettes;
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The default palette, then "Second" with pen 1 of its own.
UI_LIST* TwoPalettes() {
    UI_LIST* list = NewDefaultPaletteList();
    auto* second = new PaletteEntry;
    second->m_Name = L"Second";
    second->m_Description = L"The second one";
    second->SetDefaultColours();
    second->m_Colours[kLightBackground][1] = MakeColour(1, 2, 3);
    second->m_Colours[kDarkBackground][1] = MakeColour(4, 5, 6);
    list->Add(second);
    return list;
}

class FileCommands : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteProfileInt(L"DialogData\\Tintora", L"ShowWarning", 0);
        m_pDlg = OpenEditor();
        m_strTwo = m_folders.Other() + QStringLiteral("/two.pal");
        WriteTwo();
    }
    void TearDown() override {
        m_pDlg.reset();
        GuiTest::TearDown();
    }

    void WriteTwo() {
        UI_LIST* list = TwoPalettes();
        ASSERT_TRUE(WritePaletteFile(FromQString(m_strTwo), *list));
        DiscardPaletteList(list);
    }
    void Open(const QString& path) {
        Script().Then(AnswerFileDialog(path));
        m_pDlg->SendCommand(ID_FILE_OPEN);
    }
    // A fresh editor with a fresh two.pal open and a colour of its first palette changed.
    void OpenTwoAndEdit() {
        WriteTwo();
        m_pDlg = OpenEditor();
        Open(m_strTwo);
        m_pDlg->m_pCurrentPalette->m_Colours[kLightBackground][5] = kEdited;
        m_pDlg->m_bModified = true;
    }
    QString Caption() const { return m_pDlg->windowTitle(); }
    QString Path() const { return ToQString(m_pDlg->m_strPathName); }
    int Count() const { return static_cast<int>(m_pDlg->m_pPaletteList->Count()); }
    bool ShowsDefaultOnly() const {
        return Count() == 1 && m_pDlg->m_pCurrentPalette->m_Name == L"Default";
    }

    DataFolders m_folders;
    std::unique_ptr<CTintoraDlg> m_pDlg;
    QString m_strTwo;
};

void ExpectBox(const MessageBoxSeen& seen, const QString& caption, const QString& text,
               QWidget* owner) {
    EXPECT_EQ(seen.caption, caption);
    EXPECT_EQ(seen.text, text);
    EXPECT_EQ(seen.icon, QMessageBox::Warning) << "style 0x30, also for notices";
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(seen.owner, owner);
}

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
        OpenTwoAndEdit();
        MessageBoxSeen question;
        MessageBoxSeen saved;
        Script().Then(AnswerMessageBox(row.answer, &question));
        if (row.answer == QMessageBox::Yes) {
            Script().Then(AnswerMessageBox(QMessageBox::Ok, &saved));
        }
        if (row.command == ID_FILE_OPEN && row.goesOn) {
            Script().Then(CancelFileDialog());
        }
        m_pDlg->SendCommand(row.command);

        EXPECT_EQ(question.caption, QStringLiteral("Save"));
        EXPECT_EQ(question.text, kSaveQuestion);
        EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        EXPECT_EQ(question.icon, QMessageBox::NoIcon);
        EXPECT_EQ(question.owner, m_pDlg.get());
        const bool written = FileContents(m_strTwo).at(0).colours[kLightBackground][5] == kEdited;
        EXPECT_EQ(written, row.answer == QMessageBox::Yes);
        if (row.answer == QMessageBox::Yes) {
            EXPECT_EQ(saved.text, QStringLiteral("Palette file has been saved"));
        }

        if (row.command == ID_FILE_NEW) {
            EXPECT_TRUE(ShowsDefaultOnly());
            EXPECT_EQ(Path(), QString());
            EXPECT_EQ(Caption(), QStringLiteral("Tintora"));
            EXPECT_FALSE(m_pDlg->m_bModified);
        } else if (row.command == ID_FILE_OPEN) {
            // The dialog was cancelled (or never shown): the list and the file stay.
            EXPECT_EQ(Count(), 2);
            EXPECT_EQ(m_pDlg->m_pCurrentPalette->m_Colours[kLightBackground][5], kEdited);
            EXPECT_EQ(Path(), m_strTwo);
            EXPECT_EQ(Caption(), QStringLiteral("Tintora - two.pal"));
            EXPECT_EQ(m_pDlg->m_bModified, !row.goesOn);
        } else {
            EXPECT_EQ(m_pDlg->isVisible(), !row.goesOn);
            if (row.goesOn) {
                EXPECT_EQ(m_pDlg->result(), IDOK);
            }
        }
    }
}

TEST_F(FileCommands, MessagesAndWhatEachLeaves) {
    const QString fifo = m_folders.Path(QStringLiteral("pipes/palette.pal"));
    QDir().mkpath(m_folders.Path(QStringLiteral("pipes")));
    ASSERT_EQ(::mkfifo(fifo.toUtf8().constData(), 0600), 0);
    const QString noNames = m_folders.Other() + QStringLiteral("/comments.pal");
    QFile comments(noNames);
    ASSERT_TRUE(comments.open(QIODevice::WriteOnly));
    comments.write("# only a comment\r\nPen1, 1, 2, 3, 4, 5, 6\r\n");
    comments.close();

    enum class After { Unchanged, StillModified, Saved, DefaultPalette };
    const struct {
        const char* name;
        std::function<void(CTintoraDlg&)> prepare; // after two.pal was opened
        int command;
        QString open; // the file chosen in the Open dialog
        QString caption;
        QString text;
        After after;
    } rows[] = {
        {"Save right after Open",
         [](CTintoraDlg&) {},
         ID_FILE_SAVE,
         {},
         QStringLiteral("Info"),
         QStringLiteral("Palette has not been changed !"),
         After::Unchanged},
        {"Save that cannot write",
         [](CTintoraDlg& dlg) {
             dlg.m_pCurrentPalette->m_Name = L"Caf\u4E2D"; // no Windows-1252 character
             dlg.m_bModified = true;
         },
         ID_FILE_SAVE,
         {},
         QStringLiteral("Error"),
         QStringLiteral("Failed to open palette file for writing"),
         After::StillModified},
        {"Save that writes",
         [](CTintoraDlg& dlg) {
             dlg.m_pCurrentPalette->m_Colours[kLightBackground][5] = kEdited;
             dlg.m_bModified = true;
         },
         ID_FILE_SAVE,
         {},
         QStringLiteral("Info"),
         QStringLiteral("Palette file has been saved"),
         After::Saved},
        {"Open of a file that cannot be opened", [](CTintoraDlg&) {}, ID_FILE_OPEN, fifo,
         QStringLiteral("Error"), QStringLiteral("Failed to open selected palette file"),
         After::DefaultPalette},
        {"Open of a file that names no palette", [](CTintoraDlg&) {}, ID_FILE_OPEN, noNames,
         QStringLiteral("Error"),
         QStringLiteral("Failed to read name list from selected palette file"),
         After::DefaultPalette},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        WriteTwo();
        m_pDlg = OpenEditor();
        Open(m_strTwo);
        row.prepare(*m_pDlg);
        const QByteArray before = Bytes(m_strTwo);
        MessageBoxSeen seen;
        if (!row.open.isEmpty()) {
            Script().Then(AnswerFileDialog(row.open));
        }
        Script().Then(AnswerMessageBox(QMessageBox::Ok, &seen));
        m_pDlg->SendCommand(row.command);

        ExpectBox(seen, row.caption, row.text, m_pDlg.get());
        EXPECT_EQ(Caption(), QStringLiteral("Tintora - two.pal")) << "whatever happened";
        switch (row.after) {
        case After::Unchanged:
        case After::StillModified:
            EXPECT_EQ(Bytes(m_strTwo), before) << "nothing written";
            EXPECT_EQ(m_pDlg->m_bModified, row.after == After::StillModified);
            EXPECT_EQ(Path(), m_strTwo);
            break;
        case After::Saved:
            EXPECT_EQ(FileContents(m_strTwo), Contents(*m_pDlg->m_pPaletteList));
            EXPECT_FALSE(m_pDlg->m_bModified);
            EXPECT_EQ(Path(), m_strTwo);
            break;
        case After::DefaultPalette:
            EXPECT_TRUE(ShowsDefaultOnly());
            EXPECT_EQ(Path(), QString());
            EXPECT_FALSE(m_pDlg->m_bModified);
            EXPECT_EQ(ToQString(GetProfileString(L"Tintora", L"File")), row.open)
                << "the failed file is proposed next time";
            break;
        }
    }
}

TEST_F(FileCommands, OpenAnsweredNoThenCancelledLeavesNothingToAskOnExit) {
    OpenTwoAndEdit();
    Script().Then(AnswerMessageBox(QMessageBox::No)).Then(CancelFileDialog());
    m_pDlg->SendCommand(ID_FILE_OPEN);
    EXPECT_EQ(m_pDlg->m_pCurrentPalette->m_Colours[kLightBackground][5], kEdited);
    EXPECT_FALSE(m_pDlg->m_bModified);

    m_pDlg->SendCommand(ID_EXIT); // no question queued: none may come
    EXPECT_FALSE(m_pDlg->isVisible());
    EXPECT_EQ(m_pDlg->result(), IDOK);
}

TEST_F(FileCommands, ExitSavingWithoutAFileOffersSaveAsAndEndsEvenWhenItIsCancelled) {
    m_pDlg->m_bModified = true;
    FileDialogSeen saveAs;
    Script().Then(AnswerMessageBox(QMessageBox::Yes)).Then(CancelFileDialog(&saveAs));
    m_pDlg->SendCommand(ID_EXIT);
    EXPECT_TRUE(saveAs.shown);
    EXPECT_FALSE(saveAs.open);
    EXPECT_FALSE(m_pDlg->isVisible());
    EXPECT_EQ(m_pDlg->result(), IDOK);
}

TEST_F(FileCommands, SaveAsAlwaysWritesAndNamesTheFile) {
    const struct {
        const char* name;
        int command;
        bool openFirst;
        QString target;
        QString text;
        bool written;
    } rows[] = {
        {"Save As, nothing changed", ID_FILE_SAVE_AS, true,
         m_folders.Other() + QStringLiteral("/copy.pal"),
         QStringLiteral("Palette file has been saved"), true},
        {"Save without a file", ID_FILE_SAVE, false,
         m_folders.Other() + QStringLiteral("/first.pal"),
         QStringLiteral("Palette file has been saved"), true},
        {"Save As into a missing folder", ID_FILE_SAVE_AS, true,
         m_folders.Path(QStringLiteral("missing/copy.pal")),
         QStringLiteral("Failed to open palette file for writing"), false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        m_pDlg = OpenEditor();
        if (row.openFirst) {
            Open(m_strTwo);
        } else {
            m_pDlg->m_bModified = true;
        }
        const CString remembered = GetProfileString(L"Tintora", L"File");
        FileDialogSeen dialog;
        MessageBoxSeen seen;
        Script().Then(AnswerFileDialog(row.target, &dialog));
        Script().Then(AnswerMessageBox(QMessageBox::Ok, &seen));
        m_pDlg->SendCommand(row.command);

        EXPECT_FALSE(dialog.open);
        EXPECT_EQ(dialog.fileName, QString()) << "Save As proposes no name";
        EXPECT_EQ(dialog.flags, 6u);
        EXPECT_EQ(seen.text, row.text);
        EXPECT_EQ(Path(), row.target);
        EXPECT_EQ(Caption(), QStringLiteral("Tintora - ") + QFileInfo(row.target).fileName());
        EXPECT_EQ(m_pDlg->m_bModified, !row.written);
        if (row.written) {
            EXPECT_EQ(FileContents(row.target), Contents(*m_pDlg->m_pPaletteList))
                << "every palette, name, description and colour";
        }
        EXPECT_EQ(GetProfileString(L"Tintora", L"File"), remembered)
            << "only Open remembers a file";
    }
}

TEST_F(FileCommands, FirstOpenProposesTheExampleBesideTheProgram) {
    qputenv("TINTORA_APP_DIR", TINTORA_APP_BUILD_DIR);
    const QString example = QStringLiteral(TINTORA_APP_BUILD_DIR "/Example.pal");
    FileDialogSeen seen;
    Script().Then(AnswerFileDialog(example, &seen));
    m_pDlg->SendCommand(ID_FILE_OPEN);

    EXPECT_TRUE(seen.open);
    EXPECT_EQ(seen.folder, QStringLiteral(TINTORA_APP_BUILD_DIR));
    EXPECT_EQ(seen.fileName, QStringLiteral("Example.pal"));
    EXPECT_EQ(seen.filters, QStringList{QStringLiteral("Corvane Palette (*.pal)")});
    EXPECT_EQ(seen.defaultSuffix, QStringLiteral("pal"));
    EXPECT_EQ(seen.flags, 0x1004u);
    EXPECT_EQ(seen.owner, m_pDlg.get());
    EXPECT_EQ(Caption(), QStringLiteral("Tintora - Example.pal"));
    std::vector<CString> names;
    for (const PaletteData& palette : Contents(*m_pDlg->m_pPaletteList)) {
        names.push_back(palette.name);
    }
    EXPECT_EQ(names, (std::vector<CString>{L"Default", L"Print", L"Presentation"}));
    EXPECT_EQ(m_pDlg->m_pCurrentPalette->m_Name, L"Default") << "the first palette is current";
}

TEST_F(FileCommands, OpenProposesTheOpenFileElseTheRememberedOne) {
    const QString remembered = m_folders.Other() + QStringLiteral("/remembered.pal");
    const struct {
        const char* name;
        bool openTwoFirst;
        QString proposed;
    } rows[] = {{"no file open", false, remembered}, {"a file open", true, m_strTwo}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        m_pDlg = OpenEditor();
        if (row.openTwoFirst) {
            Open(m_strTwo);
        }
        WriteProfileString(L"Tintora", L"File", FromQString(remembered));
        FileDialogSeen seen;
        Script().Then(CancelFileDialog(&seen));
        m_pDlg->SendCommand(ID_FILE_OPEN);
        EXPECT_EQ(seen.folder + QLatin1Char('/') + seen.fileName, row.proposed);
    }
}

TEST_F(FileCommands, SharedShortcutOnlyWhenTheSharedFolderIsNotTheUsers) {
    const struct {
        const char* name;
        int command;
        bool sameFolder;
    } rows[] = {{"Open, own shared folder", ID_FILE_OPEN, false},
                {"Open, shared is user in other case", ID_FILE_OPEN, true},
                {"Save As, own shared folder", ID_FILE_SAVE_AS, false},
                {"Save As, shared is user in other case", ID_FILE_SAVE_AS, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.sameFolder) {
            m_folders.SetShared(m_folders.User().toUpper());
        } else {
            m_folders.SetShared(m_folders.Path(QStringLiteral("shared/Corvane 2014")));
        }
        FileDialogSeen seen;
        Script().Then(CancelFileDialog(&seen));
        m_pDlg->SendCommand(row.command);
        EXPECT_TRUE(seen.shortcuts);
        EXPECT_EQ(seen.sharedEnabled, !row.sameFolder);
    }
}

} // namespace

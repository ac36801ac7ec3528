// Shared by the GUI tests: a fixture with a fresh profile and a modal script per test, the
// data folders in a temporary place, and helpers to answer dialogs and read pixels.
//
//   class MyTest : public GuiTest {};
//   TEST_F(MyTest, Saves) {
//       Script().Then(AnswerMessageBox(QMessageBox::Ok, &seen));
//       ...
//   }   // TearDown fails the test if a dialog came unanswered or an answer was not used
#pragma once

// The headers nearly every GUI test needs come with it.
#include <QAbstractButton>
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "case_table.h"
#include "files/palette_file.h"
#include "model/default_colours.h"
#include "platform/dialog.h"
#include "platform/modal_door.h"
#include "platform/profile.h"
#include "platform/qt_text.h"
#include "resources/resource.h"
#include "shared/paths.h"

// Every GUI test: a profile of its own (an empty INI file in a temporary folder) and a modal
// script that must be used up by the end of the test.
class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    ModalScript& Script() { return *m_pScript; }
    // The profile file of this test.
    QString ProfilePath() const;

private:
    std::unique_ptr<QTemporaryDir> m_pFolder;
    std::unique_ptr<ModalScript> m_pScript;
};

// What a message box showed.
struct MessageBoxSeen {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QWidget* owner = nullptr;
};

// Answers a message box with button, recording what it showed into seen (when given).
ModalHandler AnswerMessageBox(QMessageBox::StandardButton button, MessageBoxSeen* seen = nullptr);

// Chooses line of the palette list in the Select or Delete dialog and clicks OK.
ModalHandler ChooseLine(int line);
// Types name and description into the Add or Rename dialog and clicks OK.
ModalHandler EnterPalette(const CString& name, const CString& description);
// Clicks the control id of a CDialog (the handler receives the dialog as QDialog&).
void ClickDlgItem(QDialog& dialog, int id);
// Sends a key press and release to the widget with focus in dialog (or the dialog itself).
void PressKey(QDialog& dialog, int key);

// The whole content of a file, empty when it cannot be read; writing one, true on success.
QByteArray FileBytes(const QString& path);
bool WriteFile(const QString& path, const QByteArray& bytes);
// A writable copy at path of the file name under tests/data, replacing what was there.
bool CopyTestData(const QString& name, const QString& path);

// The pixel at (x, y) of an image, as 0xRRGGBB.
unsigned int PixelOf(const QImage& image, int x, int y);

// The product family's folders pointed at a temporary place for one test: the user, all
// users and shared data folders ("Corvane 2014" under each), the documents folder, the state
// folder and the application's folder. The environment the test found comes back afterwards.
//
//   DataFolders folders;                       // all three data folders exist and differ
//   folders.User()                              // ".../user/Corvane 2014/"
//   folders.SetShared(folders.User().toUpper()) // the shared folder as the user's, other case
class DataFolders {
public:
    DataFolders();
    ~DataFolders();
    DataFolders(const DataFolders&) = delete;
    DataFolders& operator=(const DataFolders&) = delete;

    // The data folders as the folder services give them (ending in a separator).
    QString Shared() const { return ToQString(coreGetSharedAppPath()); }
    QString AllUsers() const { return ToQString(coreGetAllUserAppPath()); }
    QString User() const { return ToQString(coreGetUserAppPath()); }
    // A scratch folder outside the data folders.
    QString Other() const { return Path(QStringLiteral("other")); }
    // A path inside the temporary place.
    QString Path(const QString& relative) const { return m_root.filePath(relative); }
    // Points the site setting of the shared folder at folder.
    void SetShared(const QString& folder) { qputenv("TINTORA_SHARED_DIR", folder.toUtf8()); }

private:
    QTemporaryDir m_root;
    std::vector<std::pair<const char*, std::optional<QByteArray>>> m_saved;
};

// Answering the open and save dialogs: what the dialog showed, then a file typed into it
// and accepted, or Cancel.
struct FileDialogSeen {
    bool shown = false;
    bool open = false;      // an open dialog, not a save dialog
    QString fileName;       // the text of the file-name field
    bool shortcuts = false; // has the folder shortcut buttons
    bool sharedEnabled = false;
};

// Types path into the file-name field and accepts (or, for an empty path, cancels),
// recording what showed into seen.
ModalHandler AnswerFileDialog(const QString& path, FileDialogSeen* seen = nullptr);
inline ModalHandler CancelFileDialog(FileDialogSeen* seen = nullptr) {
    return AnswerFileDialog(QString(), seen);
}

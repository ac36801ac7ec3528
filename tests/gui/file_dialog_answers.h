// Answering the open and save dialogs in tests: what the dialog showed, then a file typed
// into it and accepted, or Cancel.
//
//   FileDialogSeen seen;
//   Script().Then(AnswerFileDialog(path, &seen));
//   dlg->SendCommand(ID_FILE_SAVE_AS);
//   EXPECT_EQ(seen.fileName, "");
#pragma once

#include <QString>

#include "platform/modal_door.h"

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

// Answering the open and save dialogs in tests: what the dialog showed, then a file typed
// into it and accepted, or Cancel.
//
//   FileDialogSeen seen;
//   Script().Then(AnswerFileDialog(path, &seen));
//   dlg->SendCommand(ID_FILE_OPEN);
//   EXPECT_EQ(seen.fileName, "Example.pal");
#pragma once

#include <QString>
#include <QStringList>

#include "platform/modal_door.h"

class QWidget;

struct FileDialogSeen {
    bool shown = false;
    bool open = false; // an open dialog, not a save dialog
    QString title;
    QString folder;   // the folder shown, without a trailing separator
    QString fileName; // the text of the file-name field
    QStringList filters;
    QString defaultSuffix;
    unsigned int flags = 0;
    bool shortcuts = false; // has the folder shortcut buttons
    bool sharedEnabled = false;
    QWidget* owner = nullptr;
};

// Types path into the file-name field and accepts, recording what showed into seen.
ModalHandler AnswerFileDialog(const QString& path, FileDialogSeen* seen = nullptr);
// Cancels the dialog, recording what showed into seen.
ModalHandler CancelFileDialog(FileDialogSeen* seen = nullptr);

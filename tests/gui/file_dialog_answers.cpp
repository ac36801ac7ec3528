// The file dialog answers.
#include "file_dialog_answers.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QToolButton>
#include <gtest/gtest.h>

#include "filedialog/file_dialog.h"

ModalHandler AnswerFileDialog(const QString& path, FileDialogSeen* seen) {
    return [path, seen](QDialog& box) {
        auto* dialog = dynamic_cast<CFileDialog*>(&box);
        ASSERT_NE(dialog, nullptr)
            << "expected a file dialog, got " << box.windowTitle().toStdString();
        auto* shared = dialog->findChild<QToolButton*>(QStringLiteral("sharedFolderButton"));
        if (seen != nullptr) {
            *seen = {true, dialog->acceptMode() == QFileDialog::AcceptOpen,
                     dialog->FileNameEdit() != nullptr ? dialog->FileNameEdit()->text() : QString(),
                     shared != nullptr, shared != nullptr && shared->isEnabled()};
        }
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        // As when the user types over the proposed name: the file selected in the list
        // (the proposed one) no longer counts.
        for (auto* view : dialog->findChildren<QAbstractItemView*>()) {
            if (view->selectionModel() != nullptr) {
                view->selectionModel()->clearSelection();
            }
        }
        dialog->FileNameEdit()->setText(path);
        static_cast<QDialog*>(dialog)->accept();
    };
}

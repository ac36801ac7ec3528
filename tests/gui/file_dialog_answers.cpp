// The file dialog answers.
#include "file_dialog_answers.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QToolButton>
#include <gtest/gtest.h>

#include "filedialog/file_dialog.h"
#include "platform/qt_text.h"

namespace {

void Record(CFileDialog& dialog, FileDialogSeen* seen) {
    if (seen == nullptr) {
        return;
    }
    auto* shared = dialog.findChild<QToolButton*>(QStringLiteral("sharedFolderButton"));
    *seen = {true,
             dialog.acceptMode() == QFileDialog::AcceptOpen,
             dialog.windowTitle(),
             ToQString(dialog.GetFolderPath()),
             dialog.FileNameEdit() != nullptr ? dialog.FileNameEdit()->text() : QString(),
             dialog.nameFilters(),
             dialog.defaultSuffix(),
             dialog.GetFlags(),
             shared != nullptr,
             shared != nullptr && shared->isEnabled(),
             dialog.parentWidget()};
}

ModalHandler Answer(const QString& path, bool accept, FileDialogSeen* seen) {
    return [path, accept, seen](QDialog& box) {
        auto* dialog = dynamic_cast<CFileDialog*>(&box);
        ASSERT_NE(dialog, nullptr)
            << "expected a file dialog, got " << box.windowTitle().toStdString();
        Record(*dialog, seen);
        if (!accept) {
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

} // namespace

ModalHandler AnswerFileDialog(const QString& path, FileDialogSeen* seen) {
    return Answer(path, true, seen);
}

ModalHandler CancelFileDialog(FileDialogSeen* seen) {
    return Answer(QString(), false, seen);
}

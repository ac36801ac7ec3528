// CFileDialog over a non-native QFileDialog.
#include "filedialog/file_dialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include "platform/message_box.h"
#include "platform/modal_door.h"
#include "platform/qt_text.h"
#include "platform/translation.h"

namespace {

// "Desc (*.a)" with "*.a;*.b" gives "Desc (*.a *.b)": the description without a pattern
// list of its own, then the patterns that really filter, in Qt's notation.
QString QtNameFilter(QString description, const QString& patterns) {
    description = description.trimmed();
    if (description.endsWith(QLatin1Char(')'))) {
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        if (open >= 0) {
            description = description.left(open).trimmed();
        }
    }
    QStringList list = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : list) {
        pattern = pattern.trimmed();
    }
    const QString joined = QLatin1Char('(') + list.join(QLatin1Char(' ')) + QLatin1Char(')');
    return description.isEmpty() ? joined : description + QLatin1Char(' ') + joined;
}

} // namespace

QStringList ToQtNameFilters(const CString& filter) {
    const QStringList parts = ToQString(filter).split(QLatin1Char('|'));
    QStringList filters;
    // The list ends at the first empty description ("||").
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
        if (!parts[i + 1].trimmed().isEmpty()) {
            filters.append(QtNameFilter(Translated(parts[i]), parts[i + 1]));
        }
    }
    return filters;
}

CFileDialog::CFileDialog(bool bOpenFileDialog, const CString& defaultExtension,
                         const CString& fileName, unsigned int flags, const CString& filter,
                         QWidget* pParentWnd, unsigned int /*structSize*/, bool /*bVistaStyle*/)
    : QFileDialog(pParentWnd), m_nFlags(flags) {
    // First of all: a desktop theme could otherwise swap in its own dialog, without the
    // widgets the shortcuts go into and without the modal door.
    setOption(QFileDialog::DontUseNativeDialog);
    // Replacing a file is asked in accept(), through the modal door.
    setOption(QFileDialog::DontConfirmOverwrite);
    setAcceptMode(bOpenFileDialog ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    setFileMode(bOpenFileDialog && (flags & OFN_FILEMUSTEXIST) != 0 ? QFileDialog::ExistingFile
                                                                    : QFileDialog::AnyFile);
    setDefaultSuffix(ToQString(defaultExtension));
    const QStringList filters = ToQtNameFilters(filter);
    if (!filters.isEmpty()) {
        setNameFilters(filters);
    }
    SetInitialFile(fileName);
    FitDetailColumnsWhenRead();
}

void CFileDialog::FitDetailColumnsWhenRead() {
    // Qt sizes the size, type and date columns for its default font, which cuts them off
    // in ours ("29....KiB"); they are fitted to what they show once a folder has been read.
    auto* model = findChild<QFileSystemModel*>(QStringLiteral("qt_filesystem_model"));
    auto* details = findChild<QTreeView*>(QStringLiteral("treeView"));
    if (model == nullptr || details == nullptr) {
        return;
    }
    connect(model, &QFileSystemModel::directoryLoaded, details, [details]() {
        for (int column = 1; column < details->header()->count(); ++column) {
            details->resizeColumnToContents(column);
        }
    });
}

void CFileDialog::SetInitialFile(const CString& fileName) {
    if (fileName.empty()) {
        return;
    }
    const QFileInfo info(ToQString(fileName));
    if (info.isDir()) {
        setDirectory(info.absoluteFilePath());
        return;
    }
    // The dialog opens in the file's folder with its name filled in.
    setDirectory(info.absolutePath());
    selectFile(info.fileName());
}

int CFileDialog::DoModal() {
    if (!m_bInitDone) {
        m_bInitDone = true;
        OnInitDone();
    }
    return RunModal(*this) == QDialog::Accepted ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const {
    const QStringList files = selectedFiles();
    return files.isEmpty() ? CString() : FromQString(files.first());
}

CString CFileDialog::GetFolderPath() const {
    return FromQString(directory().absolutePath());
}

QLineEdit* CFileDialog::FileNameEdit() const {
    return findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

QPushButton* CFileDialog::AcceptButton() const {
    auto* buttons = findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    if (buttons == nullptr) {
        return nullptr;
    }
    return buttons->button(acceptMode() == QFileDialog::AcceptOpen ? QDialogButtonBox::Open
                                                                   : QDialogButtonBox::Save);
}

void CFileDialog::accept() {
    QLineEdit* edit = FileNameEdit();
    const QStringList files = selectedFiles();
    if (edit == nullptr || files.isEmpty()) {
        QFileDialog::accept();
        return;
    }
    if (!CheckChosenFile(edit->text(), files.first())) {
        return;
    }
    const bool enteringFolder = QFileInfo(files.first()).isDir();
    QFileDialog::accept();
    if (enteringFolder) {
        // A folder typed into the field has been entered; the field is free for a name.
        edit->clear();
    }
}

bool CFileDialog::CheckChosenFile(const QString& typed, const QString& file) {
    const QFileInfo info(file);
    if (info.isDir()) {
        return true; // the dialog enters it
    }
    const CString caption = FromQString(windowTitle());
    auto tell = [this, &caption](const QString& text) {
        ShowMessageBox(this, FromQString(text).c_str(), caption.c_str(), MB_ICONEXCLAMATION);
    };
    if (typed.endsWith(QLatin1Char('/'))) {
        tell(QStringLiteral("%1\nDirectory not found.\nPlease verify the correct directory "
                            "name was given.")
                 .arg(typed));
        return false;
    }
    if ((m_nFlags & OFN_FILEMUSTEXIST) != 0 && !info.exists()) {
        tell(QStringLiteral("%1\nFile not found.\nPlease verify the correct file name was given.")
                 .arg(info.fileName()));
        return false;
    }
    if ((m_nFlags & OFN_PATHMUSTEXIST) != 0 && !QFileInfo(info.absolutePath()).isDir()) {
        tell(QStringLiteral("%1\nDirectory not found.\nPlease verify the correct directory "
                            "name was given.")
                 .arg(info.absolutePath()));
        return false;
    }
    if (acceptMode() == QFileDialog::AcceptSave && (m_nFlags & OFN_OVERWRITEPROMPT) != 0 &&
        info.exists()) {
        const QString question =
            QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(info.fileName());
        return ShowMessageBox(this, FromQString(question).c_str(), caption.c_str(),
                              MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
    }
    return true;
}

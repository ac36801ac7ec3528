// The GUI test fixture, the data folders and the dialog helpers.
#include "gui_test_support.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QToolButton>

#include "filedialog/file_dialog.h"

void GuiTest::SetUp() {
    m_pFolder = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(m_pFolder->isValid());
    SetProfileFile(ProfilePath());
    m_pScript = std::make_unique<ModalScript>();
}

void GuiTest::TearDown() {
    EXPECT_TRUE(m_pScript->Failures().empty()) << m_pScript->Report().toStdString();
    EXPECT_EQ(m_pScript->Pending(), 0) << "answers queued for dialogs that never came";
    m_pScript.reset();
    // Later windows of the process must not write into a folder that is gone.
    SetProfileFile(QString());
    m_pFolder.reset();
}

QString GuiTest::ProfilePath() const {
    return m_pFolder->filePath(QStringLiteral("profile.ini"));
}

ModalHandler AnswerMessageBox(QMessageBox::StandardButton button, MessageBoxSeen* seen) {
    return [button, seen](QDialog& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        ASSERT_NE(box, nullptr) << "expected a message box, got "
                                << dialog.windowTitle().toStdString();
        if (seen != nullptr) {
            *seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                     box->parentWidget()};
        }
        QAbstractButton* target = box->button(button);
        ASSERT_NE(target, nullptr) << "the box has no such button";
        target->click();
    };
}

ModalHandler ChooseLine(int line) {
    return [line](QDialog& d) {
        qobject_cast<QListWidget*>(dynamic_cast<CDialog&>(d).GetDlgItem(IDC_PALETTE_LIST))
            ->setCurrentRow(line);
        ClickDlgItem(d, IDOK);
    };
}

ModalHandler EnterPalette(const CString& name, const CString& description) {
    return [name, description](QDialog& d) {
        auto& dialog = dynamic_cast<CDialog&>(d);
        auto* edit = qobject_cast<QLineEdit*>(dialog.GetDlgItem(IDC_PALETTE_NAME));
        // Rename's preset name is selected, so that typing replaces it; screen readers name
        // the edit after its label.
        EXPECT_EQ(edit->selectedText(), edit->text());
        EXPECT_EQ(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name),
                  QStringLiteral("Name"));
        dialog.SetDlgItemText(IDC_PALETTE_NAME, name);
        dialog.SetDlgItemText(IDC_PALETTE_DESCRIPTION, description);
        ClickDlgItem(d, IDOK);
    };
}

void ClickDlgItem(QDialog& dialog, int id) {
    auto* cdialog = dynamic_cast<CDialog*>(&dialog);
    ASSERT_NE(cdialog, nullptr);
    auto* button = qobject_cast<QAbstractButton*>(cdialog->GetDlgItem(id));
    ASSERT_NE(button, nullptr) << "no button " << id;
    button->click();
}

void PressKey(QDialog& dialog, int key) {
    QWidget* target = dialog.focusWidget() != nullptr ? dialog.focusWidget() : &dialog;
    QTest::keyClick(target, static_cast<Qt::Key>(key));
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

bool CopyTestData(const QString& name, const QString& path) {
    QFile::remove(path);
    return QFile::copy(QStringLiteral(TINTORA_TEST_DATA_DIR "/") + name, path) &&
           QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

unsigned int PixelOf(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFFu;
}

DataFolders::DataFolders() {
    coreSetDataFolder(L"Corvane 2014");
    const std::pair<const char*, const char*> folders[] = {
        {"XDG_DATA_HOME", "user"},
        {"XDG_DATA_DIRS", "all"},
        {"TINTORA_SHARED_DIR", "shared/Corvane 2014"},
        {"XDG_DOCUMENTS_DIR", "documents"},
        {"XDG_STATE_HOME", "state"},
        {"TINTORA_APP_DIR", "app"},
    };
    for (const auto& [name, folder] : folders) {
        m_saved.emplace_back(name, qEnvironmentVariableIsSet(name)
                                       ? std::optional<QByteArray>(qgetenv(name))
                                       : std::nullopt);
        qputenv(name, Path(QLatin1String(folder)).toUtf8());
    }
    for (const QString& folder : {Shared(), AllUsers(), User(), Other(),
                                  Path(QStringLiteral("documents")), Path(QStringLiteral("app"))}) {
        QDir().mkpath(folder);
    }
}

DataFolders::~DataFolders() {
    for (const auto& [name, value] : m_saved) {
        if (value) {
            qputenv(name, *value);
        } else {
            qunsetenv(name);
        }
    }
}

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

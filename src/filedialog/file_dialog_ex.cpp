// CFileDialogEx: the folder shortcuts in the dialog's button row, and going to a folder.
#include "filedialog/file_dialog_ex.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <array>

#include "platform/icons.h"
#include "platform/qt_text.h"
#include "platform/translation.h"
#include "resources/resource.h"
#include "shared/paths.h"
#include "shared/translatable.h"

namespace {

struct Shortcut {
    int icon;
    const char* objectName;
    const wchar_t* text; // tool tip and accessible name
    void (CFileDialogEx::*handler)();
};

// In button-row order.
const std::array<Shortcut, 3> kShortcuts = {{
    {IDI_SHARED_FOLDER, "sharedFolderButton",
     L"" QT_TRANSLATE_NOOP("Tintora", "Open shared folder location"),
     &CFileDialogEx::OnOpenSharedFolder},
    {IDI_ALLUSERS, "allUsersFolderButton",
     L"" QT_TRANSLATE_NOOP("Tintora", "Open all users folder location"),
     &CFileDialogEx::OnOpenAllUsersFolder},
    {IDI_USER, "userFolderButton",
     L"" QT_TRANSLATE_NOOP("Tintora", "Open local user folder location"),
     &CFileDialogEx::OnOpenUserFolder},
}};

// The row layout that holds widget, searched through nested layouts.
QBoxLayout* RowHolding(QLayout* layout, QWidget* widget) {
    if (layout == nullptr) {
        return nullptr;
    }
    if (auto* box = qobject_cast<QBoxLayout*>(layout);
        box != nullptr && box->indexOf(widget) >= 0) {
        return box;
    }
    for (int i = 0; i < layout->count(); ++i) {
        if (QBoxLayout* found = RowHolding(layout->itemAt(i)->layout(), widget)) {
            return found;
        }
    }
    return nullptr;
}

QString WithSeparator(QString folder) {
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return folder;
}

} // namespace

int ShortcutIconSize(int imageHeight) {
    for (int size : {16, 24, 32}) {
        if (imageHeight <= size) {
            return size;
        }
    }
    return 48;
}

CFileDialogEx::CFileDialogEx(bool bOpenFileDialog, const CString& defaultExtension,
                             const CString& fileName, unsigned int flags, const CString& filter,
                             QWidget* pParentWnd, unsigned int structSize, bool bVistaStyle,
                             bool bEnableShared)
    : CFileDialog(bOpenFileDialog, defaultExtension, fileName, flags, filter, pParentWnd,
                  structSize, bVistaStyle),
      m_bEnableShared(bEnableShared) {}

void CFileDialogEx::OnInitDone() {
    InstallShortcuts();
    // The wider button row may widen the dialog; centre it at the size it will show with.
    if (layout() != nullptr) {
        layout()->activate();
    }
    CenterWindow();
}

void CFileDialogEx::InstallShortcuts() {
    // The row: the look-in box, then back, forward, up, new folder and the two view
    // buttons. The shortcuts take the place of back, forward and up, which are hidden
    // rather than deleted because the dialog keeps using them.
    auto* lookIn = findChild<QComboBox*>(QStringLiteral("lookInCombo"));
    const std::array<QToolButton*, 3> replaced = {
        findChild<QToolButton*>(QStringLiteral("backButton")),
        findChild<QToolButton*>(QStringLiteral("forwardButton")),
        findChild<QToolButton*>(QStringLiteral("toParentButton"))};
    if (lookIn == nullptr ||
        std::find(replaced.begin(), replaced.end(), nullptr) != replaced.end()) {
        return; // a dialog without that row simply has no shortcuts
    }
    QBoxLayout* row = RowHolding(layout(), lookIn);
    if (row == nullptr || row->indexOf(replaced[0]) < 0) {
        return;
    }
    const int first = row->indexOf(replaced[0]);
    const int size = ShortcutIconSize(replaced[0]->iconSize().height());
    for (QToolButton* button : replaced) {
        button->hide();
    }
    QWidget* previous = lookIn;
    for (std::size_t position = 0; position < kShortcuts.size(); ++position) {
        const Shortcut& shortcut = kShortcuts[position];
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(shortcut.objectName));
        button->setIcon(LoadIconResource(shortcut.icon));
        button->setIconSize(QSize(size, size));
        button->setToolTip(Translated(shortcut.text));
        button->setAccessibleName(Translated(shortcut.text));
        button->setAutoRaise(replaced[0]->autoRaise());
        button->setEnabled(shortcut.icon != IDI_SHARED_FOLDER || m_bEnableShared);
        connect(button, &QToolButton::clicked, this,
                [this, handler = shortcut.handler]() { (this->*handler)(); });
        row->insertWidget(first + static_cast<int>(position), button);
        // Tab reaches them where they sit, right after the look-in box, not after Cancel
        // (where new widgets join the chain).
        setTabOrder(previous, button);
        previous = button;
    }
}

void CFileDialogEx::CenterWindow() {
    QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    QScreen* screen = owner != nullptr ? owner->screen() : this->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect work = screen->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveCenter(owner != nullptr ? owner->frameGeometry().center() : work.center());
    // Like the framework's centring: never pushed off the screen by an owner near its edge.
    frame.moveLeft(std::clamp(frame.left(), work.left(),
                              std::max(work.left(), work.right() - frame.width() + 1)));
    frame.moveTop(std::clamp(frame.top(), work.top(),
                             std::max(work.top(), work.bottom() - frame.height() + 1)));
    move(frame.topLeft());
}

void CFileDialogEx::OnOpenSharedFolder() {
    GoToFolder(coreGetSharedAppPath());
}

void CFileDialogEx::OnOpenAllUsersFolder() {
    GoToFolder(coreGetAllUserAppPath());
}

void CFileDialogEx::OnOpenUserFolder() {
    GoToFolder(coreGetUserAppPath());
}

void CFileDialogEx::GoToFolder(const CString& folder) {
    const QString target = ToQString(folder);
    const QString current = WithSeparator(ToQString(GetFolderPath()));
    if (current.compare(target, Qt::CaseInsensitive) == 0) {
        return;
    }
    QLineEdit* edit = FileNameEdit();
    if (edit == nullptr) {
        return;
    }
    // The dialog enters a folder typed into the field when its button is pressed. The press
    // is posted so that it happens after this click has been handled.
    edit->setText(target);
    if (QPushButton* button = AcceptButton()) {
        QTimer::singleShot(0, button, [button]() { button->click(); });
    }
}

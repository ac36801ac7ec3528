// CDialog: building from the template, data exchange, keys and closing, client events.
#include "platform/dialog.h"

#include <new>

#include <QAbstractButton>
#include <QActionGroup>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/control_factory.h"
#include "platform/dialog_font.h"
#include "platform/dialog_units.h"
#include "platform/modal_door.h"
#include "platform/qt_text.h"
#include "platform/text_fit.h"
#include "platform/translation.h"
#include "shared/translatable.h"
#include "shared/xmessagebox.h"

// The client area: forwards painting and pointer input to its dialog.
class DialogClient : public QWidget {
public:
    DialogClient(CDialog& dialog, QSize size) : QWidget(&dialog), m_pDialog(&dialog) {
        // Screen readers meet it under this name (covered_controls.h).
        setObjectName(QStringLiteral("dialogClient"));
        setFixedSize(size);
        setAutoFillBackground(true); // the erase before every paint
        setMouseTracking(true);
        setFont(DialogFont());
    }

    // From now on events get the default handling: the dialog is being destroyed, and its
    // handlers are gone with its derived parts.
    void Detach() { m_pDialog = nullptr; }

protected:
    bool event(QEvent* event) override {
        if (m_pDialog != nullptr && m_pDialog->OnClientEvent(event)) {
            return true;
        }
        return QWidget::event(event);
    }
    void paintEvent(QPaintEvent* event) override {
        if (m_pDialog != nullptr) {
            m_pDialog->OnPaint(event);
        }
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (m_pDialog != nullptr) {
            m_pDialog->OnMouseMove(KeyFlags(*event), event->position().toPoint());
        }
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (m_pDialog != nullptr && event->button() == Qt::LeftButton) {
            m_pDialog->OnLButtonDown(KeyFlags(*event), event->position().toPoint());
        }
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (m_pDialog != nullptr && event->button() == Qt::LeftButton) {
            m_pDialog->OnLButtonUp(KeyFlags(*event), event->position().toPoint());
        }
    }
    // The second press of a double click arrives here instead of as a press.
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (m_pDialog != nullptr && event->button() == Qt::LeftButton) {
            m_pDialog->OnLButtonDblClk(KeyFlags(*event), event->position().toPoint());
        }
    }

private:
    static unsigned int KeyFlags(const QMouseEvent& event) {
        unsigned int flags = 0;
        const Qt::MouseButtons buttons = event.buttons();
        flags |= (buttons & Qt::LeftButton) ? MK_LBUTTON : 0;
        flags |= (buttons & Qt::RightButton) ? MK_RBUTTON : 0;
        flags |= (buttons & Qt::MiddleButton) ? MK_MBUTTON : 0;
        flags |= (event.modifiers() & Qt::ShiftModifier) ? MK_SHIFT : 0;
        flags |= (event.modifiers() & Qt::ControlModifier) ? MK_CONTROL : 0;
        return flags;
    }

    CDialog* m_pDialog;
};

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (control.GetSafeHwnd() == nullptr) {
        control.Attach(pDX->m_pDlgWnd->GetDlgItem(id));
    }
}

void DDX_Text(CDataExchange* pDX, int id, CString& value) {
    if (pDX->m_bSaveAndValidate) {
        value = pDX->m_pDlgWnd->GetDlgItemText(id);
    } else {
        pDX->m_pDlgWnd->SetDlgItemText(id, value);
    }
}

CDialog::CDialog(int templateId, QWidget* parent) : QDialog(parent), m_nTemplateId(templateId) {
    m_pTemplate = FindDialogTemplate(templateId);
    Qt::WindowFlags flags = parent != nullptr ? Qt::Dialog : Qt::Window;
    // Caption, system menu and close box; a fixed frame without size or minimise buttons.
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
             Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setFont(DialogFont());
    if (m_pTemplate != nullptr) {
        setWindowTitle(Translated(m_pTemplate->caption));
    }
}

CDialog::~CDialog() {
    if (m_pClient != nullptr) {
        m_pClient->Detach();
    }
}

bool CDialog::Create() {
    if (IsCreated()) {
        return true;
    }
    if (m_pTemplate == nullptr) {
        return false;
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    BuildMenu(m_pTemplate->menu);
    m_pClient = new DialogClient(
        *this, QSize(DluToPixelsX(m_pTemplate->cx), DluToPixelsY(m_pTemplate->cy)));
    layout->addWidget(m_pClient);
    BuildControls(*m_pTemplate);
    m_bEnded = false;
    OnInitDialog();
    if (TranslationActive()) {
        FitTexts(*m_pClient, m_order);
    }
    return true;
}

int CDialog::DoModal() {
    if (!Create()) {
        return -1;
    }
    // A dialog that ended while it initialised is never shown.
    if (!m_bEnded) {
        const int result = RunModal(*this);
        if (!m_bEnded) {
            // Closed by something other than EndDialog (the test door, say).
            m_nResult = result == QDialog::Rejected ? IDCANCEL : result;
        }
    }
    return m_nResult;
}

void CDialog::BuildMenu(int menuId) {
    const MenuTemplate* menu = FindMenuTemplate(menuId);
    if (menu == nullptr) {
        return;
    }
    m_pMenuBar = new QMenuBar(this);
    m_pMenuBar->setNativeMenuBar(false); // the menu belongs to this window
    for (const MenuPopup& popup : menu->popups) {
        QMenu* qmenu = m_pMenuBar->addMenu(Translated(popup.text));
        QActionGroup* choice = nullptr; // the exclusive items next to each other
        for (const MenuItem& item : popup.items) {
            if (item.text == nullptr) {
                qmenu->addSeparator();
                choice = nullptr;
                continue;
            }
            QAction* action = qmenu->addAction(Translated(item.text));
            action->setData(item.id);
            action->setCheckable((item.style & (MFT_CHECK | MFT_RADIOCHECK)) != 0);
            if ((item.style & MFT_RADIOCHECK) == 0) {
                choice = nullptr;
            } else {
                if (choice == nullptr) {
                    choice = new QActionGroup(qmenu);
                }
                choice->addAction(action);
            }
            const int id = item.id;
            connect(action, &QAction::triggered, this,
                    [this, id]() { RunCommand(id, BN_CLICKED); });
        }
    }
    layout()->setMenuBar(m_pMenuBar);
}

void CDialog::BuildControls(const DialogTemplate& dialogTemplate) {
    QButtonGroup* group = nullptr;
    QWidget* previous = nullptr;
    for (const DialogControl& control : dialogTemplate.controls) {
        QWidget* widget = CreateControl(control, m_pClient);
        // A text just before an edit labels it, as in the dialog manager: screen readers
        // then name the edit after it.
        if (auto* label = qobject_cast<QLabel*>(previous);
            label != nullptr && control.kind == ControlKind::Edit) {
            label->setBuddy(widget);
        }
        previous = widget;
        m_order.push_back(widget);
        if (control.id != IDC_STATIC) {
            m_controls.emplace(control.id, widget);
        }
        if (control.kind == ControlKind::DefPushButton) {
            m_nDefaultId = control.id;
        }
        if ((control.style & WS_GROUP) != 0 || control.kind != ControlKind::RadioButton) {
            group = nullptr;
        }
        if (control.kind == ControlKind::RadioButton) {
            if (group == nullptr) {
                group = new QButtonGroup(this);
                group->setExclusive(true);
            }
            group->addButton(static_cast<QAbstractButton*>(widget));
        }
        ConnectControl(widget, control);
    }
}

void CDialog::ConnectControl(QWidget* widget, const DialogControl& control) {
    const int id = control.id;
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        connect(button, &QAbstractButton::clicked, this,
                [this, id]() { RunCommand(id, BN_CLICKED); });
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        if ((control.style & LBS_NOTIFY) != 0) {
            connect(list, &QListWidget::itemDoubleClicked, this,
                    [this, id]() { RunCommand(id, LBN_DBLCLK); });
            connect(list, &QListWidget::itemSelectionChanged, this,
                    [this, id]() { RunCommand(id, LBN_SELCHANGE); });
        }
    }
}

QAction* CDialog::GetMenuItem(int id) const {
    if (m_pMenuBar == nullptr) {
        return nullptr;
    }
    for (QAction* action : m_pMenuBar->findChildren<QAction*>()) {
        if (action->data().toInt() == id && !action->isSeparator()) {
            return action;
        }
    }
    return nullptr;
}

QWidget* CDialog::Client() const {
    return m_pClient;
}

QWidget* CDialog::GetDlgItem(int id) const {
    const auto found = m_controls.find(id);
    return found != m_controls.end() ? found->second : nullptr;
}

void CDialog::SetDlgItemText(int id, const CString& text) {
    CWnd control;
    control.Attach(GetDlgItem(id));
    control.SetWindowText(text);
}

CString CDialog::GetDlgItemText(int id) const {
    CWnd control;
    control.Attach(GetDlgItem(id));
    return control.GetWindowText();
}

void CDialog::CheckRadioButton(int firstId, int lastId, int checkId) {
    for (int id = firstId; id <= lastId; ++id) {
        CheckDlgButton(id, id == checkId ? BST_CHECKED : BST_UNCHECKED);
    }
}

int CDialog::GetCheckedRadioButton(int firstId, int lastId) const {
    for (int id = firstId; id <= lastId; ++id) {
        if (IsDlgButtonChecked(id) == BST_CHECKED) {
            return id;
        }
    }
    return 0;
}

void CDialog::CheckDlgButton(int id, int check) {
    if (auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(id))) {
        // An exclusive group refuses to uncheck its checked button directly.
        QButtonGroup* group = button->group();
        const bool exclusive = group != nullptr && group->exclusive();
        if (exclusive && check != BST_CHECKED) {
            group->setExclusive(false);
        }
        button->setChecked(check == BST_CHECKED);
        if (exclusive && check != BST_CHECKED) {
            group->setExclusive(true);
        }
    }
}

int CDialog::IsDlgButtonChecked(int id) const {
    auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(id));
    return button != nullptr && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return true;
}

void CDialog::EndDialog(int result) {
    m_bEnded = true;
    m_nResult = result;
    if (isVisible()) {
        done(result);
    } else {
        setResult(result);
    }
}

void CDialog::SetWindowText(const CString& text) {
    setWindowTitle(ToQString(text));
}

CString CDialog::GetWindowText() const {
    return FromQString(windowTitle());
}

QRect CDialog::GetClientRect() const {
    return m_pClient != nullptr ? QRect(QPoint(0, 0), m_pClient->size()) : QRect();
}

void CDialog::ScreenToClient(QRect& rect) const {
    if (m_pClient != nullptr) {
        rect.moveTopLeft(m_pClient->mapFromGlobal(rect.topLeft()));
    }
}

void CDialog::ScreenToClient(QPoint& point) const {
    if (m_pClient != nullptr) {
        point = m_pClient->mapFromGlobal(point);
    }
}

void CDialog::Invalidate() {
    if (m_pClient != nullptr) {
        m_pClient->update();
    }
}

void CDialog::InvalidateRect(const QRect& rect) {
    if (m_pClient != nullptr) {
        m_pClient->update(rect);
    }
}

QWidget* CDialog::ControlAt(const QPoint& point) const {
    for (QWidget* widget : m_order) {
        if (widget->isVisible() && widget->geometry().contains(point)) {
            return widget;
        }
    }
    return nullptr;
}

void CDialog::DoDataExchange(CDataExchange*) {}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::OnOK() {
    if (UpdateData(true)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::RunCommand(int id, int code) {
    // The boundary of every command: one that runs out of memory stops there and says so,
    // and the window with its document goes on.
    try {
        OnCommand(id, code);
    } catch (const std::bad_alloc&) {
        XMessageBox(GetSafeHwnd(),
                    L"" QT_TRANSLATE_NOOP("Tintora",
                                          "There is not enough memory to complete this command."),
                    L"" QT_TRANSLATE_NOOP("Tintora", "Error"), MB_ICONEXCLAMATION, nullptr);
    }
}

bool CDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED) {
        return false;
    }
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

void CDialog::OnPaint(QPaintEvent*) {}
void CDialog::OnMouseMove(unsigned int, QPoint) {}
void CDialog::OnLButtonDown(unsigned int, QPoint) {}
void CDialog::OnLButtonUp(unsigned int, QPoint) {}
void CDialog::OnLButtonDblClk(unsigned int, QPoint) {}

bool CDialog::OnClientEvent(QEvent*) {
    return false;
}

void CDialog::PressEnter() {
    if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) {
        if (focused->isEnabled()) {
            focused->click();
            return;
        }
    }
    QWidget* defaultButton = GetDlgItem(m_nDefaultId);
    if (defaultButton != nullptr && !defaultButton->isEnabled()) {
        return;
    }
    OnCommand(defaultButton != nullptr ? m_nDefaultId : IDOK, BN_CLICKED);
}

void CDialog::keyPressEvent(QKeyEvent* event) {
    if ((event->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier)) != Qt::NoModifier) {
        QDialog::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        PressEnter();
        return;
    case Qt::Key_Escape:
        OnCommand(IDCANCEL, BN_CLICKED);
        return;
    case Qt::Key_F1:
        OnCommand(ID_HELP, BN_CLICKED);
        return;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

void CDialog::closeEvent(QCloseEvent* event) {
    // The close box is a Cancel; the dialog closes only if OnCancel ends it.
    event->ignore();
    OnCommand(IDCANCEL, BN_CLICKED);
}

void CDialog::accept() {
    OnCommand(IDOK, BN_CLICKED);
}

void CDialog::reject() {
    OnCommand(IDCANCEL, BN_CLICKED);
}

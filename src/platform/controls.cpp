// The control handles over their Qt widgets.
#include "platform/controls.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVariant>

#include "platform/qt_text.h"

namespace {

const char kIdProperty[] = "tintoraControlId";

} // namespace

int ControlId(const QWidget* widget) {
    return widget != nullptr ? widget->property(kIdProperty).toInt() : 0;
}

void SetControlId(QWidget* widget, int id) {
    widget->setProperty(kIdProperty, id);
}

int CWnd::GetDlgCtrlID() const {
    return ControlId(m_hWnd);
}

void CWnd::SetWindowText(const CString& text) {
    const QString value = ToQString(text);
    if (auto* label = qobject_cast<QLabel*>(m_hWnd)) {
        // Unchanged texts are not set again, so a label refreshed on every paint or pointer
        // move does not repaint itself each time.
        if (label->text() != value) {
            label->setText(value);
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(m_hWnd)) {
        button->setText(value);
    } else if (auto* edit = qobject_cast<QLineEdit*>(m_hWnd)) {
        edit->setText(value);
    } else if (m_hWnd != nullptr) {
        m_hWnd->setWindowTitle(value);
    }
}

CString CWnd::GetWindowText() const {
    if (auto* label = qobject_cast<QLabel*>(m_hWnd)) {
        return FromQString(label->text());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(m_hWnd)) {
        return FromQString(button->text());
    }
    if (auto* edit = qobject_cast<QLineEdit*>(m_hWnd)) {
        return FromQString(edit->text());
    }
    return m_hWnd != nullptr ? FromQString(m_hWnd->windowTitle()) : CString();
}

QRect CWnd::GetWindowRect() const {
    if (m_hWnd == nullptr) {
        return {};
    }
    return QRect(m_hWnd->mapToGlobal(QPoint(0, 0)), m_hWnd->size());
}

void CWnd::EnableWindow(bool enable) {
    if (m_hWnd != nullptr) {
        m_hWnd->setEnabled(enable);
    }
}

bool CWnd::IsWindowEnabled() const {
    return m_hWnd != nullptr && m_hWnd->isEnabled();
}

void CWnd::ShowWindow(bool show) {
    if (m_hWnd != nullptr) {
        m_hWnd->setVisible(show);
    }
}

int CButton::GetCheck() const {
    auto* button = qobject_cast<QAbstractButton*>(m_hWnd);
    return button != nullptr && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CButton::SetCheck(int check) {
    if (auto* button = qobject_cast<QAbstractButton*>(m_hWnd)) {
        button->setChecked(check == BST_CHECKED);
    }
}

QListWidget* CListBox::List() const {
    return qobject_cast<QListWidget*>(m_hWnd);
}

int CListBox::AddString(const CString& text) {
    QListWidget* list = List();
    if (list == nullptr) {
        return LB_ERR;
    }
    list->addItem(ToQString(text));
    return list->count() - 1;
}

int CListBox::GetCount() const {
    QListWidget* list = List();
    return list != nullptr ? list->count() : LB_ERR;
}

int CListBox::GetCurSel() const {
    QListWidget* list = List();
    if (list == nullptr || list->selectedItems().isEmpty()) {
        return LB_ERR;
    }
    return list->row(list->selectedItems().first());
}

int CListBox::SetCurSel(int index) {
    QListWidget* list = List();
    if (list == nullptr) {
        return LB_ERR;
    }
    if (index < 0 || index >= list->count()) {
        list->clearSelection();
        return index == -1 ? 0 : LB_ERR;
    }
    list->setCurrentRow(index);
    return index;
}

CString CListBox::GetText(int index) const {
    QListWidget* list = List();
    if (list == nullptr || index < 0 || index >= list->count()) {
        return CString();
    }
    return FromQString(list->item(index)->text());
}

void CListBox::ResetContent() {
    if (QListWidget* list = List()) {
        list->clear();
    }
}

// The control handles over their Qt widgets.
#include "platform/controls.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVariant>
#include <algorithm>
#include <array>
#include <functional>
#include <utility>
#include <vector>

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

namespace {

// The line of texts that shows widest in metrics. Shaping a whole line costs microseconds,
// too much for a hundred thousand lines; the sum of the characters' own advances ranks the
// lines nearly as well, so only the few that could be the widest are measured whole.
qsizetype WidestLine(const QStringList& texts, const QFontMetrics& metrics) {
    std::array<int, 256> advances{};
    for (std::size_t c = 0; c < advances.size(); ++c) {
        advances[c] = metrics.horizontalAdvance(QChar(static_cast<char16_t>(c)));
    }
    const int widestCharacter = std::max(1, metrics.maxWidth());
    std::vector<std::pair<int, qsizetype>> ranked;
    ranked.reserve(static_cast<std::size_t>(texts.size()));
    for (qsizetype i = 0; i < texts.size(); ++i) {
        int estimate = 0;
        for (const QChar c : texts[i]) {
            estimate += c.unicode() < advances.size() ? advances[c.unicode()] : widestCharacter;
        }
        ranked.emplace_back(estimate, i);
    }
    std::sort(ranked.begin(), ranked.end(), std::greater<>());
    // Kerning and shaping move a line's width from its estimate by less than a character.
    int widest = -1;
    qsizetype widestLine = 0;
    for (const auto& [estimate, line] : ranked) {
        if (estimate + widestCharacter < widest) {
            break;
        }
        if (const int width = metrics.horizontalAdvance(texts[line]); width > widest) {
            widest = width;
            widestLine = line;
        }
    }
    return widestLine;
}

} // namespace

void CListBox::AddStrings(const CStringArray& lines) {
    QListWidget* list = List();
    if (list == nullptr || lines.empty()) {
        return;
    }
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    for (const CString& line : lines) {
        texts.append(ToQString(line));
    }
    const qsizetype widestLine = WidestLine(texts, QFontMetrics(list->font()));
    const int first = list->count();
    list->addItems(texts);
    // Laying out a hundred thousand lines one by one takes seconds; lines of one height can
    // share one size. The view takes it from the last line, so that line carries the size
    // the widest one needs.
    const QSize widestSize =
        list->sizeHintForIndex(list->model()->index(first + static_cast<int>(widestLine), 0));
    list->setUniformItemSizes(true);
    QListWidgetItem* last = list->item(list->count() - 1);
    last->setSizeHint(widestSize.expandedTo(list->sizeHintForIndex(list->indexFromItem(last))));
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

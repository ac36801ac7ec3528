// CTintoraDlg: tool hints. The hit test says which area the pointer rests on, the text
// request gives that area's hint, and the client's tool-tip event shows it.
#include <QAbstractButton>
#include <QHelpEvent>
#include <QToolTip>
#include <array>

#include "editor/tintora_dlg.h"
#include "platform/qt_text.h"
#include "platform/translation.h"
#include "resources/resource.h"
#include "shared/translatable.h"

namespace {

struct ToolHint {
    int id;
    const wchar_t* text;
};

constexpr std::array kToolHints = {
    ToolHint{IDC_MAIN_GRID,
             L"" QT_TRANSLATE_NOOP("Tintora", "Displays the main pen palette (click to select)")},
    ToolHint{IDC_SECONDARY_GRID,
             L"" QT_TRANSLATE_NOOP("Tintora",
                                   "Displays the gray/secondary pen palette (click to select)")},
    ToolHint{
        IDC_STANDARD_GRID,
        L"" QT_TRANSLATE_NOOP("Tintora", "Displays the standard pen palette (click to select)")},
    ToolHint{IDC_PEN_OVER,
             L"" QT_TRANSLATE_NOOP("Tintora",
                                   "Displays the pen number of the item under the mouse cursor")},
    ToolHint{
        IDC_RGB_OVER,
        L"" QT_TRANSLATE_NOOP(
            "Tintora", "Displays the RGB colour components of the item under the mouse cursor")},
    ToolHint{IDC_PEN_SWATCH,
             L"" QT_TRANSLATE_NOOP(
                 "Tintora",
                 "Displays the colour of the currently selected pen (double-click to change)")},
    ToolHint{IDC_PEN_LABEL,
             L"" QT_TRANSLATE_NOOP("Tintora", "Displays the number of the currently selected pen")},
    ToolHint{IDC_PEN_RGB,
             L"" QT_TRANSLATE_NOOP("Tintora", "Displays the RGB components of the colour")},
    ToolHint{IDC_PALETTE_LABEL,
             L"" QT_TRANSLATE_NOOP("Tintora", "Displays the current palette name")},
    ToolHint{IDC_MARKER_SWATCH,
             L"" QT_TRANSLATE_NOOP(
                 "Tintora", "Displays the colour of the marker pen (double-click to change)")},
    ToolHint{IDC_MARKER_RGB,
             L"" QT_TRANSLATE_NOOP("Tintora", "Displays the RGB components of the colour")},
};

// The hint of control id; the empty text, for which no hint shows, for every other id.
const wchar_t* HintText(int id) {
    for (const ToolHint& hint : kToolHints) {
        if (hint.id == id) {
            return hint.text;
        }
    }
    return L"";
}

void DescribeTool(const QWidget* owner, QWidget* control, TOOLINFO* pTI) {
    if (pTI == nullptr) {
        return;
    }
    pTI->hwnd = owner;
    pTI->uId = control;
    pTI->uFlags |= TTF_IDISHWND;
    pTI->lpszText = nullptr;
    if (qobject_cast<QAbstractButton*>(control) == nullptr) {
        pTI->uFlags |= TTF_NOTBUTTON | TTF_CENTERTIP;
    }
}

} // namespace

int CTintoraDlg::OnToolHitTest(QPoint point, TOOLINFO* pTI) const {
    // The frames come first, so that the gaps between the cells belong to their grid and
    // one hint covers a whole grid.
    const std::pair<const GridRect*, const CStatic*> frames[] = {
        {&m_rcMainGrid, &m_wndMainGrid},
        {&m_rcSecondaryGrid, &m_wndSecondaryGrid},
        {&m_rcStandardGrid, &m_wndStandardGrid},
    };
    for (const auto& [rect, frame] : frames) {
        if (rect->Contains(point.x(), point.y()) && frame->GetSafeHwnd() != nullptr) {
            DescribeTool(this, frame->GetSafeHwnd(), pTI);
            return frame->GetDlgCtrlID();
        }
    }
    // Otherwise the first visible control under the point, in template order; statics
    // without an id are never tools.
    for (QObject* child : Client()->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control == nullptr || !control->isVisible() || !control->geometry().contains(point)) {
            continue;
        }
        const int id = ControlId(control);
        if (id == IDC_STATIC || id == 0) {
            continue;
        }
        DescribeTool(this, control, pTI);
        return id;
    }
    return -1;
}

bool CTintoraDlg::OnToolTipNotify(TOOLINFO* pTI) const {
    if ((pTI->uFlags & TTF_IDISHWND) == 0) {
        return false;
    }
    const int id = ControlId(pTI->uId);
    if (id == 0) {
        return false;
    }
    pTI->lpszText = HintText(id);
    return true;
}

bool CTintoraDlg::OnClientEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return CDialog::OnClientEvent(event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    TOOLINFO tool;
    if (ToolTipsEnabled() && OnToolHitTest(help->pos(), &tool) != -1 && OnToolTipNotify(&tool) &&
        tool.lpszText[0] != L'\0') {
        // The hint stays while the pointer is over its tool, and goes when it leaves it.
        QToolTip::showText(help->globalPos(), Translated(tool.lpszText), Client(),
                           tool.uId->geometry());
    } else {
        QToolTip::hideText();
        event->ignore();
    }
    return true;
}

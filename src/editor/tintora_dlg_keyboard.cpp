// CTintoraDlg: the editor without a mouse. The pen area is the tab stop after the
// background buttons; the menu items carry the platform's standard shortcuts.
#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <array>
#include <utility>

#include "editor/tintora_dlg.h"
#include "platform/covered_controls.h"
#include "platform/translation.h"
#include "resources/resource.h"
#include "shared/translatable.h"

namespace {

struct Shortcut {
    int id;
    QKeySequence::StandardKey key;
    // For the platforms whose key scheme has no binding for the key.
    const char* fallback;
};

constexpr std::array kShortcuts = {
    Shortcut{ID_FILE_NEW, QKeySequence::New, "Ctrl+N"},
    Shortcut{ID_FILE_OPEN, QKeySequence::Open, "Ctrl+O"},
    Shortcut{ID_FILE_SAVE, QKeySequence::Save, "Ctrl+S"},
    Shortcut{ID_FILE_SAVE_AS, QKeySequence::SaveAs, "Ctrl+Shift+S"},
    Shortcut{ID_EXIT, QKeySequence::Quit, "Ctrl+Q"},
    Shortcut{ID_EDIT_UNDO, QKeySequence::Undo, "Ctrl+Z"},
    Shortcut{ID_EDIT_REDO, QKeySequence::Redo, "Ctrl+Shift+Z"},
    Shortcut{ID_EDIT_COPY, QKeySequence::Copy, "Ctrl+C"},
    Shortcut{ID_EDIT_PASTE, QKeySequence::Paste, "Ctrl+V"},
    Shortcut{ID_HELP_CONTENTS, QKeySequence::HelpContents, "F1"},
};

} // namespace

void CTintoraDlg::SetUpKeyboard() {
    m_pPenArea = new PenArea(*this, Client());
    m_pPenArea->setAccessibleName(QCoreApplication::translate("Tintora", "Pens"));
    m_pPenArea->setAccessibleDescription(QCoreApplication::translate(
        "Tintora", "Arrow keys, Home, End and pen numbers select a pen; Space or Enter "
                   "changes its colour, Shift+Space or Shift+Enter the marker pen's"));
    m_pPenArea->show();
    // The frames under the pens are borders only: the pen area's tables and swatches stand
    // for them, so screen readers meet each thing once.
    for (const CStatic* frame : {&m_wndMainGrid, &m_wndSecondaryGrid, &m_wndStandardGrid,
                                 &m_wndPenSwatch, &m_wndMarkerSwatch}) {
        HideFromScreenReaders(frame->GetSafeHwnd());
    }
    // Their text is empty while the pointer is over no pen; named, they never read as blanks.
    m_wndPenOver.GetSafeHwnd()->setAccessibleName(
        QCoreApplication::translate("Tintora", "Pen under the pointer"));
    m_wndRGBOver.GetSafeHwnd()->setAccessibleName(
        QCoreApplication::translate("Tintora", "Colour under the pointer"));
    if (QWidget* lastButton = GetDlgItem(IDC_DARK_BACKGROUND)) {
        setTabOrder(lastButton, m_pPenArea);
    }
    for (const Shortcut& shortcut : kShortcuts) {
        if (QAction* action = GetMenuItem(shortcut.id)) {
            QList<QKeySequence> keys = QKeySequence::keyBindings(shortcut.key);
            if (keys.isEmpty()) {
                keys = {QKeySequence(QString::fromLatin1(shortcut.fallback))};
            }
            action->setShortcuts(keys);
        }
    }
    UpdateHistoryItems();
}

// CTintoraDlg: the editor without a mouse. The pen area is the tab stop after the
// background buttons; the menu items carry the platform's standard shortcuts.
#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <array>
#include <utility>

#include "editor/tintora_dlg.h"
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
        "Tintora", "Arrow keys, Home and End select a pen; Space changes its colour, "
                   "Shift+Space the marker pen's"));
    m_pPenArea->show();
    // The frames under the pens are borders only; named, they no longer read as blanks.
    const std::pair<CStatic*, const char*> frames[] = {
        {&m_wndMainGrid, QT_TRANSLATE_NOOP("Tintora", "Main grid, pens 1 to 9")},
        {&m_wndSecondaryGrid, QT_TRANSLATE_NOOP("Tintora", "Secondary grid, pens 10 to 15")},
        {&m_wndStandardGrid, QT_TRANSLATE_NOOP("Tintora", "Standard grid, pens 16 to 255")},
        {&m_wndPenSwatch, QT_TRANSLATE_NOOP("Tintora", "Selected pen swatch")},
        {&m_wndMarkerSwatch, QT_TRANSLATE_NOOP("Tintora", "Marker pen swatch")},
    };
    for (const auto& [frame, name] : frames) {
        frame->GetSafeHwnd()->setAccessibleName(Translated(QString::fromLatin1(name)));
    }
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

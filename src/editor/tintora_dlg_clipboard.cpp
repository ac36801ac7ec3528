// CTintoraDlg: the selected pen's colour through the clipboard, as "#rrggbb" out and any
// usual colour text in.
#include <QApplication>
#include <QClipboard>

#include "editor/tintora_dlg.h"
#include "model/colour_text.h"
#include "platform/qt_text.h"

void CTintoraDlg::OnEditCopy() {
    QGuiApplication::clipboard()->setText(ToQString(FormatHexColour(ShownColour(m_nSelectedPen))));
}

void CTintoraDlg::OnEditPaste() {
    const std::optional<COLORREF> colour =
        ParseColourText(FromQString(QGuiApplication::clipboard()->text()));
    if (!colour) {
        // Not a colour: nothing to take, and nothing worth a dialog either.
        QApplication::beep();
        return;
    }
    m_undoStack.push(new PenColourCommand(*this, m_nBackground, m_nSelectedPen,
                                          ShownColour(m_nSelectedPen), *colour));
    m_bModified = true;
}

// CTintoraDlg: Derive Dark Colours and Derive Light Colours. One background's colours of the
// current palette made from the other's, the same way the command line's derive makes them,
// as one step of the history.
#include "colour/derive.h"
#include "editor/tintora_dlg.h"
#include "shared/translatable.h"

void CTintoraDlg::OnDeriveDark() {
    DeriveVariant(kDarkBackground, L"" QT_TRANSLATE_NOOP("Tintora", "Derive Dark Colours"));
}

void CTintoraDlg::OnDeriveLight() {
    DeriveVariant(kLightBackground, L"" QT_TRANSLATE_NOOP("Tintora", "Derive Light Colours"));
}

void CTintoraDlg::DeriveVariant(int variant, const CString& text) {
    PaletteEntry derived;
    derived.m_Colours = m_pCurrentPalette->m_Colours;
    DeriveColours(derived, variant);
    const auto index = static_cast<std::size_t>(variant);
    m_undoStack.push(new VariantColoursCommand(
        *this, text, variant, m_pCurrentPalette->m_Colours[index], derived.m_Colours[index]));
    m_bModified = true;
}

// CColorDialog: the colour chooser, Qt's own colour dialog (never a desktop's native one),
// started from a colour and showing the caller's 16 custom colours, run through the modal
// door.
//
//   COLORREF custom[16] = {...};
//   CColorDialog dlg(colour, CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR, this);
//   dlg.m_cc.lpCustColors = custom;
//   if (dlg.DoModal() == IDOK) { colour = dlg.GetColor(); /* custom[] holds the new ones */ }
//
// The custom colours are loaded into the chooser before every open (its store is shared by
// the whole application and keeps changes made before a Cancel) and copied back only on OK.
#pragma once

#include "model/colour.h"
#include "shared/cstring.h"
#include "shared/xmessagebox.h"

class QWidget;

inline constexpr unsigned int CC_RGBINIT = 0x1;    // start from the given colour
inline constexpr unsigned int CC_FULLOPEN = 0x2;   // custom colours shown (always, here)
inline constexpr unsigned int CC_ANYCOLOR = 0x100; // any colour offered (always, here)
inline constexpr int kCustomColourCount = 16;

struct CHOOSECOLOR {
    COLORREF rgbResult = 0;
    COLORREF* lpCustColors = nullptr; // 16 colours, or null for none
    unsigned int Flags = 0;
};

class CColorDialog {
public:
    CColorDialog(COLORREF initial, unsigned int flags, QWidget* owner);

    // IDOK when a colour was chosen, IDCANCEL otherwise.
    int DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }
    // The chooser's title: what is being edited. Empty keeps the chooser's own.
    void SetTitle(const CString& title) { m_strTitle = title; }

    CHOOSECOLOR m_cc;

private:
    QWidget* m_pOwner;
    CString m_strTitle;
};

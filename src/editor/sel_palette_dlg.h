// CSelPaletteDlg: picks one palette of the palette list, by its line in a list box. Used by
// Select Palette and by Delete Palette.
#pragma once

#include "platform/dialog.h"
#include "shared/ui_list.h"

class CSelPaletteDlg : public CDialog {
public:
    // list is borrowed for the dialog's life and never changed.
    CSelPaletteDlg(const UI_LIST* list, QWidget* pParent = nullptr);
    ~CSelPaletteDlg() override;

    const UI_LIST* m_pList;
    // The chosen list position, LB_ERR when none; meaningful only after OK.
    int m_nSelected = LB_ERR;
    CListBox m_wndPaletteList;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // One line per palette, "name - description", in list order; nothing selected.
    bool OnInitDialog() override;
    // Refuses to close while no line is selected.
    void OnOK() override;
    bool OnCommand(int id, int code) override;
    void OnDblclkPaletteList();
};

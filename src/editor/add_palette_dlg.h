// CAddPaletteDlg: asks for a palette's name and description, empty for Add Palette and
// preset for Rename Palette. Refuses an empty name, and texts that a palette file could not
// give back as typed.
#pragma once

#include <optional>

#include "platform/dialog.h"

// Why a name or description cannot be stored in a palette file, and which edit holds it.
struct PaletteTextRefusal {
    int controlId;
    CString message;
};

// Nullopt when both texts read back from a palette file exactly as given: no comma in the
// name (it ends the name), no "#" in either (it starts a comment), no line break, and only
// characters that Windows-1252 can hold. Blank, repeated and long texts are all fine.
std::optional<PaletteTextRefusal> RefusePaletteTexts(const CString& name,
                                                     const CString& description);

class CAddPaletteDlg : public CDialog {
public:
    // Add: both texts empty.
    explicit CAddPaletteDlg(QWidget* pParent = nullptr);
    // Rename: the texts preset, the title "Rename Palette".
    CAddPaletteDlg(const CString& name, const CString& description, QWidget* pParent = nullptr);

    CString m_strName;
    CString m_strDescription;
    bool m_bAddMode;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;
    // Closes only with a name the palette file can hold; otherwise says why and stays open
    // with the texts as they were typed.
    void OnOK() override;

private:
    void FocusEdit(int id);
};

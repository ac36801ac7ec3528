// One named pen palette: a colour for every pen on a light and on a dark background.
#pragma once

#include <array>

#include "model/colour.h"
#include "shared/cstring.h"
#include "shared/ui_list.h"

inline constexpr int kPenCount = 256;
inline constexpr int kLightBackground = 0;
inline constexpr int kDarkBackground = 1;

class PaletteEntry : public UI_ELEMENT {
public:
    PaletteEntry() = default;
    ~PaletteEntry() override = default;

    // Sets all 512 colours to the built-in default palette's.
    void SetDefaultColours();

    CString m_Name;
    CString m_Description;
    // m_Colours[variant][pen]; zero until the creator fills them (every creator does).
    std::array<std::array<COLORREF, kPenCount>, 2> m_Colours{};
};

// The element of list at index as a palette, null when there is none.
PaletteEntry* PaletteAt(const UI_LIST& list, int index);
// A new list holding only the built-in palette "Default"; the caller owns it.
UI_LIST* NewDefaultPaletteList();
// Destroy() then delete, the one way a palette list is discarded. Null is fine.
void DiscardPaletteList(UI_LIST* list);

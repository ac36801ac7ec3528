// The description of a tool-hint tool, as the editor's hit test fills it: which control the
// pointer rests on, and the text to show for it once asked.
#pragma once

class QWidget;

inline constexpr unsigned int TTF_IDISHWND = 0x1;  // uId is the control that is the tool
inline constexpr unsigned int TTF_CENTERTIP = 0x2; // the tip belongs centred under the tool
inline constexpr unsigned int TTF_NOTBUTTON = 0x80000000u;

struct TOOLINFO {
    unsigned int uFlags = 0;
    const QWidget* hwnd = nullptr; // the window that owns the tool
    QWidget* uId = nullptr;        // the tool's control
    // Null after the hit test: the text is asked for when the hint is about to show.
    const wchar_t* lpszText = nullptr;
};

// The shared library's message box. The core only knows the call; the window layer
// installs a presenter that shows a real box. Without one, the text goes to standard
// error and the first button's id is returned (batch tools have nobody to ask).
#pragma once

#include <functional>

// An owner window as the caller knows it; the presenter gives it its meaning.
using HWND = void*;

struct XMSGBOXPARAMS; // never filled by the program; always passed as null

// Button identifiers returned by the box.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Box types (buttons in the low nibble, icon in the next).
inline constexpr unsigned int MB_OK = 0x0;
inline constexpr unsigned int MB_YESNOCANCEL = 0x3;
inline constexpr unsigned int MB_YESNO = 0x4;
inline constexpr unsigned int MB_ICONQUESTION = 0x20;
inline constexpr unsigned int MB_ICONEXCLAMATION = 0x30;

using XMessageBoxPresenter =
    std::function<int(HWND owner, const wchar_t* text, const wchar_t* caption, unsigned int style)>;

// Installs the presenter (an empty function removes it) and returns the previous one.
XMessageBoxPresenter SetXMessageBoxPresenter(XMessageBoxPresenter presenter);

int XMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, unsigned int style,
                XMSGBOXPARAMS* params);

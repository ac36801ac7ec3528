// The message box behind XMessageBox: a QMessageBox owned by the asking window (the HWND
// is that window's QWidget*), the caption as window title, "\n" as line breaks, run through
// the modal door. Styles: buttons in the low nibble (0 OK, 1 OK/Cancel, 3 Yes/No/Cancel,
// 4 Yes/No), icon in the next (0x10 stop, 0x20 question, 0x30 exclamation, 0x40 information).
// Returns IDOK, IDCANCEL, IDYES or IDNO.
//
// InstallMessageBoxPresenter() is called once at start-up (InitCommonControls does it).
#pragma once

#include "shared/xmessagebox.h"

class QWidget;

int ShowMessageBox(QWidget* owner, const wchar_t* text, const wchar_t* caption, unsigned int style);

void InstallMessageBoxPresenter();

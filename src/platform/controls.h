// Handles to the controls of a dialog, bound by DDX_Control (dialog.h). A handle is empty
// until it is bound, so "has the control a window yet?" is GetSafeHwnd() != nullptr.
//
//   CStatic m_wndLabel;   ... DDX_Control(pDX, 1006, m_wndLabel); m_wndLabel.SetWindowText(L"x");
//   CButton m_wndCheck;   ... m_wndCheck.GetCheck() == BST_CHECKED
//   CListBox m_wndList;   ... m_wndList.AddString(L"line"); m_wndList.GetCurSel()
#pragma once

#include <QRect>

#include "shared/cstring.h"

class QWidget;
class QListWidget;

inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;
inline constexpr int LB_ERR = -1;

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    void Attach(QWidget* widget) { m_hWnd = widget; }
    QWidget* GetSafeHwnd() const { return m_hWnd; }

    // The control id given by its template, 0 when unbound.
    int GetDlgCtrlID() const;
    void SetWindowText(const CString& text);
    CString GetWindowText() const;
    // The control's rectangle in screen coordinates.
    QRect GetWindowRect() const;
    void EnableWindow(bool enable);
    bool IsWindowEnabled() const;
    void ShowWindow(bool show);

protected:
    QWidget* m_hWnd = nullptr;
};

class CStatic : public CWnd {};

class CEdit : public CWnd {};

class CButton : public CWnd {
public:
    int GetCheck() const;
    void SetCheck(int check);
};

class CListBox : public CWnd {
public:
    // Appends a line (the list box is never sorted); returns its index.
    int AddString(const CString& text);
    // Appends the lines in one step, for long lists: every line has the height of one line
    // of text, and the list scrolls as wide as the widest.
    void AddStrings(const CStringArray& lines);
    int GetCount() const;
    // The selected line, LB_ERR when none is selected.
    int GetCurSel() const;
    // Selects line index; -1 clears the selection. LB_ERR when index is out of range.
    int SetCurSel(int index);
    CString GetText(int index) const;
    void ResetContent();

private:
    QListWidget* List() const;
};

// The id a control was created with (0 when it is none of ours), and its setter, used when
// the control is built from its template.
int ControlId(const QWidget* widget);
void SetControlId(QWidget* widget, int id);

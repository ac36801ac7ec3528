// CDialog: a dialog built from a dialog template (dialog_template.h), with its menu above a
// client widget that carries the controls, the painting and the pointer input. Client
// coordinates are the template's, converted to pixels (dialog_units.h).
//
//   class CMyDlg : public CDialog {
//   public:
//       explicit CMyDlg(QWidget* parent) : CDialog(IDD_MY, parent) {}
//       CString m_strName;
//   protected:
//       void DoDataExchange(CDataExchange* pDX) override {
//           CDialog::DoDataExchange(pDX);
//           DDX_Text(pDX, IDC_NAME, m_strName);
//       }
//       bool OnInitDialog() override { CDialog::OnInitDialog(); /* ... */ return true; }
//       void OnOK() override { UpdateData(true); if (m_strName.empty()) return; EndDialog(IDOK); }
//       bool OnCommand(int id, int code) override;  // menu items, buttons, list notifications
//   };
//   CMyDlg dlg(this);
//   if (dlg.DoModal() == IDOK) ...
//
// Keys and closing: Enter presses the focused push button, else the default push button,
// else sends IDOK; Esc and the close box send IDCANCEL; F1 sends ID_HELP. IDOK and IDCANCEL
// reach OnOK and OnCancel through the base OnCommand. DoModal runs through the modal door
// (modal_door.h). Create() builds and initialises the dialog without running it (tests show
// it and drive it directly).
#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <map>

#include "platform/controls.h"
#include "platform/dialog_template.h"
#include "shared/cstring.h"
#include "shared/xmessagebox.h"

class QAction;
class QMenuBar;
class QButtonGroup;
class QPaintEvent;
class CDialog;
class DialogClient;

// Notification codes that come with OnCommand.
inline constexpr int BN_CLICKED = 0; // also the code of menu commands
inline constexpr int LBN_SELCHANGE = 1;
inline constexpr int LBN_DBLCLK = 2;
inline constexpr int EN_CHANGE = 0x300;

inline constexpr int ID_HELP = 57670;

// Key state that comes with the pointer handlers.
inline constexpr unsigned int MK_LBUTTON = 0x1;
inline constexpr unsigned int MK_RBUTTON = 0x2;
inline constexpr unsigned int MK_SHIFT = 0x4;
inline constexpr unsigned int MK_CONTROL = 0x8;
inline constexpr unsigned int MK_MBUTTON = 0x10;

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, bool saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}
    bool m_bSaveAndValidate; // true: controls to members; false: members to controls
    CDialog* m_pDlgWnd;
};

// Binds control id to a handle (once; later exchanges leave it bound).
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
// Exchanges the text of control id with value.
void DDX_Text(CDataExchange* pDX, int id, CString& value);

class CDialog : public QDialog {
public:
    CDialog(int templateId, QWidget* parent);
    ~CDialog() override;

    int DoModal();
    // Builds the controls and menu and runs OnInitDialog; false for an unknown template.
    bool Create();
    bool IsCreated() const { return m_pClient != nullptr; }

    int GetTemplateId() const { return m_nTemplateId; }
    // The control with id, null when there is none.
    QWidget* GetDlgItem(int id) const;
    void SetDlgItemText(int id, const CString& text);
    CString GetDlgItemText(int id) const;
    void CheckRadioButton(int firstId, int lastId, int checkId);
    // The checked button among firstId to lastId, 0 when none is checked.
    int GetCheckedRadioButton(int firstId, int lastId) const;
    void CheckDlgButton(int id, int check);
    int IsDlgButtonChecked(int id) const;
    // false: members to controls; true: controls to members.
    bool UpdateData(bool saveAndValidate = true);
    void EndDialog(int result);
    void SetWindowText(const CString& text);
    CString GetWindowText() const;
    // The window handle to give XMessageBox as owner.
    HWND GetSafeHwnd() { return static_cast<QWidget*>(this); }

    // The widget below the menu bar; client coordinates are relative to it.
    QWidget* Client() const;
    QMenuBar* GetMenu() const { return m_pMenuBar; }
    // The menu item of command id, null when the menu has none.
    QAction* GetMenuItem(int id) const;
    QRect GetClientRect() const;
    void ScreenToClient(QRect& rect) const;
    void ScreenToClient(QPoint& point) const;
    // Marks the whole client area (or rect of it) for repainting, background included.
    void Invalidate();
    void InvalidateRect(const QRect& rect);
    // The first visible control under point (client coordinates), template order; null
    // when there is none.
    QWidget* ControlAt(const QPoint& point) const;
    void EnableToolTips(bool enable) { m_bToolTips = enable; }
    bool ToolTipsEnabled() const { return m_bToolTips; }

    // Delivers a command as the menu or a control would.
    bool SendCommand(int id, int code = BN_CLICKED) { return OnCommand(id, code); }

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // Base: exchanges members to controls. Returns true.
    virtual bool OnInitDialog();
    // Base: controls to members, then EndDialog(IDOK).
    virtual void OnOK();
    // Base: EndDialog(IDCANCEL).
    virtual void OnCancel();
    // Menu items, button clicks and control notifications. Base: IDOK and IDCANCEL.
    // Returns whether the command was handled.
    virtual bool OnCommand(int id, int code);
    // OnCommand for the window's own menu items and controls, reporting running out of memory.
    void RunCommand(int id, int code);

    // Client area events. Painting happens only here (the client's paint event).
    virtual void OnPaint(QPaintEvent* event);
    virtual void OnMouseMove(unsigned int flags, QPoint point);
    virtual void OnLButtonDown(unsigned int flags, QPoint point);
    virtual void OnLButtonUp(unsigned int flags, QPoint point);
    virtual void OnLButtonDblClk(unsigned int flags, QPoint point);
    // Any client event before its default handling (tool hints, for one); true when taken.
    virtual bool OnClientEvent(QEvent* event);

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void accept() override;
    void reject() override;

private:
    friend class DialogClient;

    void BuildMenu(int menuId);
    void BuildControls(const DialogTemplate& dialogTemplate);
    void ConnectControl(QWidget* widget, const DialogControl& control);
    void PressEnter();

    int m_nTemplateId;
    const DialogTemplate* m_pTemplate = nullptr;
    DialogClient* m_pClient = nullptr;
    QMenuBar* m_pMenuBar = nullptr;
    std::map<int, QWidget*> m_controls;
    std::vector<QWidget*> m_order; // every control, template order
    int m_nDefaultId = 0;
    bool m_bToolTips = false;
    bool m_bEnded = false;
    int m_nResult = IDCANCEL;
};

// CDialog: data exchange, the keys and the close box.
#include <QLineEdit>
#include <gtest/gtest.h>

#include "gui_test_support.h"
#include "platform/dialog.h"
#include "resources/resource.h"

namespace {

class Dialog : public GuiTest {};

// A dialog with an exchanged text and an OK it may refuse.
class ExchangeDlg : public CDialog {
public:
    explicit ExchangeDlg(int templateId) : CDialog(templateId, nullptr) {}

    CString m_strName = L"initial";
    bool m_bRefuseOK = false;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        CDialog::DoDataExchange(pDX);
        if (GetDlgItem(IDC_PALETTE_NAME) != nullptr) {
            DDX_Text(pDX, IDC_PALETTE_NAME, m_strName);
        }
    }
    void OnOK() override {
        if (!m_bRefuseOK) {
            CDialog::OnOK();
        }
    }
};

TEST_F(Dialog, KeysAndCloseBoxEndTheDialog) {
    struct KeyCase {
        int templateId;
        int focus; // 0: where the dialog puts it
        int key;   // 0: the close box
        int result;
    };
    const KeyCase cases[] = {
        {IDD_ADDPALETTE_DIALOG, IDC_PALETTE_NAME, Qt::Key_Return, IDOK}, // the default button
        {IDD_ADDPALETTE_DIALOG, IDCANCEL, Qt::Key_Return, IDCANCEL},     // the focused button
        {IDD_TINTORA_DIALOG, 0, Qt::Key_Enter, IDOK}, // no default button: OK all the same
        {IDD_ADDPALETTE_DIALOG, 0, Qt::Key_Escape, IDCANCEL},
        {IDD_ADDPALETTE_DIALOG, 0, 0, IDCANCEL},
    };
    for (const KeyCase& c : cases) {
        ExchangeDlg dlg(c.templateId);
        Script().Then([&c, &dlg](QDialog& d) {
            if (c.focus != 0) {
                dlg.GetDlgItem(c.focus)->setFocus();
            }
            c.key != 0 ? PressKey(d, c.key) : static_cast<void>(d.close());
        });
        EXPECT_EQ(dlg.DoModal(), c.result) << "template " << c.templateId << " key " << c.key;
    }
}

TEST_F(Dialog, TextGoesOutAtInitAndComesBackOnOkAndARefusedOkKeepsItOpen) {
    ExchangeDlg dlg(IDD_ADDPALETTE_DIALOG);
    dlg.m_bRefuseOK = true;
    bool stillOpen = false;
    Script().Then([&](QDialog& d) {
        auto* edit = qobject_cast<QLineEdit*>(dlg.GetDlgItem(IDC_PALETTE_NAME));
        EXPECT_EQ(edit->text(), QStringLiteral("initial"));
        edit->setText(QStringLiteral("typed"));
        ClickDlgItem(d, IDOK);
        stillOpen = d.isVisible();
        dlg.m_bRefuseOK = false;
        ClickDlgItem(d, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(dlg.m_strName, L"typed");
}

} // namespace

// CDialog: controls built from templates where the dialog units say, data exchange, the keys
// and the close box, commands from menus and controls.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

#include "gui_test_support.h"
#include "platform/dialog.h"
#include "platform/dialog_units.h"
#include "platform/qt_text.h"
#include "resources/resource.h"

namespace {

class Dialog : public GuiTest {};

// A dialog that records its commands and pointer input, with two exchanged texts.
class RecordingDlg : public CDialog {
public:
    explicit RecordingDlg(int templateId) : CDialog(templateId, nullptr) {}

    CString m_strName = L"initial";
    bool m_bRefuseOK = false;
    std::vector<std::pair<int, int>> m_commands;
    int m_nMoves = 0;

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
    bool OnCommand(int id, int code) override {
        m_commands.emplace_back(id, code);
        return CDialog::OnCommand(id, code);
    }
    void OnMouseMove(unsigned int, QPoint) override { ++m_nMoves; }
};

bool KindMatches(ControlKind kind, QWidget* widget) {
    switch (kind) {
    case ControlKind::PushButton:
        return qobject_cast<QPushButton*>(widget) != nullptr &&
               !static_cast<QPushButton*>(widget)->isDefault();
    case ControlKind::DefPushButton:
        return qobject_cast<QPushButton*>(widget) != nullptr &&
               static_cast<QPushButton*>(widget)->isDefault();
    case ControlKind::CheckBox:
        return qobject_cast<QCheckBox*>(widget) != nullptr;
    case ControlKind::RadioButton:
        return qobject_cast<QRadioButton*>(widget) != nullptr;
    case ControlKind::StaticText:
        return qobject_cast<QLabel*>(widget) != nullptr;
    case ControlKind::Edit:
        return qobject_cast<QLineEdit*>(widget) != nullptr;
    case ControlKind::ListBox:
        return qobject_cast<QListWidget*>(widget) != nullptr;
    default:
        break;
    }
    return widget != nullptr; // frames
}

TEST_F(Dialog, ControlsSitWhereTheirTemplateSays) {
    for (int id : {IDD_ABOUTBOX, IDD_TINTORA_DIALOG, IDD_SELPALETTE_DIALOG, IDD_ADDPALETTE_DIALOG,
                   IDD_WARNING_DIALOG}) {
        const DialogTemplate* dialogTemplate = FindDialogTemplate(id);
        ASSERT_NE(dialogTemplate, nullptr) << id;
        RecordingDlg dlg(id);
        ASSERT_TRUE(dlg.Create());
        EXPECT_EQ(dlg.GetWindowText(), dialogTemplate->caption);
        EXPECT_EQ(dlg.Client()->size(),
                  QSize(DluToPixelsX(dialogTemplate->cx), DluToPixelsY(dialogTemplate->cy)));
        for (const DialogControl& control : dialogTemplate->controls) {
            if (control.id == IDC_STATIC) {
                continue;
            }
            QWidget* widget = dlg.GetDlgItem(control.id);
            ASSERT_NE(widget, nullptr) << "template " << id << " control " << control.id;
            EXPECT_TRUE(KindMatches(control.kind, widget)) << control.id;
            EXPECT_EQ(widget->parentWidget(), dlg.Client());
            EXPECT_EQ(widget->geometry(),
                      DluRectToPixels(control.x, control.y, control.cx, control.cy))
                << "template " << id << " control " << control.id;
            EXPECT_EQ(ControlId(widget), control.id);
        }
    }
}

TEST_F(Dialog, MembersGoToControlsAtInitAndComeBackOnOk) {
    RecordingDlg dlg(IDD_ADDPALETTE_DIALOG);
    Script().Then([](QDialog& dialog) {
        auto& cdialog = dynamic_cast<CDialog&>(dialog);
        auto* edit = qobject_cast<QLineEdit*>(cdialog.GetDlgItem(IDC_PALETTE_NAME));
        EXPECT_EQ(edit->text(), QStringLiteral("initial"));
        edit->setText(QStringLiteral("typed"));
        ClickDlgItem(dialog, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strName, L"typed");
}

TEST_F(Dialog, KeysAndCloseBoxEndTheDialog) {
    struct KeyCase {
        const char* what;
        ModalHandler act;
        int result;
    };
    const KeyCase cases[] = {
        {"Enter in an edit presses the default button",
         [](QDialog& d) {
             dynamic_cast<CDialog&>(d).GetDlgItem(IDC_PALETTE_NAME)->setFocus();
             PressKey(d, Qt::Key_Return);
         },
         IDOK},
        {"Enter on the focused Cancel button presses it",
         [](QDialog& d) {
             dynamic_cast<CDialog&>(d).GetDlgItem(IDCANCEL)->setFocus();
             PressKey(d, Qt::Key_Return);
         },
         IDCANCEL},
        {"Esc cancels", [](QDialog& d) { PressKey(d, Qt::Key_Escape); }, IDCANCEL},
        {"the close box cancels", [](QDialog& d) { d.close(); }, IDCANCEL},
    };
    for (const KeyCase& c : cases) {
        RecordingDlg dlg(IDD_ADDPALETTE_DIALOG);
        Script().Then(c.act);
        EXPECT_EQ(dlg.DoModal(), c.result) << c.what;
    }
}

TEST_F(Dialog, EnterWithoutADefaultButtonSendsOk) {
    RecordingDlg dlg(IDD_TINTORA_DIALOG);
    Script().Then([](QDialog& d) { PressKey(d, Qt::Key_Enter); });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST_F(Dialog, RefusedOkKeepsTheDialogOpen) {
    RecordingDlg dlg(IDD_ADDPALETTE_DIALOG);
    dlg.m_bRefuseOK = true;
    bool stillOpen = false;
    Script().Then([&stillOpen](QDialog& d) {
        ClickDlgItem(d, IDOK);
        stillOpen = d.isVisible();
        ClickDlgItem(d, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(stillOpen);
}

TEST_F(Dialog, MenuItemsAndControlsSendTheirCommands) {
    RecordingDlg dlg(IDD_TINTORA_DIALOG);
    ASSERT_TRUE(dlg.Create());
    ASSERT_NE(dlg.GetMenu(), nullptr);
    QAction* save = nullptr;
    for (QAction* menu : dlg.GetMenu()->actions()) {
        for (QAction* item : menu->menu()->actions()) {
            if (item->text() == QStringLiteral("&Save")) {
                save = item;
            }
        }
    }
    ASSERT_NE(save, nullptr);
    save->trigger();
    qobject_cast<QAbstractButton*>(dlg.GetDlgItem(IDC_DARK_BACKGROUND))->click();
    const std::vector<std::pair<int, int>> expected = {{ID_FILE_SAVE, BN_CLICKED},
                                                       {IDC_DARK_BACKGROUND, BN_CLICKED}};
    EXPECT_EQ(dlg.m_commands, expected);
}

TEST_F(Dialog, ListBoxDoubleClickIsNotified) {
    RecordingDlg dlg(IDD_SELPALETTE_DIALOG);
    ASSERT_TRUE(dlg.Create());
    CListBox list;
    list.Attach(dlg.GetDlgItem(IDC_PALETTE_LIST));
    list.AddString(L"b");
    list.AddString(L"a");
    EXPECT_EQ(list.GetCurSel(), LB_ERR);
    EXPECT_EQ(list.GetText(0), L"b"); // never sorted
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    auto* widget = qobject_cast<QListWidget*>(list.GetSafeHwnd());
    const QPoint line =
        widget->viewport()->mapTo(&dlg, widget->visualItemRect(widget->item(1)).center());
    QTest::mouseDClick(dlg.windowHandle(), Qt::LeftButton, {}, line);
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_NE(std::find(dlg.m_commands.begin(), dlg.m_commands.end(),
                        std::make_pair(IDC_PALETTE_LIST, LBN_DBLCLK)),
              dlg.m_commands.end());
}

TEST_F(Dialog, StaticsLetThePointerThroughToTheDialog) {
    RecordingDlg dlg(IDD_TINTORA_DIALOG);
    ASSERT_TRUE(dlg.Create());
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    const QWidget* label = dlg.GetDlgItem(IDC_PALETTE_LABEL);
    const QPoint onLabel = dlg.Client()->mapTo(&dlg, label->geometry().center());
    QTest::mouseMove(dlg.windowHandle(), onLabel);
    EXPECT_GE(dlg.m_nMoves, 1);
}

} // namespace

// The small dialogs of the palette commands on their own: the Select dialog refusing OK
// without a line, and the texts the Add/Rename dialog accepts and refuses
// (data/cases/palette_texts.txt).

#include "editor/add_palette_dlg.h"
#include "editor/sel_palette_dlg.h"
#include "gui_test_support.h"
#include "model/palette_entry.h"
#include "shared/text_encoding.h"

namespace {

class PaletteDialogs : public GuiTest {};

TEST_F(PaletteDialogs, SelectRefusesOkWithoutALineAndStaysOpen) {
    std::unique_ptr<UI_LIST, void (*)(UI_LIST*)> list(new UI_LIST(nullptr), DiscardPaletteList);
    for (const wchar_t* name : {L"One", L"Two", L"Three"}) {
        auto* entry = new PaletteEntry;
        entry->m_Name = name;
        list->Add(entry);
    }
    // A huge description shows only as far as anyone reads it, so the dialog opens at once.
    PaletteAt(*list, 2)->m_Description = CString(std::size_t{10} << 20, L'd');
    MessageBoxSeen seen;
    bool openAfterRefusal = false;
    QString longLine;
    Script()
        .Then([&](QDialog& d) {
            ClickDlgItem(d, IDOK); // answered by the box below
            openAfterRefusal = d.isVisible();
            auto& dlg = dynamic_cast<CDialog&>(d);
            auto* lines = qobject_cast<QListWidget*>(dlg.GetDlgItem(IDC_PALETTE_LIST));
            longLine = lines->item(2)->text();
            lines->setCurrentRow(2);
            ClickDlgItem(d, IDOK);
        })
        .Then(AnswerMessageBox(QMessageBox::Ok, &seen));
    CSelPaletteDlg dlg(list.get(), nullptr);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nSelected, 2);
    EXPECT_EQ(longLine,
              QStringLiteral("Three - ") + QString(992, QLatin1Char('d')) + QChar(0x2026));
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(seen.caption, QStringLiteral("Error"));
    EXPECT_EQ(seen.text, QStringLiteral("You need to select a palette"));
    EXPECT_EQ(seen.owner, &dlg);
}

TEST_F(PaletteDialogs, AddTakesOnlyTextsAFileCanHold) {
    for (const CaseRow& row : ReadCaseTable("palette_texts.txt")) {
        SCOPED_TRACE(row.where);
        const CString name = row[0] == "{40000 x}" ? CString(40000, L'x') : FromUtf8(row[0]);
        const CString description = FromUtf8(row[1]);
        // The edit whose text is refused, 0 when OK is accepted.
        const int refused = row[2] == "none"   ? 0
                            : row[2] == "name" ? IDC_PALETTE_NAME
                                               : IDC_PALETTE_DESCRIPTION;
        MessageBoxSeen seen;
        CString nameAfter;
        CString descriptionAfter;
        bool refusedHasFocus = false;
        Script().Then([&](QDialog& d) {
            auto& dlg = dynamic_cast<CDialog&>(d);
            dlg.SetDlgItemText(IDC_PALETTE_NAME, name);
            dlg.SetDlgItemText(IDC_PALETTE_DESCRIPTION, description);
            ClickDlgItem(d, IDOK);
            if (d.isVisible()) { // refused, the texts as typed
                nameAfter = dlg.GetDlgItemText(IDC_PALETTE_NAME);
                descriptionAfter = dlg.GetDlgItemText(IDC_PALETTE_DESCRIPTION);
                refusedHasFocus = d.focusWidget() == dlg.GetDlgItem(refused);
                ClickDlgItem(d, IDCANCEL);
            }
        });
        if (refused != 0) {
            Script().Then(AnswerMessageBox(QMessageBox::Ok, &seen));
        }
        CAddPaletteDlg dlg(nullptr);
        if (refused == 0) {
            EXPECT_EQ(dlg.DoModal(), IDOK);
            EXPECT_EQ(dlg.m_strName, name);
            EXPECT_EQ(dlg.m_strDescription, description);
            continue;
        }
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_TRUE(refusedHasFocus) << "open, on the refused text";
        EXPECT_EQ(seen.caption, QStringLiteral("Error"));
        EXPECT_EQ(seen.owner, &dlg);
        EXPECT_TRUE(seen.text.contains(QString::fromStdString(row[3]))) << seen.text.toStdString();
        EXPECT_EQ(nameAfter, name);
        EXPECT_EQ(descriptionAfter, description);
    }
}

} // namespace

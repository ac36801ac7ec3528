// The small dialogs of the palette commands on their own: choosing a line in the Select
// dialog, and the texts the Add/Rename dialog accepts and refuses.
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "editor/add_palette_dlg.h"
#include "editor/sel_palette_dlg.h"
#include "gui_test_support.h"
#include "model/palette_entry.h"
#include "platform/qt_text.h"
#include "resources/resource.h"

namespace {

class PaletteDialogs : public GuiTest {};

using ListPtr = std::unique_ptr<UI_LIST, void (*)(UI_LIST*)>;

ListPtr ListOf(std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> palettes) {
    ListPtr list(new UI_LIST(nullptr), DiscardPaletteList);
    for (const auto& [name, description] : palettes) {
        auto* entry = new PaletteEntry;
        entry->m_Name = name;
        entry->m_Description = description;
        list->Add(entry);
    }
    return list;
}

QListWidget* ListBoxOf(QDialog& d) {
    return qobject_cast<QListWidget*>(dynamic_cast<CDialog&>(d).GetDlgItem(IDC_PALETTE_LIST));
}

QString ItemTextOf(QDialog& d, int id) {
    return ToQString(dynamic_cast<CDialog&>(d).GetDlgItemText(id));
}

void SetItemText(QDialog& d, int id, const CString& text) {
    dynamic_cast<CDialog&>(d).SetDlgItemText(id, text);
}

TEST_F(PaletteDialogs, SelectRefusesOkWithoutALineAndStaysOpen) {
    const ListPtr list = ListOf({{L"One", L"1"}, {L"Two", L"2"}, {L"Three", L"3"}});
    MessageBoxSeen seen;
    bool openAfterRefusal = false;
    QDialog* selectDialog = nullptr;
    Script()
        .Then([&](QDialog& d) {
            selectDialog = &d;
            ClickDlgItem(d, IDOK); // answered by the box below
            openAfterRefusal = d.isVisible();
            ListBoxOf(d)->setCurrentRow(2);
            ClickDlgItem(d, IDOK);
        })
        .Then(AnswerMessageBox(QMessageBox::Ok, &seen));
    CSelPaletteDlg dlg(list.get(), nullptr);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nSelected, 2);
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(seen.caption, QStringLiteral("Error"));
    EXPECT_EQ(seen.text, QStringLiteral("You need to select a palette"));
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(seen.owner, selectDialog);
}

TEST_F(PaletteDialogs, DoubleClickChoosesItsLine) {
    const ListPtr list = ListOf({{L"One", L"1"}, {L"Two", L"2"}, {L"Three", L"3"}});
    Script().Then([](QDialog& d) {
        QListWidget* box = ListBoxOf(d);
        const QPoint centre = box->visualItemRect(box->item(1)).center();
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, centre);
        // The release that ends a real double click (it also lets the test library know
        // the button is up again).
        QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, centre);
    });
    CSelPaletteDlg dlg(list.get(), nullptr);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nSelected, 1);
}

TEST_F(PaletteDialogs, AcceptsEveryTextAPaletteFileGivesBack) {
    const CString longName(2000, L'x');
    const std::pair<CString, CString> accepted[] = {
        {L"Plotter", L""},                     // an empty description
        {L"   ", L"  "},                       // blanks only, kept as typed
        {L" Indented ", L"trailing blank "},   // not trimmed
        {longName, longName},                  // any length
        {L"Caf\u00e9 \u20ac <&>", L"a, b; c"}, // Windows-1252 beyond ASCII; a comma after the name
        {L"100%s %d", L"%ls"},                 // no formatting anywhere
    };
    for (const auto& [name, description] : accepted) {
        Script().Then([&name = name, &description = description](QDialog& d) {
            SetItemText(d, IDC_PALETTE_NAME, name);
            SetItemText(d, IDC_PALETTE_DESCRIPTION, description);
            ClickDlgItem(d, IDOK);
        });
        CAddPaletteDlg dlg(nullptr);
        EXPECT_EQ(dlg.DoModal(), IDOK) << ToQString(name).left(20).toStdString();
        EXPECT_EQ(dlg.m_strName, name);
        EXPECT_EQ(dlg.m_strDescription, description);
    }
}

TEST_F(PaletteDialogs, RefusesTextsAPaletteFileWouldChange) {
    struct Case {
        const wchar_t* name;
        const wchar_t* description;
        int edit;      // the edit whose text is refused
        QString named; // how the message names the character
    };
    const Case cases[] = {
        {L"", L"any", IDC_PALETTE_NAME,
         QStringLiteral("You must at least supply a name for the palette")},
        {L"Red,Green", L"", IDC_PALETTE_NAME, QStringLiteral("comma (\",\")")},
        {L"No#1", L"", IDC_PALETTE_NAME, QStringLiteral("\"#\"")},
        {L"One", L"see #2", IDC_PALETTE_DESCRIPTION, QStringLiteral("\"#\"")},
        {L"Greek \u03b1", L"", IDC_PALETTE_NAME, QStringLiteral("\"\u03b1\" (U+03B1)")},
        {L"One", L"\u2192 arrow", IDC_PALETTE_DESCRIPTION, QStringLiteral("\"\u2192\" (U+2192)")},
        {L"Two\nlines", L"", IDC_PALETTE_NAME, QStringLiteral("line break")},
        // The name is looked at first; its first refused character is the one named.
        {L"a#b,c", L"#", IDC_PALETTE_NAME, QStringLiteral("\"#\"")},
    };
    for (const Case& c : cases) {
        const QString what = ToQString(c.name) + QLatin1Char('|') + ToQString(c.description);
        MessageBoxSeen seen;
        QString nameAfter;
        QString descriptionAfter;
        QWidget* focusAfter = nullptr;
        QWidget* refusedEdit = nullptr;
        QDialog* addDialog = nullptr;
        bool openAfter = false;
        Script()
            .Then([&](QDialog& d) {
                addDialog = &d;
                SetItemText(d, IDC_PALETTE_NAME, c.name);
                SetItemText(d, IDC_PALETTE_DESCRIPTION, c.description);
                ClickDlgItem(d, IDOK);
                openAfter = d.isVisible();
                nameAfter = ItemTextOf(d, IDC_PALETTE_NAME);
                descriptionAfter = ItemTextOf(d, IDC_PALETTE_DESCRIPTION);
                focusAfter = d.focusWidget();
                refusedEdit = dynamic_cast<CDialog&>(d).GetDlgItem(c.edit);
                ClickDlgItem(d, IDCANCEL);
            })
            .Then(AnswerMessageBox(QMessageBox::Ok, &seen));
        CAddPaletteDlg dlg(nullptr);
        EXPECT_EQ(dlg.DoModal(), IDCANCEL) << what.toStdString();
        EXPECT_TRUE(openAfter) << what.toStdString();
        EXPECT_EQ(seen.caption, QStringLiteral("Error")) << what.toStdString();
        EXPECT_EQ(seen.icon, QMessageBox::Warning) << what.toStdString();
        EXPECT_EQ(seen.owner, addDialog) << what.toStdString();
        EXPECT_TRUE(seen.text.contains(c.named)) << seen.text.toStdString();
        EXPECT_EQ(nameAfter, ToQString(c.name)) << what.toStdString();
        EXPECT_EQ(descriptionAfter, ToQString(c.description)) << what.toStdString();
        EXPECT_EQ(focusAfter, refusedEdit) << what.toStdString();
    }
}

} // namespace

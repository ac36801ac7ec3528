// The palette list commands of the editor: what each outcome does to the list, the current
// palette and the modified flag, and the messages of the single-palette cases.
#include <QListWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "editor_test_support.h"
#include "gui_test_support.h"
#include "platform/profile.h"
#include "platform/qt_text.h"
#include "resources/resource.h"

namespace {

using Names = std::vector<std::wstring>;

class PaletteCommands : public EditorTest {
protected:
    // Replaces the list by palettes of these names ("about <name>" their descriptions), the
    // one at current made current.
    void UsePalettes(const Names& names, int current) {
        dlg->m_pPaletteList->Destroy();
        for (const std::wstring& name : names) {
            auto* entry = new PaletteEntry;
            entry->m_Name = name;
            entry->m_Description = L"about " + name;
            dlg->m_pPaletteList->Add(entry);
        }
        dlg->SetCurrentPalette(current);
    }
    Names PaletteNames() const {
        Names names;
        for (const UI_ELEMENT* e = dlg->m_pPaletteList->First(); e != nullptr; e = e->Next()) {
            names.push_back(dynamic_cast<const PaletteEntry*>(e)->m_Name);
        }
        return names;
    }
};

ModalHandler ChooseLine(int line) {
    return [line](QDialog& d) {
        auto* list =
            qobject_cast<QListWidget*>(dynamic_cast<CDialog&>(d).GetDlgItem(IDC_PALETTE_LIST));
        list->setCurrentRow(line);
        ClickDlgItem(d, IDOK);
    };
}

ModalHandler EnterTexts(const wchar_t* name, const wchar_t* description) {
    return [name, description](QDialog& d) {
        auto& dlg = dynamic_cast<CDialog&>(d);
        dlg.SetDlgItemText(IDC_PALETTE_NAME, name);
        dlg.SetDlgItemText(IDC_PALETTE_DESCRIPTION, description);
        ClickDlgItem(d, IDOK);
    };
}

// The palettes (by name), which of them is current, and the modified flag.
struct State {
    Names palettes;
    int current;
    bool modified;
};

TEST_F(PaletteCommands, EachOutcomeChangesWhatItShould) {
    const Names abc = {L"A", L"B", L"C"};
    const Names one = {L"Only"};
    const ModalHandler yes = AnswerMessageBox(QMessageBox::Yes);
    const ModalHandler no = AnswerMessageBox(QMessageBox::No);
    const ModalHandler cancel = [](QDialog& d) { ClickDlgItem(d, IDCANCEL); };
    const struct {
        const char* what;
        State before;
        int command;
        std::vector<ModalHandler> answers;
        State after;
        bool madeCurrent; // a palette made current starts on pen 1
    } rows[] = {
        // clang-format off
        {"Select, OK", {abc, 0, false}, ID_SELECT_PALETTE, {ChooseLine(2)}, {abc, 2, false}, true},
        {"Select, OK, flag kept", {abc, 0, true}, ID_SELECT_PALETTE, {ChooseLine(1)}, {abc, 1, true}, true},
        {"Select, OK, the current again", {abc, 1, false}, ID_SELECT_PALETTE, {ChooseLine(1)}, {abc, 1, false}, true},
        {"Add, OK", {abc, 1, false}, ID_ADD_PALETTE, {EnterTexts(L"New", L"added")}, {{L"A", L"B", L"C", L"New"}, 3, true}, true},
        {"Delete, OK, the current one", {abc, 1, false}, ID_DELETE_PALETTE, {ChooseLine(1)}, {{L"A", L"C"}, 0, true}, true},
        {"Delete, OK, not the current one", {abc, 2, false}, ID_DELETE_PALETTE, {ChooseLine(1)}, {{L"A", L"C"}, 0, true}, true},
        {"Delete, OK, the first of two", {{L"1st", L"2nd"}, 0, false}, ID_DELETE_PALETTE, {ChooseLine(0)}, {{L"2nd"}, 0, true}, true},
        {"Rename, OK", {abc, 2, false}, ID_RENAME_PALETTE, {EnterTexts(L"Z", L"")}, {{L"A", L"B", L"Z"}, 2, true}, false},
        {"Rename, OK, same texts", {abc, 1, false}, ID_RENAME_PALETTE, {EnterTexts(L"B", L"about B")}, {abc, 1, true}, false},
        {"Select, Cancel", {abc, 1, true}, ID_SELECT_PALETTE, {cancel}, {abc, 1, true}, false},
        {"Add, Cancel", {abc, 1, false}, ID_ADD_PALETTE, {cancel}, {abc, 1, false}, false},
        {"Delete, Cancel", {abc, 1, false}, ID_DELETE_PALETTE, {cancel}, {abc, 1, false}, false},
        {"Rename, Cancel", {abc, 1, false}, ID_RENAME_PALETTE, {cancel}, {abc, 1, false}, false},
        {"Select, single, No", {one, 0, true}, ID_SELECT_PALETTE, {no}, {one, 0, true}, false},
        {"Select, single, Yes, Add cancelled", {one, 0, false}, ID_SELECT_PALETTE, {yes, cancel}, {one, 0, false}, false},
        {"Select, single, Yes, Add", {one, 0, false}, ID_SELECT_PALETTE, {yes, EnterTexts(L"2nd", L"")}, {{L"Only", L"2nd"}, 1, true}, true},
        {"Delete, single, No", {one, 0, true}, ID_DELETE_PALETTE, {no}, {one, 0, true}, false},
        {"Delete, single, Yes, no file", {one, 0, true}, ID_DELETE_PALETTE, {yes, AnswerMessageBox(QMessageBox::Ok)}, {one, 0, true}, false},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        UsePalettes(row.before.palettes, row.before.current);
        dlg->m_bModified = row.before.modified;
        dlg->m_nSelectedPen = 7;
        for (const ModalHandler& answer : row.answers) {
            Script().Then(answer);
        }
        const PaletteEntry* currentBefore = dlg->m_pCurrentPalette;
        dlg->SendCommand(row.command);
        EXPECT_EQ(PaletteNames(), row.after.palettes);
        EXPECT_EQ(dlg->m_pPaletteList->Index(dlg->m_pCurrentPalette), row.after.current);
        EXPECT_EQ(dlg->m_bModified, row.after.modified);
        EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Tintora"));
        const PaletteEntry& current = *dlg->m_pCurrentPalette;
        EXPECT_EQ(ItemText(*dlg, IDC_PALETTE_LABEL),
                  ToQString(L"Current palette: " + current.m_Name + L" (" + current.m_Description +
                            L")"));
        EXPECT_EQ(dlg->m_nSelectedPen, row.madeCurrent ? 1 : 7);
        if (!row.madeCurrent) {
            EXPECT_EQ(dlg->m_pCurrentPalette, currentBefore);
        }
    }
}

TEST_F(PaletteCommands, MessagesOfTheSinglePaletteCases) {
    const std::pair<int, QString> cases[] = {
        {ID_SELECT_PALETTE,
         QStringLiteral("There is only one palette in the file\ntherefore "
                        "nothing to select.\n\nWould you like to add another ?")},
        {ID_DELETE_PALETTE,
         QStringLiteral("There is only one palette in the file\ntherefore nothing present that "
                        "can be deleted\n\nWould you like the current file unloaded instead ?")},
    };
    for (const auto& [command, offer] : cases) {
        MessageBoxSeen seen;
        Script().Then(AnswerMessageBox(QMessageBox::No, &seen));
        dlg->SendCommand(command);
        EXPECT_EQ(seen.caption, QStringLiteral("Info"));
        EXPECT_EQ(seen.text, offer);
        EXPECT_EQ(seen.icon, QMessageBox::Question);
        EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    }
    MessageBoxSeen notLoaded;
    Script()
        .Then(AnswerMessageBox(QMessageBox::Yes))
        .Then(AnswerMessageBox(QMessageBox::Ok, &notLoaded));
    dlg->SendCommand(ID_DELETE_PALETTE);
    EXPECT_EQ(notLoaded.text,
              QStringLiteral("This is the default palette and was not loaded initially"));
    EXPECT_EQ(notLoaded.icon, QMessageBox::Warning);
}

} // namespace

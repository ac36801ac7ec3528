// The palette list commands of the editor: what each outcome does to the list, the current
// palette and the modified flag (data/cases/palette_outcomes.txt), and the messages of the
// single-palette cases.
#include <sstream>

#include "editor_test_support.h"

namespace {

class PaletteCommands : public EditorTest {
protected:
    // Replaces the list by palettes of these names ("about <name>" their descriptions), as
    // the table writes a state: "A B* C +".
    void UseState(const std::string& state) {
        dlg->m_pPaletteList->Destroy();
        std::istringstream words(state);
        int current = 0;
        for (std::string word; words >> word;) {
            if (word == "+") {
                continue;
            }
            current =
                word.ends_with('*') ? static_cast<int>(dlg->m_pPaletteList->Count()) : current;
            auto* entry = new PaletteEntry;
            entry->m_Name = FromUtf8(word.substr(0, word.find('*')));
            entry->m_Description = L"about " + entry->m_Name;
            dlg->m_pPaletteList->Add(entry);
        }
        dlg->SetCurrentPalette(current);
        dlg->m_bModified = state.ends_with('+');
    }
};

const std::map<std::string, int> kCommands = {{"select", ID_SELECT_PALETTE},
                                              {"add", ID_ADD_PALETTE},
                                              {"delete", ID_DELETE_PALETTE},
                                              {"rename", ID_RENAME_PALETTE}};

// One answer as the table writes it.
ModalHandler AnswerOf(const std::string& answer) {
    if (answer.starts_with("line ")) {
        return ChooseLine(std::stoi(answer.substr(5)));
    }
    if (answer.starts_with("enter ")) {
        const std::size_t slash = answer.find('/');
        return [name = FromUtf8(answer.substr(6, slash - 6)),
                description = FromUtf8(answer.substr(slash + 1))](QDialog& d) {
            dynamic_cast<CDialog&>(d).SetDlgItemText(IDC_PALETTE_NAME, name);
            dynamic_cast<CDialog&>(d).SetDlgItemText(IDC_PALETTE_DESCRIPTION, description);
            ClickDlgItem(d, IDOK);
        };
    }
    if (answer == "cancel") {
        return [](QDialog& d) { ClickDlgItem(d, IDCANCEL); };
    }
    return AnswerMessageBox(answer == "yes"  ? QMessageBox::Yes
                            : answer == "no" ? QMessageBox::No
                                             : QMessageBox::Ok);
}

TEST_F(PaletteCommands, EachOutcomeChangesWhatItShould) {
    for (const CaseRow& row : ReadCaseTable("palette_outcomes.txt")) {
        SCOPED_TRACE(row.where);
        UseState(row[0]);
        dlg->m_nSelectedPen = 7;
        std::istringstream answers(row[2]);
        for (std::string answer; std::getline(answers >> std::ws, answer, ';');) {
            Script().Then(AnswerOf(answer));
        }
        const PaletteEntry* currentBefore = dlg->m_pCurrentPalette;
        dlg->SendCommand(kCommands.at(row[1]));
        EXPECT_EQ(ListState(), row[3]);
        EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Tintora"));
        const PaletteEntry& current = *dlg->m_pCurrentPalette;
        EXPECT_EQ(ItemText(*dlg, IDC_PALETTE_LABEL),
                  ToQString(L"Current palette: " + current.m_Name + L" (" + current.m_Description +
                            L")"));
        EXPECT_EQ(dlg->m_nSelectedPen, row[4] == "yes" ? 1 : 7);
        if (row[4] == "no") {
            EXPECT_EQ(dlg->m_pCurrentPalette, currentBefore);
        }
    }
}

TEST_F(PaletteCommands, MessagesOfTheSinglePaletteCases) {
    for (const CaseRow& row : ReadCaseTable("single_palette.txt")) {
        MessageBoxSeen seen;
        Script().Then(AnswerMessageBox(QMessageBox::No, &seen));
        dlg->SendCommand(kCommands.at(row[0]));
        EXPECT_EQ(seen.caption, QStringLiteral("Info"));
        EXPECT_EQ(seen.text.toStdString(), row[1]);
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

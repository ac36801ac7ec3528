// The palette list commands of the editor: what each outcome does to the list, the current
// palette and the modified flag (data/cases/palette_outcomes.txt), the messages of the
// single-palette cases, the Select dialog refusing OK without a line, and the texts the
// Add/Rename dialog accepts and refuses (data/cases/palette_texts.txt).
#include <QScrollBar>
#include <sstream>

#include "editor/add_palette_dlg.h"
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
        return EnterPalette(FromUtf8(answer.substr(6, slash - 6)),
                            FromUtf8(answer.substr(slash + 1)));
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
        SCOPED_TRACE(row.where);
        const bool question = row[2] == "question";
        MessageBoxSeen seen; // the last box shown
        Script().Then(AnswerMessageBox(question ? QMessageBox::No : QMessageBox::Yes, &seen));
        if (!question) {
            Script().Then(AnswerMessageBox(QMessageBox::Ok, &seen));
        }
        dlg->SendCommand(kCommands.at(row[0]));
        EXPECT_EQ(seen.caption.toStdString(), row[1]);
        EXPECT_EQ(seen.text.toStdString(), row[3]);
        EXPECT_EQ(seen.icon, question ? QMessageBox::Question : QMessageBox::Warning);
        EXPECT_EQ(seen.buttons, question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    }
}

// OK without a line is refused and the dialog stays open. A huge description shows only as
// far as anyone reads it, so the dialog opens at once.
TEST_F(PaletteCommands, SelectRefusesOkWithoutALineAndStaysOpen) {
    UseState("One* Two Three");
    PaletteAt(*dlg->m_pPaletteList, 1)->m_Description = CString(std::size_t{10} << 20, L'd');
    MessageBoxSeen seen;
    QDialog* select = nullptr;
    bool openAfterRefusal = false;
    QString longLine;
    int scrollsTo = 0;
    int longWidth = 0;
    Script()
        .Then([&](QDialog& d) {
            select = &d;
            ClickDlgItem(d, IDOK); // answered by the box below
            openAfterRefusal = d.isVisible();
            auto* lines =
                qobject_cast<QListWidget*>(dynamic_cast<CDialog&>(d).GetDlgItem(IDC_PALETTE_LIST));
            longLine = lines->item(1)->text();
            d.grab(); // laid out: the list scrolls as wide as its widest line, not its last
            scrollsTo = lines->horizontalScrollBar()->maximum() + lines->viewport()->width();
            longWidth = lines->fontMetrics().horizontalAdvance(longLine);
            lines->setCurrentRow(2);
            ClickDlgItem(d, IDOK);
        })
        .Then(AnswerMessageBox(QMessageBox::Ok, &seen));
    dlg->SendCommand(ID_SELECT_PALETTE);
    EXPECT_EQ(ListState(), "One Two Three*");
    EXPECT_EQ(longLine, QStringLiteral("Two - ") + QString(994, QLatin1Char('d')) + QChar(0x2026));
    EXPECT_GE(scrollsTo, longWidth);
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(seen.caption, QStringLiteral("Error"));
    EXPECT_EQ(seen.text, QStringLiteral("You need to select a palette"));
    EXPECT_EQ(seen.owner, select);
}

TEST_F(PaletteCommands, AddTakesOnlyTextsAFileCanHold) {
    for (const CaseRow& row : ReadCaseTable("palette_texts.txt")) {
        SCOPED_TRACE(row.where);
        const CString name = row[0] == "{40000 x}" ? CString(40000, L'x') : FromUtf8(row[0]);
        const CString description = FromUtf8(row[1]);
        // The edit whose text is refused, 0 when OK is accepted.
        const int refused = row[2] == "none"   ? 0
                            : row[2] == "name" ? IDC_PALETTE_NAME
                                               : IDC_PALETTE_DESCRIPTION;
        MessageBoxSeen seen;
        CString textsAfter; // name and description
        bool refusedHasFocus = false;
        Script().Then([&](QDialog& d) {
            EnterPalette(name, description)(d);
            if (d.isVisible()) { // refused, the texts as typed
                auto& shown = dynamic_cast<CDialog&>(d);
                textsAfter = shown.GetDlgItemText(IDC_PALETTE_NAME) + L"|" +
                             shown.GetDlgItemText(IDC_PALETTE_DESCRIPTION);
                refusedHasFocus = d.focusWidget() == shown.GetDlgItem(refused);
                ClickDlgItem(d, IDCANCEL);
            }
        });
        if (refused != 0) {
            Script().Then(AnswerMessageBox(QMessageBox::Ok, &seen));
        }
        CAddPaletteDlg box(nullptr);
        if (refused == 0) {
            EXPECT_EQ(box.DoModal(), IDOK);
            EXPECT_EQ(box.m_strName, name);
            EXPECT_EQ(box.m_strDescription, description);
            continue;
        }
        EXPECT_EQ(box.DoModal(), IDCANCEL);
        EXPECT_TRUE(refusedHasFocus) << "open, on the refused text";
        EXPECT_EQ(seen.caption, QStringLiteral("Error"));
        EXPECT_EQ(seen.owner, &box);
        EXPECT_TRUE(seen.text.contains(QString::fromStdString(row[3]))) << seen.text.toStdString();
        EXPECT_EQ(textsAfter, name + L"|" + description);
    }
}

} // namespace

// Undo and redo through every kind of change, the modified flag following the history, and
// the selected pen's colour through the clipboard (the forms Paste takes: data/cases/paste.txt).
#include <QAction>
#include <QClipboard>

#include "colour/derive.h"
#include "editor_test_support.h"

namespace {

class History : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        const QString file = folders.Other() + QStringLiteral("/three.pal");
        ASSERT_TRUE(CopyTestData(QStringLiteral("cli/three_palettes.pal"), file));
        dlg->OpenFromOutside(FromQString(file));
    }
    void Key(QKeySequence::StandardKey key) {
        // Shortcuts reach the active window only; a modal dialog may have taken that role.
        dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
        const QKeyCombination combination = QKeySequence(key)[0];
        QTest::keyClick(dlg.get(), combination.key(), combination.keyboardModifiers());
    }
    // The document as one line: the list as ListState gives it, then pen 1's light colour
    // in the current palette.
    std::string State() const {
        return ListState() + " " +
               QString::number(dlg->m_pCurrentPalette->m_Colours[0][1], 16).toStdString();
    }
    std::string ItemOf(int id) const {
        const QAction* action = dlg->GetMenuItem(id);
        return action->isEnabled() ? action->text().toStdString() : "(greyed)";
    }
};

TEST_F(History, EveryChangeUndoesAndRedoesInOrder) {
    std::vector<std::string> states = {State()};
    const std::vector<std::string> undoItems = {"&Undo Pen 1 Colour",      "&Undo Rename Palette",
                                                "&Undo Add Palette",       "&Undo Delete Palette",
                                                "&Undo Import Veldra 3.x", "&Undo Import Palette"};
    const std::function<void()> steps[] = {
        [&] {
            QGuiApplication::clipboard()->setText(QStringLiteral("#0A141E"));
            Key(QKeySequence::Paste);
            // Undo and redo show the change where it was made: light background, pen 1.
            dlg->CheckRadioButton(IDC_LIGHT_BACKGROUND, IDC_DARK_BACKGROUND, IDC_DARK_BACKGROUND);
            dlg->SendCommand(IDC_DARK_BACKGROUND);
            dlg->SelectPen(9);
            dlg->SendCommand(ID_EDIT_UNDO);
            dlg->SendCommand(ID_EDIT_REDO);
            EXPECT_EQ(dlg->IsDlgButtonChecked(IDC_LIGHT_BACKGROUND), BST_CHECKED);
            EXPECT_EQ(dlg->m_nBackground * 1000 + dlg->m_nSelectedPen, 1);
        },
        [&] {
            Script().Then(EnterPalette(L"Renamed", L"about it"));
            dlg->SendCommand(ID_RENAME_PALETTE);
        },
        [&] {
            Script().Then(EnterPalette(L"Added", L""));
            dlg->SendCommand(ID_ADD_PALETTE);
        },
        [&] {
            Script().Then(ChooseLine(1));
            dlg->SendCommand(ID_DELETE_PALETTE);
        },
        [&] {
            Script().Then(AnswerMessageBox(QMessageBox::No)); // the save question
            Script().Then(
                AnswerFileDialog(QStringLiteral(TINTORA_TEST_DATA_DIR "/cli/legacy.ini")));
            dlg->SelectPen(9);
            dlg->SendCommand(ID_IMPORT_VELDRA);
            // The new palette joins the list as the current one, on pen 1.
            EXPECT_EQ(dlg->m_nSelectedPen, 1);
            EXPECT_EQ(ItemText(*dlg, IDC_PALETTE_LABEL),
                      QStringLiteral("Current palette: Veldra 3 (Imported Veldra 3 palette)"));
        },
        [&] {
            // Two palettes from one file: one step.
            const QString two = folders.Other() + QStringLiteral("/two.json");
            ASSERT_TRUE(WriteFile(
                two, R"({"palettes":[{"name":"A","light":["#000000","#0a0b0c"]},{"name":"B"}]})"));
            Script().Then(AnswerFileDialog(two));
            dlg->SendCommand(ID_IMPORT_PALETTE);
        },
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        steps[i]();
        states.push_back(State());
        EXPECT_EQ(ItemOf(ID_EDIT_UNDO), undoItems[i]);
    }
    EXPECT_EQ(states[1], "Alpha* Twin Twin + 1e140a");
    EXPECT_EQ(states[5], "Renamed Twin Added Veldra 3* + ff");
    EXPECT_EQ(states[6], "Renamed Twin Added Veldra 3 A* B + c0b0a");
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        Key(QKeySequence::Undo);
        EXPECT_EQ(State(), states[i - 1]) << "undoing step " << i;
    }
    EXPECT_EQ(ItemOf(ID_EDIT_UNDO), "(greyed)");
    for (std::size_t i = 1; i < states.size(); ++i) {
        dlg->SendCommand(ID_EDIT_REDO);
        EXPECT_EQ(State(), states[i]) << "redoing step " << i;
    }
    EXPECT_EQ(ItemOf(ID_EDIT_REDO), "(greyed)");

    MessageBoxSeen saved;
    Script().Then(AnswerMessageBox(QMessageBox::Ok, &saved));
    Key(QKeySequence::Save);
    EXPECT_EQ(saved.text, QStringLiteral("Palette file has been saved"));
    EXPECT_FALSE(dlg->m_bModified);
    Key(QKeySequence::Undo);
    EXPECT_TRUE(dlg->m_bModified);
    dlg->SendCommand(ID_EDIT_REDO);
    EXPECT_FALSE(dlg->m_bModified);
    Script().Then(AnswerMessageBox(QMessageBox::Ok, &saved));
    dlg->SendCommand(ID_FILE_SAVE);
    EXPECT_EQ(saved.text, QStringLiteral("Palette has not been changed !"));

    dlg->SendCommand(ID_FILE_NEW); // a new document starts a new history
    EXPECT_EQ(ItemOf(ID_EDIT_UNDO), "(greyed)");
}

TEST_F(History, DeriveReplacesOneBackgroundsColoursInOneStep) {
    const auto before = dlg->m_pCurrentPalette->m_Colours;
    for (const auto& [item, variant, name] : {std::tuple{ID_DERIVE_DARK, 1, "Derive Dark Colours"},
                                              {ID_DERIVE_LIGHT, 0, "Derive Light Colours"}}) {
        dlg->SelectPen(9);
        dlg->SendCommand(item);
        const auto& after = dlg->m_pCurrentPalette->m_Colours;
        EXPECT_EQ(ItemOf(ID_EDIT_UNDO), std::string("&Undo ") + name);
        EXPECT_EQ(ListState(), "Alpha* Twin Twin +");
        // Shown on the derived background, the selected pen kept.
        EXPECT_EQ(dlg->m_nBackground * 1000 + dlg->m_nSelectedPen, variant * 1000 + 9);
        EXPECT_EQ(after[1 - variant], before[1 - variant]);
        EXPECT_EQ(after[variant][0], before[variant][0]);
        EXPECT_NE(after[variant], before[variant]);
        for (int pen = 1; pen < kPenCount; ++pen) {
            ASSERT_EQ(after[variant][pen], DeriveColour(before[1 - variant][pen], variant)) << pen;
        }
        Key(QKeySequence::Undo);
        EXPECT_EQ(dlg->m_pCurrentPalette->m_Colours, before);
        EXPECT_EQ(ListState(), "Alpha* Twin Twin");
    }
}

TEST_F(History, PasteTakesTheUsualColourFormsAndNothingElse) {
    for (const CaseRow& row : ReadCaseTable("paste.txt")) {
        SCOPED_TRACE(row.where);
        QGuiApplication::clipboard()->setText(QString::fromStdString(row[0]));
        dlg->SendCommand(ID_EDIT_PASTE);
        const bool taken = row[1] != "none";
        EXPECT_EQ(Rgb(dlg->m_pCurrentPalette->m_Colours[0][1]), taken ? row.Hex(1) : 0xff0000);
        EXPECT_EQ(dlg->m_bModified, taken);
        if (taken) {
            dlg->SendCommand(ID_EDIT_UNDO);
        }
    }
    dlg->SelectPen(69);
    dlg->SendCommand(ID_EDIT_COPY);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("#8daa55"));
}

} // namespace

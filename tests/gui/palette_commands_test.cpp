// The palette list commands of the editor: what each outcome does to the list, the current
// palette, the modified flag and the window, and the messages on the way.
#include <QListWidget>
#include <QPaintEvent>
#include <QRegion>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

#include "data_folders.h"
#include "editor_test_support.h"
#include "file_dialog_answers.h"
#include "files/palette_file.h"
#include "gui_test_support.h"
#include "model/default_colours.h"
#include "platform/profile.h"
#include "platform/qt_text.h"
#include "resources/resource.h"

namespace {

// Collects what a widget repaints.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* widget) : m_pWidget(widget) {
        widget->installEventFilter(this);
    }
    ~PaintRecorder() override { m_pWidget->removeEventFilter(this); }
    PaintRecorder(const PaintRecorder&) = delete;
    PaintRecorder& operator=(const PaintRecorder&) = delete;

    void Clear() { m_painted = QRegion(); }
    const QRegion& Painted() const { return m_painted; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_pWidget && event->type() == QEvent::Paint) {
            m_painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }

private:
    QWidget* m_pWidget;
    QRegion m_painted;
};

enum class Repaint { None, Whole, LabelOnly };

void PrintTo(Repaint repaint, std::ostream* os) {
    *os << (repaint == Repaint::None    ? "no repaint"
            : repaint == Repaint::Whole ? "the whole window"
                                        : "the label");
}

class PaletteCommands : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteProfileInt(L"DialogData\\Tintora", L"ShowWarning", 0);
        m_pDlg = OpenEditor();
        m_pPaints = std::make_unique<PaintRecorder>(m_pDlg->Client());
        m_pLabelPaints = std::make_unique<PaintRecorder>(m_pDlg->GetDlgItem(IDC_PALETTE_LABEL));
    }
    void TearDown() override {
        m_pPaints.reset();
        m_pLabelPaints.reset();
        m_pDlg.reset();
        GuiTest::TearDown();
    }

    // Replaces the list by palettes of these names, each with colours of its own (every pen
    // of palette i is grey i + 1), the one at current made current.
    void UsePalettes(const std::vector<std::wstring>& names, int current = 0) {
        CTintoraDlg& dlg = *m_pDlg;
        dlg.m_pPaletteList->Destroy();
        for (std::size_t i = 0; i < names.size(); ++i) {
            auto* entry = new PaletteEntry;
            entry->m_Name = names[i];
            entry->m_Description = L"about " + names[i];
            const int grey = static_cast<int>(i) + 1;
            for (auto& variant : entry->m_Colours) {
                variant.fill(MakeColour(grey, grey, grey));
            }
            dlg.m_pPaletteList->Add(entry);
        }
        dlg.SetCurrentPalette(current);
    }

    std::vector<std::wstring> Names() const {
        std::vector<std::wstring> names;
        for (const UI_ELEMENT* e = m_pDlg->m_pPaletteList->First(); e != nullptr; e = e->Next()) {
            names.push_back(dynamic_cast<const PaletteEntry*>(e)->m_Name);
        }
        return names;
    }
    int CurrentIndex() const { return m_pDlg->m_pPaletteList->Index(m_pDlg->m_pCurrentPalette); }

    // Runs the command with the window settled before and after, and says what repainted.
    Repaint Run(int command) {
        Settle();
        m_pPaints->Clear();
        m_pLabelPaints->Clear();
        m_pDlg->SendCommand(command);
        Settle();
        // Labels fill their own background, so the client's paint never covers them: a
        // whole repaint shows in the pen areas, all of them painted in full.
        const QRegion& painted = m_pPaints->Painted();
        const CTintoraDlg& dlg = *m_pDlg;
        int whole = 0;
        int touched = 0;
        for (const GridRect& area : {dlg.m_rcMainGrid, dlg.m_rcSecondaryGrid, dlg.m_rcStandardGrid,
                                     dlg.m_rcPenSwatch, dlg.m_rcMarkerSwatch}) {
            whole += (QRegion(ToQRect(area)) - painted).isEmpty() ? 1 : 0;
            touched += painted.intersects(ToQRect(area)) ? 1 : 0;
        }
        if (whole == 5) {
            return Repaint::Whole;
        }
        // Controls may repaint on their own (a focused button when the window loses its
        // activation to a dialog), but no pen cell or swatch may have been painted.
        EXPECT_EQ(touched, 0);
        return m_pLabelPaints->Painted().isEmpty() ? Repaint::None : Repaint::LabelOnly;
    }

    std::unique_ptr<CTintoraDlg> m_pDlg;
    std::unique_ptr<PaintRecorder> m_pPaints;
    std::unique_ptr<PaintRecorder> m_pLabelPaints;
};

ModalHandler ChooseLine(int line) {
    return [line](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Select Palette"));
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

ModalHandler Cancel() {
    return [](QDialog& d) { ClickDlgItem(d, IDCANCEL); };
}

// The palettes (by name), which of them is current, and the modified flag.
struct State {
    std::vector<std::wstring> palettes;
    int current;
    bool modified;
};

struct EffectRow {
    const char* what;
    State before;
    int command;
    std::vector<ModalHandler> answers;
    State after;
    Repaint repaint;
};

TEST_F(PaletteCommands, EachOutcomeChangesWhatItShould) {
    const std::vector<std::wstring> abc = {L"A", L"B", L"C"};
    const std::vector<std::wstring> one = {L"Only"};
    const ModalHandler yes = AnswerMessageBox(QMessageBox::Yes);
    const ModalHandler no = AnswerMessageBox(QMessageBox::No);
    const ModalHandler ok = AnswerMessageBox(QMessageBox::Ok);
    // clang-format off
    const EffectRow rows[] = {
        {"Select, OK", {abc, 0, false}, ID_SELECT_PALETTE, {ChooseLine(2)}, {abc, 2, false}, Repaint::Whole},
        {"Select, OK, flag kept", {abc, 0, true}, ID_SELECT_PALETTE, {ChooseLine(1)}, {abc, 1, true}, Repaint::Whole},
        {"Select, OK, the current again", {abc, 1, false}, ID_SELECT_PALETTE, {ChooseLine(1)}, {abc, 1, false}, Repaint::Whole},
        {"Add, OK", {abc, 1, false}, ID_ADD_PALETTE, {EnterTexts(L"New", L"added")}, {{L"A", L"B", L"C", L"New"}, 3, true}, Repaint::Whole},
        {"Delete, OK, the current one", {abc, 1, false}, ID_DELETE_PALETTE, {ChooseLine(1)}, {{L"A", L"C"}, 0, true}, Repaint::Whole},
        {"Delete, OK, not the current one", {abc, 2, false}, ID_DELETE_PALETTE, {ChooseLine(1)}, {{L"A", L"C"}, 0, true}, Repaint::Whole},
        {"Delete, OK, the first of two", {{L"1st", L"2nd"}, 0, false}, ID_DELETE_PALETTE, {ChooseLine(0)}, {{L"2nd"}, 0, true}, Repaint::Whole},
        {"Rename, OK", {abc, 2, false}, ID_RENAME_PALETTE, {EnterTexts(L"Z", L"new")}, {{L"A", L"B", L"Z"}, 2, true}, Repaint::LabelOnly},
        {"Select, Cancel", {abc, 1, true}, ID_SELECT_PALETTE, {Cancel()}, {abc, 1, true}, Repaint::None},
        {"Add, Cancel", {abc, 1, false}, ID_ADD_PALETTE, {Cancel()}, {abc, 1, false}, Repaint::None},
        {"Delete, Cancel", {abc, 1, false}, ID_DELETE_PALETTE, {Cancel()}, {abc, 1, false}, Repaint::None},
        {"Rename, Cancel", {abc, 1, false}, ID_RENAME_PALETTE, {Cancel()}, {abc, 1, false}, Repaint::None},
        {"Select, single, No", {one, 0, true}, ID_SELECT_PALETTE, {no}, {one, 0, true}, Repaint::None},
        {"Select, single, Yes, Add cancelled", {one, 0, false}, ID_SELECT_PALETTE, {yes, Cancel()}, {one, 0, false}, Repaint::None},
        {"Select, single, Yes, Add", {one, 0, false}, ID_SELECT_PALETTE, {yes, EnterTexts(L"2nd", L"")}, {{L"Only", L"2nd"}, 1, true}, Repaint::Whole},
        {"Delete, single, No", {one, 0, true}, ID_DELETE_PALETTE, {no}, {one, 0, true}, Repaint::None},
        {"Delete, single, Yes, no file", {one, 0, true}, ID_DELETE_PALETTE, {yes, ok}, {one, 0, true}, Repaint::None},
    };
    // clang-format on
    for (const EffectRow& row : rows) {
        SCOPED_TRACE(row.what);
        UsePalettes(row.before.palettes, row.before.current);
        m_pDlg->m_bModified = row.before.modified;
        m_pDlg->m_nSelectedPen = 7;
        for (const ModalHandler& answer : row.answers) {
            Script().Then(answer);
        }
        const PaletteEntry* currentBefore = m_pDlg->m_pCurrentPalette;
        EXPECT_EQ(Run(row.command), row.repaint);
        EXPECT_EQ(Names(), row.after.palettes);
        EXPECT_EQ(CurrentIndex(), row.after.current);
        EXPECT_EQ(m_pDlg->m_bModified, row.after.modified);
        EXPECT_EQ(m_pDlg->windowTitle(), QStringLiteral("Tintora"));
        const PaletteEntry& current = *m_pDlg->m_pCurrentPalette;
        EXPECT_EQ(ItemText(*m_pDlg, IDC_PALETTE_LABEL),
                  ToQString(L"Current palette: " + current.m_Name + L" (" + current.m_Description +
                            L")"));
        // A palette made current starts on pen 1; otherwise the selection stays.
        const bool madeCurrent = row.repaint == Repaint::Whole;
        EXPECT_EQ(m_pDlg->m_nSelectedPen, madeCurrent ? 1 : 7);
        if (!madeCurrent) {
            EXPECT_EQ(m_pDlg->m_pCurrentPalette, currentBefore);
        }
    }
}

TEST_F(PaletteCommands, AddedPaletteHasTheBuiltInColoursAndShowsLastInSelect) {
    UsePalettes({L"A", L"B", L"C"}, 1);
    Script().Then(EnterTexts(L"Plotter", L""));
    Run(ID_ADD_PALETTE);
    const PaletteEntry& added = *m_pDlg->m_pCurrentPalette;
    EXPECT_EQ(added.m_Colours[0], DefaultLightColours);
    EXPECT_EQ(added.m_Colours[1], DefaultDarkColours);
    // An empty description leaves an empty pair of parentheses.
    EXPECT_EQ(ItemText(*m_pDlg, IDC_PALETTE_LABEL), QStringLiteral("Current palette: Plotter ()"));
    EXPECT_EQ(Rgb(added.m_Colours[0][1]), PixelOf(PaintedClient(*m_pDlg), 15, 80));

    QStringList lines;
    Script().Then([&lines](QDialog& d) {
        auto* list =
            qobject_cast<QListWidget*>(dynamic_cast<CDialog&>(d).GetDlgItem(IDC_PALETTE_LIST));
        for (int i = 0; i < list->count(); ++i) {
            lines << list->item(i)->text();
        }
        ClickDlgItem(d, IDCANCEL);
    });
    Run(ID_SELECT_PALETTE);
    EXPECT_EQ(lines, (QStringList{QStringLiteral("A - about A"), QStringLiteral("B - about B"),
                                  QStringLiteral("C - about C"), QStringLiteral("Plotter - ")}));
}

TEST_F(PaletteCommands, MessagesOfTheSinglePaletteCases) {
    struct Case {
        int command;
        QString offer;
    };
    const Case cases[] = {
        {ID_SELECT_PALETTE,
         QStringLiteral("There is only one palette in the file\ntherefore "
                        "nothing to select.\n\nWould you like to add another ?")},
        {ID_DELETE_PALETTE,
         QStringLiteral("There is only one palette in the file\ntherefore nothing present that "
                        "can be deleted\n\nWould you like the current file unloaded instead ?")},
    };
    for (const Case& c : cases) {
        MessageBoxSeen seen;
        Script().Then(AnswerMessageBox(QMessageBox::No, &seen));
        Run(c.command);
        EXPECT_EQ(seen.caption, QStringLiteral("Info"));
        EXPECT_EQ(seen.text, c.offer);
        EXPECT_EQ(seen.icon, QMessageBox::Question);
        EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(seen.owner, m_pDlg.get());
    }

    MessageBoxSeen notLoaded;
    Script()
        .Then(AnswerMessageBox(QMessageBox::Yes))
        .Then(AnswerMessageBox(QMessageBox::Ok, &notLoaded));
    Run(ID_DELETE_PALETTE);
    EXPECT_EQ(notLoaded.caption, QStringLiteral("Info"));
    EXPECT_EQ(notLoaded.text,
              QStringLiteral("This is the default palette and was not loaded initially"));
    EXPECT_EQ(notLoaded.icon, QMessageBox::Warning);
    EXPECT_EQ(notLoaded.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

TEST_F(PaletteCommands, UnloadingALoadedFileDropsItsChangesWithoutAsking) {
    DataFolders folders;
    const QString path = folders.Other() + QStringLiteral("/only.pal");
    UI_LIST* only = NewDefaultPaletteList();
    dynamic_cast<PaletteEntry*>(only->First())->m_Name = L"Only";
    ASSERT_TRUE(WritePaletteFile(FromQString(path), *only));
    DiscardPaletteList(only);
    Script().Then(AnswerFileDialog(path));
    m_pDlg->SendCommand(ID_FILE_OPEN);
    ASSERT_EQ(Names(), std::vector<std::wstring>{L"Only"});
    m_pDlg->m_pCurrentPalette->m_Colours[0][5] = MakeColour(1, 2, 3);
    m_pDlg->m_bModified = true;

    // Yes to the offer, and no save question after it: the script would report one.
    Script().Then(AnswerMessageBox(QMessageBox::Yes));
    EXPECT_EQ(Run(ID_DELETE_PALETTE), Repaint::Whole);
    EXPECT_EQ(Names(), std::vector<std::wstring>{L"Default"});
    EXPECT_FALSE(m_pDlg->m_bModified);
    EXPECT_TRUE(m_pDlg->m_strPathName.empty());
    EXPECT_EQ(m_pDlg->windowTitle(), QStringLiteral("Tintora - only.pal"));
    EXPECT_EQ(ItemText(*m_pDlg, IDC_PALETTE_LABEL),
              QStringLiteral("Current palette: Default (Default palette)"));

    // The file is no longer open: Save asks for a name, as for a file never named.
    FileDialogSeen seen;
    Script().Then(CancelFileDialog(&seen));
    m_pDlg->SendCommand(ID_FILE_SAVE);
    EXPECT_TRUE(seen.shown);
    EXPECT_FALSE(seen.open);
    // The dropped change never reached the file.
    const PaletteReadResult read = ReadPaletteFile(FromQString(path));
    ASSERT_NE(read.list, nullptr);
    EXPECT_EQ(PaletteAt(*read.list, 0)->m_Colours[0][5], DefaultLightColours[5]);
    DiscardPaletteList(read.list);
}

TEST_F(PaletteCommands, RenameWithTheSameTextsStillCountsAsAChange) {
    UsePalettes({L"A", L"B"}, 1);
    Script().Then([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Rename Palette"));
        ClickDlgItem(d, IDOK); // the preset texts, unchanged
    });
    EXPECT_EQ(Run(ID_RENAME_PALETTE), Repaint::None); // not even the label: its text is the same
    EXPECT_EQ(m_pDlg->m_pCurrentPalette->m_Name, L"B");
    EXPECT_EQ(m_pDlg->m_pCurrentPalette->m_Description, L"about B");
    EXPECT_TRUE(m_pDlg->m_bModified);
}

TEST_F(PaletteCommands, AboutIsOwnedByTheEditor) {
    QWidget* owner = nullptr;
    QString text;
    Script().Then([&](QDialog& d) {
        owner = d.parentWidget();
        text = ToQString(dynamic_cast<CDialog&>(d).GetDlgItemText(IDC_VERSION));
        ClickDlgItem(d, IDOK);
    });
    EXPECT_EQ(Run(ID_ABOUT), Repaint::None);
    EXPECT_EQ(owner, m_pDlg.get());
    EXPECT_EQ(text, QStringLiteral("Tintora 2014 (Release 9)"));
}

} // namespace

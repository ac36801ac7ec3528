// The open and save dialogs: the checks on accepting, and the folder shortcuts (order,
// going to a folder, doing nothing when already there).
#include <QBoxLayout>
#include <QComboBox>
#include <QPushButton>
#include <QToolButton>
#include <tuple>

#include "filedialog/file_dialog_ex.h"
#include "gui_test_support.h"

namespace {

const wchar_t* const kPaletteFilter = L"Corvane Palette (*.pal)|*.pal||";
constexpr unsigned int kOpenFlags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
constexpr unsigned int kSaveFlags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;

// The visible widgets of the layout row that holds the look-in box, in layout order.
QList<QWidget*> ButtonRow(QFileDialog& dialog) {
    auto* lookIn = dialog.findChild<QComboBox*>(QStringLiteral("lookInCombo"));
    QList<QWidget*> row;
    for (auto* box : dialog.findChildren<QBoxLayout*>()) {
        for (int i = 0; box->indexOf(lookIn) >= 0 && i < box->count(); ++i) {
            if (QWidget* widget = box->itemAt(i)->widget(); widget && widget->isVisible()) {
                row.append(widget);
            }
        }
    }
    return row;
}

class FileDialogTest : public GuiTest {
protected:
    // Shows a dialog on folder through the modal door with handler as the answer.
    int Run(bool open, const QString& folder, std::function<void(CFileDialog&)> handler) {
        CFileDialogEx dialog(open, L"pal", FromQString(folder), open ? kOpenFlags : kSaveFlags,
                             kPaletteFilter, nullptr, 0, false, true);
        Script().Then([handler](QDialog& box) { handler(dynamic_cast<CFileDialog&>(box)); });
        const int result = dialog.DoModal();
        m_strPath = ToQString(dialog.GetPathName());
        return result;
    }

    DataFolders m_folders;
    QString m_strPath;
};

TEST_F(FileDialogTest, ShortcutsLeadTheButtonRowInEitherMode) {
    for (const bool open : {true, false}) {
        SCOPED_TRACE(open ? "open" : "save");
        Run(open, QString(), [](CFileDialog& shown) {
            const std::vector<CaseRow> expected = ReadCaseTable("file_dialog_buttons.txt");
            const QList<QWidget*> row = ButtonRow(shown);
            ASSERT_EQ(row.size(), static_cast<int>(expected.size()));
            for (int i = 0; i < row.size(); ++i) {
                EXPECT_EQ(row[i]->objectName().toStdString(), expected[i][0]);
                if (expected[i][1] != "-") {
                    EXPECT_EQ(row[i]->toolTip().toStdString(), expected[i][1]);
                }
            }
            // Tab goes from the look-in box through the three shortcuts, as they sit.
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(row[i]->nextInFocusChain(), row[i + 1]) << i;
            }
            shown.reject();
        });
    }
}

// A shortcut enters its folder; to the folder shown (however the service spells it) it does
// nothing: the typed name stays and nothing is accepted.
TEST_F(FileDialogTest, ShortcutEntersItsFolderOrStaysWhenThere) {
    const QString user = m_folders.User();
    const QString mine = user + QStringLiteral("mine.pal");
    // open | the button | its folder | where the dialog starts | the user folder in capitals
    for (const auto& [open, button, folder, start, upper] :
         {std::tuple{true, "sharedFolderButton", m_folders.Shared(), m_folders.Other(), false},
          {false, "allUsersFolderButton", m_folders.AllUsers(), m_folders.Other(), false},
          {true, "userFolderButton", user, m_folders.Other(), false},
          {true, "userFolderButton", user, mine, false},
          {true, "userFolderButton", user, mine, true}}) {
        SCOPED_TRACE(testing::Message() << button << " from " << start.toStdString() << upper);
        const QString home = m_folders.Path(QStringLiteral("user"));
        qputenv("XDG_DATA_HOME", (upper ? home.toUpper() : home).toUtf8());
        Run(open, start, [&](CFileDialog& shown) {
            int pressed = 0;
            QObject::connect(shown.AcceptButton(), &QPushButton::clicked, [&] { ++pressed; });
            shown.findChild<QToolButton*>(QLatin1String(button))->click();
            QTest::qWait(20);
            // The folder path is shown without its trailing separator.
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return ToQString(shown.GetFolderPath()) == folder.chopped(1); }));
            EXPECT_TRUE(shown.isVisible()) << "entering a folder does not end the dialog";
            EXPECT_EQ(shown.FileNameEdit()->text(),
                      start == mine ? QStringLiteral("mine.pal") : QString());
            EXPECT_TRUE(start != mine || pressed == 0) << "already there: nothing is pressed";
            shown.reject();
        });
    }
}

TEST_F(FileDialogTest, AcceptingChecksTheTypedName) {
    const QString other = m_folders.Other() + QLatin1Char('/');
    ASSERT_TRUE(WriteFile(other + QStringLiteral("old.pal"), QByteArray()));
    const std::map<std::string, QMessageBox::StandardButton> answers = {
        {"ok", QMessageBox::Ok}, {"yes", QMessageBox::Yes}, {"no", QMessageBox::No}};
    const auto inFolder = [&other](const std::string& text) {
        return QString::fromStdString(text).replace(QLatin1Char('@'), other);
    };
    for (const CaseRow& row : ReadCaseTable("file_dialog_accept.txt")) {
        SCOPED_TRACE(row.where);
        const bool open = row[0] == "open";
        MessageBoxSeen seen;
        QWidget* dialog = nullptr;
        const int result = Run(open, other, [&](CFileDialog& shown) {
            dialog = &shown;
            if (row[2] != "none") {
                Script().Then(AnswerMessageBox(answers.at(row[2]), &seen));
            }
            shown.FileNameEdit()->setText(inFolder(row[1]));
            static_cast<QDialog&>(shown).accept();
            if (shown.isVisible()) {
                shown.reject(); // the question kept it open
            }
        });
        EXPECT_EQ(result, row[4] == "none" ? IDCANCEL : IDOK);
        if (row[4] != "none") {
            EXPECT_EQ(m_strPath, inFolder(row[4]));
        }
        EXPECT_EQ(seen.text, inFolder(row[3]));
        if (row[2] != "none") {
            EXPECT_EQ(seen.caption, open ? QStringLiteral("Open") : QStringLiteral("Save As"));
            EXPECT_EQ(seen.owner, dialog);
        }
    }
}

} // namespace

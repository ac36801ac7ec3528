// The open and save dialogs: the checks on accepting, and the folder shortcuts (order,
// going to a folder, doing nothing when already there).
#include <QBoxLayout>
#include <QComboBox>
#include <QPushButton>
#include <QToolButton>

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
            shown.reject();
        });
    }
}

TEST_F(FileDialogTest, ShortcutEntersItsFolder) {
    const struct {
        bool open;
        const char* button;
        QString folder;
    } rows[] = {
        {true, "sharedFolderButton", m_folders.Shared()},
        {false, "allUsersFolderButton", m_folders.AllUsers()},
        {true, "userFolderButton", m_folders.User()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.button);
        QString target = row.folder;
        target.chop(1); // the folder path is shown without its trailing separator
        Run(row.open, m_folders.Other(), [&](CFileDialog& shown) {
            shown.findChild<QToolButton*>(QLatin1String(row.button))->click();
            EXPECT_TRUE(
                QTest::qWaitFor([&] { return ToQString(shown.GetFolderPath()) == target; }));
            EXPECT_TRUE(shown.isVisible()) << "entering a folder does not end the dialog";
            EXPECT_EQ(shown.FileNameEdit()->text(), QString());
            shown.reject();
        });
    }
}

TEST_F(FileDialogTest, ShortcutToTheShownFolderDoesNothing) {
    for (const bool otherCase : {false, true}) {
        SCOPED_TRACE(otherCase ? "other letter case" : "same spelling");
        const QString user = m_folders.User();
        if (otherCase) {
            // The user folder service now names the shown folder in capitals.
            qputenv("XDG_DATA_HOME", m_folders.Path(QStringLiteral("user")).toUpper().toUtf8());
        }
        Run(true, user + QStringLiteral("mine.pal"), [&](CFileDialog& shown) {
            int pressed = 0;
            QObject::connect(shown.AcceptButton(), &QPushButton::clicked, [&] { ++pressed; });
            shown.findChild<QToolButton*>(QStringLiteral("userFolderButton"))->click();
            QTest::qWait(20);
            EXPECT_EQ(shown.FileNameEdit()->text(), QStringLiteral("mine.pal"));
            EXPECT_EQ(pressed, 0);
            EXPECT_EQ(ToQString(shown.GetFolderPath()) + QLatin1Char('/'), user);
            shown.reject();
        });
        qputenv("XDG_DATA_HOME", m_folders.Path(QStringLiteral("user")).toUtf8());
    }
}

TEST_F(FileDialogTest, AcceptingChecksTheTypedName) {
    const QString other = m_folders.Other() + QLatin1Char('/');
    QFile file(other + QStringLiteral("old.pal"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
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

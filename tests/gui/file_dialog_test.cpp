// The open and save dialogs: filters, the checks on accepting, and the folder shortcuts
// (order, icons, enabling, going to a folder, doing nothing when already there).
#include <QBoxLayout>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <optional>

#include "data_folders.h"
#include "filedialog/file_dialog_ex.h"
#include "gui_test_support.h"
#include "platform/qt_text.h"

namespace {

const wchar_t* const kPaletteFilter = L"Corvane Palette (*.pal)|*.pal||";
constexpr unsigned int kOpenFlags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
constexpr unsigned int kSaveFlags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;

QString WithoutSeparator(QString folder) {
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) {
        folder.chop(1);
    }
    return folder;
}

// The widgets of the row that holds the look-in box, in layout order, visible ones only.
QList<QWidget*> ButtonRow(QFileDialog& dialog) {
    auto* lookIn = dialog.findChild<QComboBox*>(QStringLiteral("lookInCombo"));
    std::function<QBoxLayout*(QLayout*)> find = [&](QLayout* layout) -> QBoxLayout* {
        if (auto* box = qobject_cast<QBoxLayout*>(layout); box && box->indexOf(lookIn) >= 0) {
            return box;
        }
        for (int i = 0; layout != nullptr && i < layout->count(); ++i) {
            if (QBoxLayout* found = find(layout->itemAt(i)->layout())) {
                return found;
            }
        }
        return nullptr;
    };
    QList<QWidget*> row;
    if (QBoxLayout* box = find(dialog.layout())) {
        for (int i = 0; i < box->count(); ++i) {
            QWidget* widget = box->itemAt(i)->widget();
            if (widget != nullptr && widget->isVisible()) {
                row.append(widget);
            }
        }
    }
    return row;
}

QToolButton* ShortcutButton(QFileDialog& dialog, const char* name) {
    return dialog.findChild<QToolButton*>(QLatin1String(name));
}

class FileDialogTest : public GuiTest {
protected:
    // Runs dialog through the modal door with handler as the answer.
    void Run(CFileDialog& dialog, std::function<void(CFileDialog&)> handler) {
        Script().Then([handler](QDialog& box) { handler(dynamic_cast<CFileDialog&>(box)); });
        m_nResult = dialog.DoModal();
    }

    DataFolders m_folders;
    int m_nResult = 0;
};

TEST(ShortcutIconSize, NextStandardSizeUpFromTheRowsIcons) {
    const struct {
        int height;
        int size;
    } rows[] = {{1, 16},  {16, 16}, {20, 24}, {24, 24}, {25, 32},
                {32, 32}, {33, 48}, {48, 48}, {64, 48}};
    for (const auto& row : rows) {
        EXPECT_EQ(ShortcutIconSize(row.height), row.size) << "height " << row.height;
    }
}

TEST(FileDialogFilters, BarSeparatedPairsBecomeQtNameFilters) {
    const struct {
        const wchar_t* filter;
        QStringList expected;
    } rows[] = {
        {L"Corvane Palette (*.pal)|*.pal||", {QStringLiteral("Corvane Palette (*.pal)")}},
        {L"Veldra 3.x (*.ini)|*.ini||", {QStringLiteral("Veldra 3.x (*.ini)")}},
        {L"Texts|*.txt;*.log|All files (*.*)|*.*||",
         {QStringLiteral("Texts (*.txt *.log)"), QStringLiteral("All files (*.*)")}},
        // The patterns that filter are the ones shown, whatever the description says.
        {L"Palettes (*.pal)|*.cpal||", {QStringLiteral("Palettes (*.cpal)")}},
        {L"Palettes|*.pal", {QStringLiteral("Palettes (*.pal)")}},
        {L"", {}},
        {L"||", {}},
        {L"No pattern||", {}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ToQtNameFilters(row.filter), row.expected) << ToQString(row.filter).toStdString();
    }
}

TEST_F(FileDialogTest, ShortcutsLeadTheButtonRowInEitherMode) {
    const struct {
        bool open;
        bool enableShared;
    } rows[] = {{true, true}, {true, false}, {false, true}, {false, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "open " << row.open << " shared " << row.enableShared);
        CFileDialogEx dialog(row.open, L"pal", L"", row.open ? kOpenFlags : kSaveFlags,
                             kPaletteFilter, nullptr, 0, false, row.enableShared);
        Run(dialog, [&](CFileDialog& shown) {
            const QList<QWidget*> buttons = ButtonRow(shown);
            ASSERT_EQ(buttons.size(), 7) << "look-in box, three shortcuts, three standard";
            EXPECT_EQ(buttons[0]->objectName(), QStringLiteral("lookInCombo"));
            const char* const names[] = {"sharedFolderButton", "allUsersFolderButton",
                                         "userFolderButton",   "newFolderButton",
                                         "listModeButton",     "detailModeButton"};
            for (int i = 0; i < 6; ++i) {
                EXPECT_EQ(buttons[i + 1]->objectName(), QLatin1String(names[i]));
            }
            const QString texts[] = {QStringLiteral("Open shared folder location"),
                                     QStringLiteral("Open all users folder location"),
                                     QStringLiteral("Open local user folder location")};
            auto* back = shown.findChild<QToolButton*>(QStringLiteral("backButton"));
            ASSERT_NE(back, nullptr);
            EXPECT_FALSE(back->isVisible()) << "hidden, not deleted";
            const int size = ShortcutIconSize(back->iconSize().height());
            for (int i = 0; i < 3; ++i) {
                auto* button = qobject_cast<QToolButton*>(buttons[i + 1]);
                ASSERT_NE(button, nullptr);
                EXPECT_EQ(button->toolTip(), texts[i]);
                EXPECT_EQ(button->accessibleName(), texts[i]);
                EXPECT_EQ(button->iconSize(), QSize(size, size));
                EXPECT_FALSE(button->icon().isNull());
                EXPECT_EQ(button->isEnabled(), i != 0 || row.enableShared);
            }
            shown.reject();
        });
        EXPECT_EQ(m_nResult, IDCANCEL);
    }
}

TEST_F(FileDialogTest, ShortcutEntersItsFolder) {
    const struct {
        bool open;
        const char* button;
        std::function<QString(const DataFolders&)> folder;
    } rows[] = {
        {true, "sharedFolderButton", &DataFolders::Shared},
        {true, "allUsersFolderButton", &DataFolders::AllUsers},
        {true, "userFolderButton", &DataFolders::User},
        {false, "sharedFolderButton", &DataFolders::Shared},
        {false, "allUsersFolderButton", &DataFolders::AllUsers},
        {false, "userFolderButton", &DataFolders::User},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.button << " open " << row.open);
        const QString target = row.folder(m_folders);
        CFileDialogEx dialog(row.open, L"pal", FromQString(m_folders.Other()),
                             row.open ? kOpenFlags : kSaveFlags, kPaletteFilter, nullptr, 0, false,
                             true);
        Run(dialog, [&](CFileDialog& shown) {
            ShortcutButton(shown, row.button)->click();
            EXPECT_EQ(shown.FileNameEdit()->text(), target) << "the folder, ending in '/'";
            EXPECT_TRUE(QTest::qWaitFor(
                [&]() { return ToQString(shown.GetFolderPath()) == WithoutSeparator(target); }));
            EXPECT_TRUE(shown.isVisible()) << "entering a folder does not end the dialog";
            EXPECT_EQ(shown.FileNameEdit()->text(), QString());
            shown.reject();
        });
    }
}

TEST_F(FileDialogTest, ShortcutToTheShownFolderDoesNothing) {
    const struct {
        const char* name;
        bool otherCase;
    } rows[] = {{"same spelling", false}, {"other letter case", true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString user = m_folders.User();
        CFileDialogEx dialog(true, L"pal", FromQString(user + QStringLiteral("mine.pal")),
                             kOpenFlags, kPaletteFilter, nullptr, 0, false, true);
        if (row.otherCase) {
            // The user folder service now names the shown folder in capitals.
            qputenv("XDG_DATA_HOME", m_folders.Path(QStringLiteral("user")).toUpper().toUtf8());
        }
        Run(dialog, [&](CFileDialog& shown) {
            int pressed = 0;
            QObject::connect(shown.AcceptButton(), &QPushButton::clicked, [&]() { ++pressed; });
            ShortcutButton(shown, "userFolderButton")->click();
            QTest::qWait(20);
            EXPECT_EQ(shown.FileNameEdit()->text(), QStringLiteral("mine.pal"));
            EXPECT_EQ(pressed, 0);
            EXPECT_EQ(ToQString(shown.GetFolderPath()), WithoutSeparator(user));
            shown.reject();
        });
        qputenv("XDG_DATA_HOME", m_folders.Path(QStringLiteral("user")).toUtf8());
    }
}

TEST_F(FileDialogTest, CentredOverItsOwnerWithinTheScreen) {
    const struct {
        const char* name;
        QRect owner;
    } rows[] = {{"owner on the screen", QRect(40, 30, 720, 520)},
                {"owner off the right edge", QRect(500, 30, 720, 520)}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QWidget owner;
        owner.setGeometry(row.owner);
        owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
        CFileDialogEx dialog(true, L"pal", L"", kOpenFlags, kPaletteFilter, &owner, 0, false, true);
        Run(dialog, [&](CFileDialog& shown) {
            // The window frame is only known once the dialog shows, after it was placed:
            // the frame's width is the tolerance.
            const QRect frame = shown.frameGeometry();
            const int decoration = frame.width() - shown.geometry().width();
            const QRect work = shown.screen()->availableGeometry();
            EXPECT_GE(frame.left(), work.left());
            EXPECT_LE(frame.right(), work.right() + decoration) << "never pushed off the screen";
            if (row.owner.right() <= work.right()) {
                const QPoint offset = frame.center() - owner.frameGeometry().center();
                EXPECT_LE(offset.manhattanLength(), 2 * decoration)
                    << offset.x() << ", " << offset.y();
            } else {
                EXPECT_GE(frame.right(), work.right() - decoration) << "at the right edge";
            }
            shown.reject();
        });
    }
}

TEST_F(FileDialogTest, AcceptingChecksTheTypedName) {
    const QString existing = m_folders.Other() + QStringLiteral("/old.pal");
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const struct {
        const char* name;
        bool open;
        unsigned int flags;
        QString typed;
        std::optional<QMessageBox::StandardButton> answer; // the question, when one comes
        QString question;
        int result;
        QString path;
    } rows[] = {
        {"open a missing file",
         true,
         kOpenFlags,
         QStringLiteral("missing.pal"),
         QMessageBox::Ok,
         QStringLiteral("missing.pal\nFile not found.\nPlease verify the correct file name "
                        "was given."),
         IDCANCEL,
         {}},
        {"replace, answered No",
         false,
         kSaveFlags,
         QStringLiteral("old.pal"),
         QMessageBox::No,
         QStringLiteral("old.pal already exists.\nDo you want to replace it?"),
         IDCANCEL,
         {}},
        {"replace, answered Yes", false, kSaveFlags, QStringLiteral("old.pal"), QMessageBox::Yes,
         QStringLiteral("old.pal already exists.\nDo you want to replace it?"), IDOK, existing},
        {"save gets the default extension",
         false,
         kSaveFlags,
         QStringLiteral("new"),
         std::nullopt,
         {},
         IDOK,
         m_folders.Other() + QStringLiteral("/new.pal")},
        {"a missing folder",
         false,
         kSaveFlags,
         m_folders.Other() + QStringLiteral("/none/"),
         QMessageBox::Ok,
         m_folders.Other() + QStringLiteral("/none/\nDirectory not found.\nPlease verify the "
                                            "correct directory name was given."),
         IDCANCEL,
         {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CFileDialogEx dialog(row.open, L"pal", FromQString(m_folders.Other()), row.flags,
                             kPaletteFilter, nullptr, 0, false, true);
        MessageBoxSeen seen;
        Run(dialog, [&](CFileDialog& shown) {
            if (row.answer) {
                Script().Then(AnswerMessageBox(*row.answer, &seen));
            }
            shown.FileNameEdit()->setText(row.typed);
            static_cast<QDialog&>(shown).accept();
            if (shown.isVisible()) {
                shown.reject(); // the question kept it open
            }
        });
        EXPECT_EQ(m_nResult, row.result);
        if (row.result == IDOK) {
            EXPECT_EQ(ToQString(dialog.GetPathName()), row.path);
        }
        if (row.answer) {
            EXPECT_EQ(seen.text, row.question);
            EXPECT_EQ(seen.caption, row.open ? QStringLiteral("Open") : QStringLiteral("Save As"));
            EXPECT_EQ(seen.owner, &dialog);
        }
    }
}

} // namespace

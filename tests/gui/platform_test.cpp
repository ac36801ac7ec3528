// The window layer: CDialog's keys, the message-box presenter, the modal door's test script,
// the profile over QSettings and the icons. The editor's tests see the rest of it at work.
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QTimer>
#include <sys/stat.h>
#include <unistd.h>

#include "gui_test_support.h"
#include "platform/icons.h"
#include "shared/xmessagebox.h"

namespace {

class Platform : public GuiTest {};

TEST_F(Platform, KeysAndCloseBoxEndTheDialog) {
    const std::map<std::string, int> ids = {{"add", IDD_ADDPALETTE_DIALOG},
                                            {"editor", IDD_TINTORA_DIALOG},
                                            {"name", IDC_PALETTE_NAME},
                                            {"cancel", IDCANCEL},
                                            {"ok", IDOK}};
    for (const CaseRow& row : ReadCaseTable("dialog_keys.txt")) {
        CDialog dlg(ids.at(row[0]), nullptr);
        Script().Then([&row, &dlg, &ids](QDialog& d) {
            if (row[1] != "none") {
                dlg.GetDlgItem(ids.at(row[1]))->setFocus();
            }
            row[2] == "close"
                ? static_cast<void>(d.close())
                : PressKey(d, QKeySequence::fromString(QString::fromStdString(row[2]))[0].key());
        });
        EXPECT_EQ(dlg.DoModal(), ids.at(row[3])) << row.where;
    }
}

// Each style's buttons and icon, and the answers of its buttons, show in the editor's tests.
TEST_F(Platform, MessageBoxEscapeAnswersAndTextsAsGiven) {
    // Line breaks, markup and ampersands are shown as they are.
    const wchar_t* text = L"There is only one\ntherefore\n\nWould you like <another> & more ?";
    QWidget owner;
    for (const auto& [style, result] : {std::pair{0x30u, IDOK}, {0x24u, IDNO}, {3u, IDCANCEL}}) {
        QString shown;
        Script().Then([&shown](QDialog& box) {
            shown = qobject_cast<QMessageBox*>(&box)->text();
            PressKey(box, Qt::Key_Escape);
        });
        EXPECT_EQ(XMessageBox(&owner, text, L"Info", style, nullptr), result) << style;
        EXPECT_EQ(shown, ToQString(text));
    }
}

TEST(ModalDoor, ForgottenOrUnexpectedDialogIsClosedAndReported) {
    for (bool answered : {true, false}) {
        ModalScript script;
        if (answered) {
            script.Then([](QDialog&) {}); // leaves it open
        }
        QDialog dialog;
        dialog.setWindowTitle(QStringLiteral("Forgotten"));
        EXPECT_EQ(RunModal(dialog), QDialog::Rejected);
        EXPECT_FALSE(dialog.isVisible());
        ASSERT_EQ(script.Failures().size(), 1u);
        EXPECT_TRUE(script.Failures()[0].contains(QStringLiteral("Forgotten")));
    }
}

TEST(ModalDoor, NestedDialogsAreAnsweredInOrder) {
    ModalScript script;
    QDialog outer;
    outer.setWindowTitle(QStringLiteral("Outer"));
    auto* ask = new QPushButton(&outer);
    QObject::connect(ask, &QPushButton::clicked, &outer, [&]() {
        QDialog inner(&outer);
        inner.setWindowTitle(QStringLiteral("Inner"));
        outer.done(RunModal(inner) == 5 ? 9 : 0);
    });
    // The outer dialog posts its click, so it stays open while the inner one runs; the door
    // must not take it for a dialog left open. The depth each handler saw, -1 when hidden:
    std::vector<int> depths;
    script.Then([&depths, ask](QDialog& d) {
        depths.push_back(d.isVisible() ? ModalDepth() : -1);
        QTimer::singleShot(0, ask, &QPushButton::click);
    });
    script.Then([&depths](QDialog& inner) {
        depths.push_back(ModalDepth());
        inner.done(5);
    });
    EXPECT_EQ(RunModal(outer), 9);
    EXPECT_EQ(depths, (std::vector<int>{1, 2}));
    EXPECT_EQ(ModalDepth(), 0);
    EXPECT_EQ(script.Seen(),
              (std::vector<QString>{QStringLiteral("Outer"), QStringLiteral("Inner")}));
    EXPECT_TRUE(script.Failures().empty()) << script.Report().toStdString();
}

TEST_F(Platform, ProfileBackslashSectionIsASubGroup) {
    ASSERT_TRUE(WriteProfileInt(L"DialogData\\Tintora", L"ShowWarning", 0));
    QSettings file(ProfilePath(), QSettings::IniFormat);
    EXPECT_EQ(file.childGroups(), QStringList{QStringLiteral("DialogData")});
    EXPECT_EQ(file.value(QStringLiteral("DialogData/Tintora/ShowWarning")).toInt(), 0);
}

// A settings file that is a pipe would block start-up for ever: defaults instead, kept in
// memory for the run, and the pipe left as it is.
TEST_F(Platform, ProfileThatIsAPipeGivesTheDefaults) {
    const QString pipe = ProfilePath() + QStringLiteral(".pipe");
    ASSERT_EQ(::mkfifo(pipe.toUtf8().constData(), 0600), 0);
    SetProfileFile(pipe);
    EXPECT_EQ(GetProfileInt(L"Settings", L"ShowTooltips", 7), 7);
    EXPECT_TRUE(WriteProfileInt(L"Settings", L"ShowTooltips", 0));
    EXPECT_EQ(GetProfileInt(L"Settings", L"ShowTooltips", 7), 0);
    struct stat info {};
    EXPECT_TRUE(::stat(pipe.toUtf8().constData(), &info) == 0 && S_ISFIFO(info.st_mode));
    ::unlink(pipe.toUtf8().constData());
}

TEST(Icons, EveryIconDrawsAtEverySizeWhenFirstUsed) {
    for (int id : {IDR_MAINFRAME, IDI_ALLUSERS, IDI_SHARED_FOLDER, IDI_USER}) {
        for (int size : {16, 24, 32, 48}) {
            const QImage image = IconPixmap(id, size).toImage();
            ASSERT_EQ(image.size(), QSize(size, size)) << id;
            int opaque = 0;
            for (int i = 0; i < size * size; ++i) {
                opaque += qAlpha(image.pixel(i % size, i / size)) == 255 ? 1 : 0;
            }
            // Most of the square is covered: a shape, not a speck.
            EXPECT_GT(opaque, size * size / 3) << "icon " << id << " at " << size;
        }
    }
    // Read on first use: the application icon's PNG set, as the desktop installs it, and
    // the menu bar's overflow image, which the program's style hands out unread.
    const QList<QSize> sizes = LoadIconResource(IDR_MAINFRAME).availableSizes();
    for (int size : {16, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    }
    const QIcon overflow =
        QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    EXPECT_FALSE(overflow.pixmap(16).isNull());
}

} // namespace

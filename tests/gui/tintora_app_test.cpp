// Start-up as a whole: the profile location, the help file, the warning before the editor,
// and the program ending with the editor.
#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

#include "app/tintora_app.h"
#include "gui_test_support.h"
#include "platform/qt_text.h"
#include "shared/xmessagebox.h"

namespace {

class App : public GuiTest {};

TEST_F(App, RunsTheWarningThenTheEditorAndEnds) {
    CTintoraApp app;
    QWidget* mainWindow = nullptr;
    Script().Then([](QDialog& d) { ClickDlgItem(d, IDOK); });
    Script().Then([&mainWindow, &app](QDialog& d) {
        mainWindow = app.m_pMainWnd;
        EXPECT_EQ(mainWindow, &d);
        PressKey(d, Qt::Key_Escape);
    });
    EXPECT_FALSE(app.InitInstance());
    const std::vector<QString> seen = {QStringLiteral("Important Message"),
                                       QStringLiteral("Tintora")};
    EXPECT_EQ(Script().Seen(), seen);
    EXPECT_NE(mainWindow, nullptr);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}

TEST_F(App, HelpFileIsTintoraChmBesideTheProgram) {
    CTintoraApp app;
    Script().Then([](QDialog& d) { ClickDlgItem(d, IDOK); });
    Script().Then([](QDialog& d) { PressKey(d, Qt::Key_Escape); });
    app.InitInstance();
    const QString expected =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Tintora.chm"));
    EXPECT_EQ(ToQString(app.m_pszHelpFilePath), expected);
}

} // namespace

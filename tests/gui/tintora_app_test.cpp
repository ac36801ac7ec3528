// Start-up as a whole: the warning before the editor, the help file beside the program, and
// the program ending with the editor.
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
    bool editorVisible = true;
    QWidget* mainWindow = nullptr;
    Script().Then([&editorVisible](QDialog& d) {
        editorVisible = d.parentWidget() != nullptr && d.parentWidget()->isVisible();
        ClickDlgItem(d, IDOK);
    });
    Script().Then([&mainWindow, &app](QDialog& d) {
        mainWindow = app.m_pMainWnd;
        EXPECT_EQ(mainWindow, &d);
        PressKey(d, Qt::Key_Escape);
    });
    EXPECT_FALSE(app.InitInstance());
    const std::vector<QString> seen = {QStringLiteral("Important Message"),
                                       QStringLiteral("Tintora")};
    EXPECT_EQ(Script().Seen(), seen);
    EXPECT_FALSE(editorVisible);
    EXPECT_NE(mainWindow, nullptr);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(ToQString(app.m_pszHelpFilePath),
              QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Tintora.chm")));
}

} // namespace

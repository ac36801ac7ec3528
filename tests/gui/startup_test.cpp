// Start-up as a whole: the start-up message, shown before the editor while the profile asks
// for it and turned off only by OK with the box ticked; the help file beside the program; the
// program ending with the editor.
#include <QCoreApplication>

#include "app/tintora_app.h"
#include "app/warning_dlg.h"
#include "gui_test_support.h"

namespace {

class Startup : public GuiTest {};

TEST_F(Startup, OnlyOkWithTheBoxTickedTurnsTheWarningOff) {
    for (const CaseRow& row : ReadCaseTable("start_warning.txt")) {
        SetProfileFile(ProfilePath() + QString::fromStdString(row.where).remove(QLatin1Char(':')));
        Script().Then([&row](QDialog& d) {
            if (row[0] == "yes") {
                ClickDlgItem(d, IDC_DONT_SHOW);
            }
            if (row[1] == "ok") {
                ClickDlgItem(d, IDOK);
            } else if (row[1] == "esc") {
                PressKey(d, Qt::Key_Escape);
            } else {
                d.close();
            }
        });
        CWarningDlg dlg(nullptr);
        dlg.DoModal();
        EXPECT_EQ(GetProfileInt(L"DialogData\\Tintora", L"ShowWarning", -1), row.Int(2))
            << row.where;
    }
}

TEST_F(Startup, RunsTheWarningThenTheEditorAndEnds) {
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

// Runs the GUI tests headless: offscreen platform, Qt's own settings and data in temporary
// folders, the window layer set up as the program sets it up.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/modal_door.h"
#include "platform/profile.h"
#include "platform/win_app.h"

namespace {

QtMessageHandler g_defaultHandler = nullptr;

// The offscreen platform says these of every dialog it shows and every window it raises
// (tool hints, the help window); they tell nothing about us.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QStringLiteral("does not support propagateSizeHints")) ||
        message.contains(QStringLiteral("does not support raise()"))) {
        return;
    }
    g_defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    g_defaultHandler = qInstallMessageHandler(QuietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Qt keeps colour-dialog and file-dialog state of its own under these folders.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    // Recovery copies of the editor's work never land in the user's own state folder.
    qputenv("XDG_STATE_HOME", home.filePath(QStringLiteral("state")).toUtf8());

    QApplication application(argc, argv);
    InitCommonControls();
    SetProfileFile(home.filePath(QStringLiteral("profile.ini")));
    // A dialog no test expected is closed and reported instead of waiting for a user.
    ModalScript catchAll;

    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    if (!catchAll.Failures().empty()) {
        fprintf(stderr, "%s", catchAll.Report().toLocal8Bit().constData());
        return 1;
    }
    return result;
}

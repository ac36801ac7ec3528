// Tintora: builds the application, finds the program's own files, runs the editor.
#include <QApplication>
#include <QDir>

#include "app/tintora_app.h"
#include "platform/qt_text.h"
#include "shared/paths.h"

namespace {

// Beside the executable in the build tree; <prefix>/share/tintora once installed in
// <prefix>/bin.
QString ApplicationFolder() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    if (programFolder.dirName() == QStringLiteral("bin")) {
        const QString installed =
            programFolder.absoluteFilePath(QStringLiteral("../share/tintora"));
        if (QDir(installed).exists()) {
            return QDir::cleanPath(installed);
        }
    }
    return programFolder.absolutePath();
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tintora"));
    QApplication::setDesktopFileName(QStringLiteral("org.tintora.tintora"));
    coreSetAppFolder(FromQString(ApplicationFolder()));

    CTintoraApp app;
    return app.InitInstance() ? QApplication::exec() : 0;
}

// Tintora: reads the command line, builds the application, finds the program's own files,
// runs the editor.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <iostream>

#include "app/command_line.h"
#include "app/tintora_app.h"
#include "platform/qt_text.h"
#include "shared/paths.h"

namespace {

constexpr int kUsageError = 2;

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

std::vector<std::string> Arguments(int argc, char** argv) {
    return {argv + std::min(argc, 1), argv + argc};
}

} // namespace

int main(int argc, char** argv) {
    // --help and --version answer before the window system is asked for, so they work
    // without a display.
    const CommandLine early = ParseCommandLine(Arguments(argc, argv));
    if (early.action == CommandLine::Action::Help || early.action == CommandLine::Action::Version) {
        std::cout << (early.action == CommandLine::Action::Help ? UsageText() : VersionText());
        return 0;
    }

    QApplication application(argc, argv);
    // The window system's own options (-platform, -style, ...) are gone from argv now.
    const CommandLine commandLine = ParseCommandLine(Arguments(argc, argv));
    if (commandLine.action == CommandLine::Action::Fail) {
        std::cerr << "tintora: " << commandLine.error << "\n"
                  << "Try 'tintora --help' for more information.\n";
        return kUsageError;
    }
    QApplication::setApplicationName(QStringLiteral("Tintora"));
    QApplication::setDesktopFileName(QStringLiteral("tintora"));
    coreSetAppFolder(FromQString(ApplicationFolder()));

    CTintoraApp app;
    if (!commandLine.file.empty()) {
        app.m_strFileToOpen =
            FromQString(QFileInfo(QString::fromLocal8Bit(commandLine.file)).absoluteFilePath());
    }
    return app.InitInstance() ? QApplication::exec() : 0;
}

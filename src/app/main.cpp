// Tintora: reads the command line, builds the application, finds the program's own files,
// runs the editor.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <iostream>

#include "app/command_line.h"
#include "app/tintora_app.h"
#include "platform/qt_text.h"
#include "platform/translation.h"
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

} // namespace

int main(int argc, char** argv) {
    // Read before the window system is asked for, so that --help, --version and mistakes
    // are answered without a display.
    const CommandLine commandLine = ParseCommandLine({argv + std::min(argc, 1), argv + argc});
    switch (commandLine.action) {
    case CommandLine::Action::Help:
        std::cout << UsageText();
        return 0;
    case CommandLine::Action::Version:
        std::cout << VersionText();
        return 0;
    case CommandLine::Action::Fail:
        std::cerr << "tintora: " << commandLine.error << "\n"
                  << "Try 'tintora --help' for more information.\n";
        return kUsageError;
    case CommandLine::Action::Run:
        break;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tintora"));
    QApplication::setDesktopFileName(QStringLiteral("org.tintora.tintora"));
    const QString appFolder = ApplicationFolder();
    coreSetAppFolder(FromQString(appFolder));
    // The language the desktop asks for (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), before any
    // window is built.
    LoadTranslations(QLocale::system(), appFolder + QStringLiteral("/translations"));

    CTintoraApp app;
    if (!commandLine.file.empty()) {
        app.m_strFileToOpen =
            FromQString(QFileInfo(QString::fromLocal8Bit(commandLine.file)).absoluteFilePath());
    }
    return app.InitInstance() ? QApplication::exec() : 0;
}

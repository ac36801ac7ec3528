// What every benchmark of the editor does before its QApplication: the offscreen platform
// unless another is asked for, Qt's own settings and the profile in a folder of the run
// (never the user's), and the offscreen platform's remark about size hints kept out of the
// figures.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

class OffscreenRun {
public:
    OffscreenRun() {
        s_defaultHandler = qInstallMessageHandler(QuietHandler);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        qputenv("XDG_CONFIG_HOME", FilePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_DATA_HOME", FilePath(QStringLiteral("data")).toUtf8());
        qputenv("XDG_RUNTIME_DIR", m_home.path().toUtf8());
    }

    // name in the run's folder.
    QString FilePath(const QString& name) const { return m_home.filePath(name); }

private:
    // The offscreen platform says this of every window it shows; it tells nothing here.
    static void QuietHandler(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
        if (!message.contains(QStringLiteral("does not support propagateSizeHints"))) {
            s_defaultHandler(type, context, message);
        }
    }

    static inline QtMessageHandler s_defaultHandler = nullptr;
    QTemporaryDir m_home;
};

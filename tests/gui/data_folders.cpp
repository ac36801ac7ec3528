// DataFolders: the folder services' environment for one test.
#include "data_folders.h"

#include <QDir>

#include "platform/qt_text.h"
#include "shared/paths.h"

DataFolders::DataFolders() {
    coreSetDataFolder(L"Corvane 2014");
    const std::pair<const char*, const char*> folders[] = {
        {"XDG_DATA_HOME", "user"},
        {"XDG_DATA_DIRS", "all"},
        {"TINTORA_SHARED_DIR", "shared/Corvane 2014"},
        {"XDG_DOCUMENTS_DIR", "documents"},
        {"TINTORA_APP_DIR", "app"},
    };
    for (const auto& [name, folder] : folders) {
        m_saved.emplace_back(name, qEnvironmentVariableIsSet(name)
                                       ? std::optional<QByteArray>(qgetenv(name))
                                       : std::nullopt);
        qputenv(name, Path(QLatin1String(folder)).toUtf8());
    }
    for (const QString& folder : {Shared(), AllUsers(), User(), Other(),
                                  Path(QStringLiteral("documents")), Path(QStringLiteral("app"))}) {
        QDir().mkpath(folder);
    }
}

DataFolders::~DataFolders() {
    for (const auto& [name, value] : m_saved) {
        if (value) {
            qputenv(name, *value);
        } else {
            qunsetenv(name);
        }
    }
}

QString DataFolders::Shared() const {
    return ToQString(coreGetSharedAppPath());
}

QString DataFolders::AllUsers() const {
    return ToQString(coreGetAllUserAppPath());
}

QString DataFolders::User() const {
    return ToQString(coreGetUserAppPath());
}

// DataFolders: the folder services' environment for one test.
#include "data_folders.h"

#include <QDir>

#include "platform/qt_text.h"
#include "shared/paths.h"

DataFolders::DataFolders() {
    for (const char* name : {"XDG_DATA_HOME", "XDG_DATA_DIRS", "TINTORA_SHARED_DIR",
                             "XDG_DOCUMENTS_DIR", "TINTORA_APP_DIR"}) {
        m_saved.emplace_back(name, qEnvironmentVariableIsSet(name)
                                       ? std::optional<QByteArray>(qgetenv(name))
                                       : std::nullopt);
    }
    coreSetDataFolder(L"Corvane 2014");
    Set("XDG_DATA_HOME", Path(QStringLiteral("user")));
    Set("XDG_DATA_DIRS", Path(QStringLiteral("all")));
    Set("TINTORA_SHARED_DIR", Path(QStringLiteral("shared/Corvane 2014")));
    Set("XDG_DOCUMENTS_DIR", Documents());
    Set("TINTORA_APP_DIR", AppFolder());
    for (const QString& folder :
         {Shared(), AllUsers(), User(), Other(), Documents(), AppFolder()}) {
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

QString DataFolders::Path(const QString& relative) const {
    return m_root.filePath(relative);
}

void DataFolders::SetShared(const QString& folder) {
    Set("TINTORA_SHARED_DIR", folder);
}

void DataFolders::Set(const char* name, const QString& value) {
    qputenv(name, value.toUtf8());
}

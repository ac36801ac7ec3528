// The product family's folders pointed at a temporary place for one test: the user, all
// users and shared data folders ("Corvane 2014" under each), the documents folder and the
// application's folder. The environment the test found comes back afterwards.
//
//   DataFolders folders;                       // all three data folders exist and differ
//   folders.User()                              // ".../user/Corvane 2014/"
//   folders.SetShared(folders.User().toUpper()) // the shared folder as the user's, other case
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <optional>
#include <utility>
#include <vector>

class DataFolders {
public:
    DataFolders();
    ~DataFolders();
    DataFolders(const DataFolders&) = delete;
    DataFolders& operator=(const DataFolders&) = delete;

    // The data folders as the folder services give them (ending in a separator).
    QString Shared() const;
    QString AllUsers() const;
    QString User() const;
    // A scratch folder outside the data folders.
    QString Other() const { return Path(QStringLiteral("other")); }
    // A path inside the temporary place.
    QString Path(const QString& relative) const { return m_root.filePath(relative); }
    // Points the site setting of the shared folder at folder.
    void SetShared(const QString& folder) { qputenv("TINTORA_SHARED_DIR", folder.toUtf8()); }

private:
    QTemporaryDir m_root;
    std::vector<std::pair<const char*, std::optional<QByteArray>>> m_saved;
};

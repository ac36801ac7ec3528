// The profile over QSettings.
#include "platform/profile.h"

#include <QHash>
#include <QSettings>
#include <QStandardPaths>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/qt_text.h"
#include "shared/file_io.h"
#include "shared/text_encoding.h"

namespace {

struct ProfileLocation {
    QString organisation = QStringLiteral("Keldane");
    QString application = QStringLiteral("Corvane 2014");
    QString iniFile; // when set, the profile lives there
    std::unique_ptr<QSettings> settings;
    // The profile of this run alone, when its file cannot be read safely.
    std::optional<QHash<QString, QVariant>> memory;
};

ProfileLocation& Location() {
    static ProfileLocation location;
    return location;
}

// The files QSettings would read for this profile, the user's own ones.
QStringList ProfileFiles(const ProfileLocation& location) {
    if (!location.iniFile.isEmpty()) {
        return {location.iniFile};
    }
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/');
    return {folder + location.organisation + QLatin1Char('/') + location.application +
                QStringLiteral(".conf"),
            folder + location.organisation + QStringLiteral(".conf")};
}

// Empty when the file is missing or a regular file we may read; otherwise why it is not.
// QSettings would wait for ever on a pipe put in its place.
std::string ProfileFileProblem(const QString& path) {
    const CString file = FromQString(path);
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(FsPath(file), error))) {
        return {};
    }
    std::string problem;
    if (std::FILE* opened = OpenForReading(file, &problem)) {
        std::fclose(opened);
    }
    return problem;
}

// A settings file that cannot be read means the defaults, kept in memory for this run.
void CheckProfileFiles(ProfileLocation& location) {
    location.memory.reset();
    for (const QString& path : ProfileFiles(location)) {
        if (const std::string problem = ProfileFileProblem(path); !problem.empty()) {
            std::fprintf(stderr, "Tintora: %s: %s; using the default settings\n",
                         ToUtf8(FromQString(path)).c_str(), problem.c_str());
            location.memory.emplace();
            return;
        }
    }
}

QSettings& Settings() {
    ProfileLocation& location = Location();
    if (!location.settings) {
        if (location.iniFile.isEmpty()) {
            location.settings =
                std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            location.organisation, location.application);
        } else {
            location.settings = std::make_unique<QSettings>(location.iniFile, QSettings::IniFormat);
        }
    }
    return *location.settings;
}

// "Section\Sub" names a sub-key; QSettings separates groups with '/' (a backslash would
// be taken as part of one group's name).
QString KeyPath(const CString& section, const CString& key) {
    QString path = ToQString(section);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path + QLatin1Char('/') + ToQString(key);
}

// The profile's value at path, from memory or from QSettings.
QVariant Value(const QString& path) {
    ProfileLocation& location = Location();
    if (!location.settings && !location.memory) {
        CheckProfileFiles(location);
    }
    if (location.memory) {
        return location.memory->value(path);
    }
    return Settings().value(path);
}

bool Store(const QString& path, const QVariant& value) {
    ProfileLocation& location = Location();
    if (!location.settings && !location.memory) {
        CheckProfileFiles(location);
    }
    if (location.memory) {
        location.memory->insert(path, value);
        return true;
    }
    QSettings& settings = Settings();
    settings.setValue(path, value);
    // Written at once: the program may end without a chance to flush.
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace

void SetRegistryKey(const CString& key, const CString& profileName) {
    ProfileLocation& location = Location();
    location.settings.reset();
    location.memory.reset();
    location.iniFile.clear();
    location.organisation = ToQString(key);
    location.application = ToQString(profileName);
}

void SetProfileFile(const QString& path) {
    ProfileLocation& location = Location();
    location.settings.reset();
    location.memory.reset();
    location.iniFile = path;
}

int GetProfileInt(const CString& section, const CString& key, int defaultValue) {
    const QVariant value = Value(KeyPath(section, key));
    if (!value.isValid()) {
        return defaultValue;
    }
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? number : defaultValue;
}

bool WriteProfileInt(const CString& section, const CString& key, int value) {
    return Store(KeyPath(section, key), value);
}

CString GetProfileString(const CString& section, const CString& key, const CString& defaultValue) {
    const QVariant value = Value(KeyPath(section, key));
    return value.isValid() ? FromQString(value.toString()) : defaultValue;
}

bool WriteProfileString(const CString& section, const CString& key, const CString& value) {
    return Store(KeyPath(section, key), ToQString(value));
}

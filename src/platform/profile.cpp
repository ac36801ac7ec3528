// The profile over QSettings.
#include "platform/profile.h"

#include <QSettings>
#include <memory>

#include "platform/qt_text.h"

namespace {

struct ProfileLocation {
    QString organisation = QStringLiteral("Keldane");
    QString application = QStringLiteral("Corvane 2014");
    QString iniFile; // when set, the profile lives there
    std::unique_ptr<QSettings> settings;
};

ProfileLocation& Location() {
    static ProfileLocation location;
    return location;
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

bool Store(const QString& path, const QVariant& value) {
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
    location.iniFile.clear();
    location.organisation = ToQString(key);
    location.application = ToQString(profileName);
}

void SetProfileFile(const QString& path) {
    ProfileLocation& location = Location();
    location.settings.reset();
    location.iniFile = path;
}

int GetProfileInt(const CString& section, const CString& key, int defaultValue) {
    const QVariant value = Settings().value(KeyPath(section, key));
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
    const QVariant value = Settings().value(KeyPath(section, key));
    return value.isValid() ? FromQString(value.toString()) : defaultValue;
}

bool WriteProfileString(const CString& section, const CString& key, const CString& value) {
    return Store(KeyPath(section, key), ToQString(value));
}

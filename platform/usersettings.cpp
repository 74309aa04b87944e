#include "usersettings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace fluvara {

namespace {

constexpr const char* Organisation = "ko_lut";
constexpr const char* Application = "fluvara";

// The settings, or nothing where their file must not be opened. Only the one
// file is read: the organisation's and the system's files are no fallback, so
// that none of them can stand in the way either.
std::unique_ptr<QSettings> OpenSettings()
{
#ifdef Q_OS_WIN
    auto settings =
        std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, Organisation, Application);
    settings->setFallbacksEnabled(false);  // the user's key alone
    return settings;
#else
    const QString file = SettingsFile();
    if (!PlainFileOrMissing(file) || !PlainFileOrMissing(file + ".lock"))
        return nullptr;
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
#endif
}

// Writes a change and tells whether it reached the store.
bool Written(QSettings& settings)
{
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace

QString SettingsFile()
{
#ifdef Q_OS_WIN
    return QString();
#else
    return SettingsFolder() + '/' + Application + ".conf";
#endif
}

QString SettingsFolder()
{
    // Where QSettings keeps the native settings of this user on Unix.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' + Organisation;
}

bool PlainFileOrMissing(const QString& path)
{
    const QFileInfo info(path);
    return !info.exists() || info.isFile();
}

QVariant ReadSetting(const QString& key)
{
    const auto settings = OpenSettings();
    return settings ? settings->value(key) : QVariant();
}

bool WriteSetting(const QString& key, const QVariant& value)
{
    const auto settings = OpenSettings();
    if (!settings)
        return false;
    settings->setValue(key, value);
    return Written(*settings);
}

bool RemoveSetting(const QString& key)
{
    const auto settings = OpenSettings();
    if (!settings)
        return false;
    settings->remove(key);
    return Written(*settings);
}

}  // namespace fluvara

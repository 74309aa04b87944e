#include "usersettings.h"

#include <QDir>
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

// Why the settings cannot be written, as a sentence; "" when nothing is in the way.
QString Obstacle()
{
    const QString file = SettingsFile();
    if (file.isEmpty())
        return QString();
    for (const QString& path : {file, file + ".lock"}) {
        const QFileInfo info(path);
        const QString name = QDir::toNativeSeparators(path);
        if (info.isDir())
            return QString("Anstelle der Einstellungsdatei „%1“ steht ein Ordner.").arg(name);
        if (!PlainFileOrMissing(path))
            return QString("Die Einstellungsdatei „%1“ ist keine gewöhnliche Datei.").arg(name);
    }
    // Marked read-only by its owner: kept as it is, also for an administrator.
    const QFileInfo info(file);
    if (info.exists() && !(info.permissions() & QFileDevice::WriteOwner))
        return QString("Die Einstellungsdatei „%1“ ist schreibgeschützt.").arg(QDir::toNativeSeparators(file));
    return QString();
}

bool Refused(const QString& why, QString* message)
{
    if (message)
        *message = why;
    return false;
}

// Writes a change and tells whether it reached the store.
bool Written(QSettings& settings, QString* message)
{
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    const QString file = SettingsFile();
    return Refused(
        file.isEmpty()
            ? QString("Die Einstellungen können nicht gespeichert werden.")
            : QString("Die Einstellungsdatei „%1“ kann nicht geschrieben werden.").arg(QDir::toNativeSeparators(file)),
        message);
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

bool WriteSetting(const QString& key, const QVariant& value, QString* message)
{
    const auto settings = OpenSettings();
    if (settings && settings->value(key) == value)
        return true;  // nothing to write
    if (const QString why = Obstacle(); !settings || !why.isEmpty())
        return Refused(why, message);
    settings->setValue(key, value);
    return Written(*settings, message);
}

bool RemoveSetting(const QString& key, QString* message)
{
    const auto settings = OpenSettings();
    if (settings && !settings->contains(key))
        return true;  // nothing to remove
    if (const QString why = Obstacle(); !settings || !why.isEmpty())
        return Refused(why, message);
    settings->remove(key);
    return Written(*settings, message);
}

}  // namespace fluvara

#pragma once
// The program's per-user settings (organisation "ko_lut", application
// "fluvara"): every reading and writing of them goes through here. On Windows
// they are the registry key HKEY_CURRENT_USER\Software\ko_lut\fluvara,
// elsewhere the file ko_lut/fluvara.conf in the user's configuration folder.
// QSettings waits for ever on a pipe (also on one in place of its lock file)
// and fails on a folder: a settings file that is anything but a regular file
// is never opened; it reads as empty and cannot be written. A settings file
// marked read-only is read but never written.

#include <QString>
#include <QVariant>

namespace fluvara {

// The settings file; "" where the settings are no file (the Windows registry).
QString SettingsFile();
// The program's own folder in the user's configuration folder, beside the
// settings file, for files kept with the settings; it may not exist yet.
QString SettingsFolder();
// Whether reading the path cannot wait for ever: it is missing or a regular
// file (links followed), no pipe, folder or device.
bool PlainFileOrMissing(const QString& path);

// The stored value; invalid when it is missing or the settings cannot be opened.
QVariant ReadSetting(const QString& key);
// Store or remove a value; false when the settings could not be written,
// and then message, when given, says why in a sentence for the user.
bool WriteSetting(const QString& key, const QVariant& value, QString* message = nullptr);
bool RemoveSetting(const QString& key, QString* message = nullptr);

}  // namespace fluvara

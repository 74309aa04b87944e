#include "settingsstore.h"

#include <QFileInfo>
#include <QSettings>
#include <QVariant>

namespace fluvara {

namespace {
constexpr const char* Organisation = "ko_lut";
constexpr const char* Application = "fluvara";
constexpr const char* HeaderLineKey = "Firmbez";

// The store's file where the settings are a file ("" where they are not, as
// in the Windows registry). Found beside the organisation's own file, so that
// finding it opens nothing of the store itself.
QString StoreFile()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    const QSettings organisation(QSettings::NativeFormat, QSettings::UserScope, Organisation);
    return QFileInfo(organisation.fileName()).absolutePath() + '/' + Organisation + '/' + Application + ".conf";
#else
    return QString();
#endif
}

// QSettings waits for ever on a pipe and fails on a folder: a store that
// exists as anything but a regular file is not opened at all.
bool UsableStore(const QString& file)
{
    const QFileInfo info(file);  // links followed
    return file.isEmpty() || !info.exists() || info.isFile();
}

}  // namespace

QString CutHeaderLine(const QString& text)
{
    QString cut = text.left(HeaderLineMaxChars);
    if (!cut.isEmpty() && cut.back().isHighSurrogate())
        cut.chop(1);
    return cut;
}

QString ReadHeaderLine(const QString& current)
{
    if (!UsableStore(StoreFile()))
        return QString();  // as from a store that cannot be read
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Organisation, Application);
    const QVariant value = settings.value(HeaderLineKey);
    if (!value.isValid())
        return QString();
    if (value.typeId() != QMetaType::QString)
        return current;  // a list, binary data or the like is no header line
    return CutHeaderLine(value.toString());
}

std::optional<QString> WriteHeaderLine(const QString& text)
{
    const QString file = StoreFile();
    bool written = UsableStore(file);
    if (written) {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Organisation, Application);
        settings.setValue(HeaderLineKey, CutHeaderLine(text));
        settings.sync();
        written = settings.status() == QSettings::NoError;
    }
    if (written)
        return std::nullopt;
    QString message = QString::fromUtf8("Die Kopfzeile konnte nicht gespeichert werden");
    if (!file.isEmpty())
        message += QString::fromUtf8(": die Einstellungsdatei „%1“ ist nicht beschreibbar").arg(file);
    return message + '.';
}

}  // namespace fluvara

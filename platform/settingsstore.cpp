#include "settingsstore.h"

#include "usersettings.h"

#include <QVariant>

namespace fluvara {

namespace {
constexpr const char* HeaderLineKey = "Firmbez";
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
    // Also a store that cannot be read gives no value.
    const QVariant value = ReadSetting(HeaderLineKey);
    if (!value.isValid())
        return QString();
    if (value.typeId() != QMetaType::QString)
        return current;  // a list, binary data or the like is no header line
    return CutHeaderLine(value.toString());
}

std::optional<QString> WriteHeaderLine(const QString& text)
{
    if (WriteSetting(HeaderLineKey, CutHeaderLine(text)))
        return std::nullopt;
    const QString file = SettingsFile();
    QString message = QString::fromUtf8("Die Kopfzeile konnte nicht gespeichert werden");
    if (!file.isEmpty())
        message += QString::fromUtf8(": die Einstellungsdatei „%1“ ist nicht beschreibbar").arg(file);
    return message + '.';
}

}  // namespace fluvara

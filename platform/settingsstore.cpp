#include "settingsstore.h"

#include <QSettings>
#include <QVariant>

namespace fluvara {

namespace {
constexpr const char* Organisation = "ko_lut";
constexpr const char* Application = "fluvara";
constexpr const char* HeaderLineKey = "Firmbez";
} // namespace

QString ReadHeaderLine(const QString& current)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Organisation, Application);
    const QVariant value = settings.value(HeaderLineKey);
    if (!value.isValid())
        return QString();
    if (value.typeId() != QMetaType::QString)
        return current;  // a list, binary data or the like is no header line
    return value.toString().left(HeaderLineMaxChars);
}

void WriteHeaderLine(const QString& text)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Organisation, Application);
    settings.setValue(HeaderLineKey, text.left(HeaderLineMaxChars));
    settings.sync();
}

} // namespace fluvara

#include "settingsstore.h"

#include <QSettings>
#include <QVariant>

namespace fluvara {

namespace {
constexpr const char* Organisation = "ko_lut";
constexpr const char* Application = "fluvara";
constexpr const char* HeaderLineKey = "Firmbez";
} // namespace

QString CutHeaderLine(const QString& text)
{
    QString cut = text.left(HeaderLineMaxChars);
    if (!cut.isEmpty() && cut.back().isHighSurrogate())
        cut.chop(1);
    return cut;
}

QString ReadHeaderLine(const QString& current)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Organisation, Application);
    const QVariant value = settings.value(HeaderLineKey);
    if (!value.isValid())
        return QString();
    if (value.typeId() != QMetaType::QString)
        return current;  // a list, binary data or the like is no header line
    return CutHeaderLine(value.toString());
}

void WriteHeaderLine(const QString& text)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Organisation, Application);
    settings.setValue(HeaderLineKey, CutHeaderLine(text));
    settings.sync();
}

} // namespace fluvara

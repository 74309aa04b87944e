// The program's settings: where they are, and a store that stands in the way.
#include "usersettings.h"
#include "windowtest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

#include <sys/stat.h>

using namespace fluvara;
using namespace fluvara::test;

namespace {

enum class TInTheWay { Pipe, Folder, ReadOnly };

}  // namespace

Q_DECLARE_METATYPE(TInTheWay)

class UserSettingsTest : public QObject {
    Q_OBJECT
private slots:
    // The file QSettings itself uses for organisation "ko_lut" and
    // application "fluvara": the settings of earlier versions stay.
    void valuesStayWhereQSettingsKeepsThem()
    {
        TTestSettings settings;
        QCOMPARE(SettingsFile(), settings.StoreFile());
        {
            QSettings native(QSettings::NativeFormat, QSettings::UserScope, "ko_lut", "fluvara");
            native.setValue("Firmbez", "Büro A");
            native.setValue("Haltungsliste/ZuletztGeoeffnet", QStringList{"/a/Netz Süd.fluvara", "/b/c.fluvara"});
        }
        QCOMPARE(ReadSetting("Firmbez"), QVariant("Büro A"));
        QCOMPARE(ReadSetting("Haltungsliste/ZuletztGeoeffnet").toStringList(),
                 QStringList({"/a/Netz Süd.fluvara", "/b/c.fluvara"}));
        QVERIFY(WriteSetting("Firmbez", "Büro B"));
        QVERIFY(RemoveSetting("Haltungsliste/ZuletztGeoeffnet"));
        QSettings native(QSettings::NativeFormat, QSettings::UserScope, "ko_lut", "fluvara");
        QCOMPARE(native.value("Firmbez"), QVariant("Büro B"));
        QVERIFY(!native.contains("Haltungsliste/ZuletztGeoeffnet"));
        QCOMPARE(QFileInfo(SettingsFolder()).absoluteFilePath(), QFileInfo(settings.StoreFile()).absolutePath());
    }

    // Nothing in the place of the store or its lock is opened: it reads as
    // empty and takes no value, at once, saying why in German. A store
    // marked read-only is read but kept as it is, also for an administrator.
    void storeInTheWayIsNotOpened_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<TInTheWay>("inTheWay");
        QTest::addColumn<QString>("reason");
        QTest::newRow("pipe for the store") << "" << TInTheWay::Pipe << "ist keine gewöhnliche Datei.";
        QTest::newRow("folder for the store") << "" << TInTheWay::Folder << "steht ein Ordner.";
        QTest::newRow("pipe for its lock") << ".lock" << TInTheWay::Pipe << "ist keine gewöhnliche Datei.";
        QTest::newRow("read-only store") << "" << TInTheWay::ReadOnly << "ist schreibgeschützt.";
    }
    void storeInTheWayIsNotOpened()
    {
        QFETCH(QString, suffix);
        QFETCH(TInTheWay, inTheWay);
        QFETCH(QString, reason);
        TTestSettings settings;
        QVERIFY(WriteSetting("Firmbez", "Alt"));
        const QString path = SettingsFile() + suffix;
        if (inTheWay == TInTheWay::ReadOnly) {
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        } else {
            QFile::remove(path);
            if (inTheWay == TInTheWay::Pipe)
                QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0644) == 0);
            else
                QVERIFY(QDir().mkpath(path));
            QVERIFY(!PlainFileOrMissing(path));
        }
        const QVariant expected = inTheWay == TInTheWay::ReadOnly ? QVariant("Alt") : QVariant();
        QCOMPARE(ReadSetting("Firmbez"), expected);
        QVERIFY(!ReadSetting("Nirgends").isValid());
        QString message;
        QVERIFY(!WriteSetting("Firmbez", "Neu", &message));
        QVERIFY2(message.endsWith(reason), qPrintable(message));
        QVERIFY(message.contains(QDir::toNativeSeparators(path)));
        message.clear();
        QVERIFY(!RemoveSetting("Firmbez", &message));
        QVERIFY2(message.endsWith(reason), qPrintable(message));
        QCOMPARE(ReadSetting("Firmbez"), expected);
        if (inTheWay == TInTheWay::ReadOnly) {
            // nothing to write: the stored value and a missing key as asked
            QVERIFY(WriteSetting("Firmbez", "Alt"));
            QVERIFY(RemoveSetting("Nirgends"));
        }
    }
};

QTEST_MAIN(UserSettingsTest)
#include "usersettings_test.moc"

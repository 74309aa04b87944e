// The program's start: a recovery copy left by a crash and a project named on
// the command line, and a settings store that stands in the way.
#include "Main.h"
#include "ReachListWindow.h"
#include "printservice.h"
#include "Startup.h"

#include "project.h"
#include "reachlisttest.h"
#include "windowtest.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace fluvara;
using namespace fluvara::test;

namespace {

const QString NetzSued = QStringLiteral("Netz Süd.fluvara");
const QString NetzNord = QStringLiteral("Netz Nord.fluvara");

// What stands in the place of a file of the store.
enum class TInTheWay { Pipe, Folder, ReadOnly, Garbage };

}  // namespace

Q_DECLARE_METATYPE(TInTheWay)

class StartupTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TTestSettings> settings_;
    TPrintService printing_;
    QTemporaryDir dir_;

    QString Path(const QString& name) const { return QFileInfo(dir_.filePath(name)).absoluteFilePath(); }

    // Both projects saved with one reach "H1"; then the named one is changed
    // and the program goes down after writing its recovery copy.
    void CrashWhileEditing(const QString& name)
    {
        for (const QString& project : {NetzSued, NetzNord}) {
            TReachListWindow window(printing_);
            window.Model(TReachKind::Circle)
                .ReplaceList(MakeList({"Haltung", "d", "kb", "Is"}, {{"H1", "300", "1,5", "5"}}));
            QVERIFY(window.SaveProject(Path(project)));
        }
        TReachListWindow window(printing_);
        QVERIFY(window.OpenProject(Path(name)));
        TReachTableModel& circles = window.Model(TReachKind::Circle);
        QVERIFY(circles.setData(circles.index(0, 0), QFileInfo(name).completeBaseName() + " neu", Qt::EditRole));
        window.WriteRecoveryCopy();
        QVERIFY(TReachListWindow::RecoveryCopyWaiting());
    }

private slots:
    void init() { settings_ = std::make_unique<TTestSettings>(); }
    void cleanup() { settings_.reset(); }

    // Opened with a project (a double-click on it), the program first offers
    // the copy a crash left and only then opens the project, which takes the
    // place of restored changes only when the user gives them up.
    void startWithAProjectOffersTheCopyFirst_data()
    {
        QTest::addColumn<QString>("copyOf");
        QTest::addColumn<int>("restore");
        QTest::addColumn<int>("save");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<bool>("modified");
        const QStringList offered{"RecoveryQuestion"};
        const QStringList offeredAndAsked{"RecoveryQuestion", "SaveQuestion"};
        const int yes = QMessageBox::Yes, no = QMessageBox::No;
        QTest::newRow("this project, restored")
            << NetzSued << yes << 0 << offered << NetzSued << "Netz Süd neu" << true;
        QTest::newRow("this project, declined") << NetzSued << no << 0 << offered << NetzSued << "H1" << false;
        QTest::newRow("other project, restored and kept")
            << NetzNord << yes << int(QMessageBox::Cancel) << offeredAndAsked << NetzNord << "Netz Nord neu" << true;
        QTest::newRow("other project, restored and given up")
            << NetzNord << yes << int(QMessageBox::Discard) << offeredAndAsked << NetzSued << "H1" << false;
    }
    void startWithAProjectOffersTheCopyFirst()
    {
        QFETCH(QString, copyOf);
        QFETCH(int, restore);
        QFETCH(int, save);
        QFETCH(QStringList, asked);
        QFETCH(QString, shown);
        QFETCH(QString, cell);
        QFETCH(bool, modified);
        CrashWhileEditing(copyOf);

        TMessageBoxAnswers answers({{"RecoveryQuestion", restore}, {"SaveQuestion", save}});
        auto windows = StartApplication(Path(NetzSued));
        QTRY_COMPARE(answers.Names(), asked);
        TReachListWindow& list = windows->mainForm->ReachList();
        QTRY_VERIFY(list.isVisible());
        QCOMPARE(list.FilePath(), Path(shown));
        QCOMPARE(list.windowTitle(), shown + "[*] – Haltungsliste – FLUVARA");
        QCOMPARE(Cell(Table(list, TReachKind::Circle), 0, 0), cell);
        QCOMPARE(list.isWindowModified(), modified);
        // the copy stays while it holds unsaved changes
        QCOMPARE(TReachListWindow::RecoveryCopyWaiting(), modified);
    }

    // A copy a crash left while the settings now stand in the way: the start
    // offers it when it can be read, as an unnamed list when its name cannot
    // be read, warns of a copy it cannot read instead of offering it, and
    // never waits for ever.
    void startWithTheSettingsInTheWay_data()
    {
        QTest::addColumn<TInTheWay>("inTheWay");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("cell");
        const QStringList offered{"RecoveryQuestion"};
        QTest::newRow("settings a pipe") << TInTheWay::Pipe << offered << "Unbenannt"
                                         << "Netz Süd neu";
        QTest::newRow("settings a folder") << TInTheWay::Folder << offered << "Unbenannt"
                                           << "Netz Süd neu";
        QTest::newRow("settings read-only") << TInTheWay::ReadOnly << offered << NetzSued << "Netz Süd neu";
        QTest::newRow("copy unreadable") << TInTheWay::Garbage << QStringList{"ListMessage"} << "Unbenannt"
                                         << "";
    }
    void startWithTheSettingsInTheWay()
    {
        QFETCH(TInTheWay, inTheWay);
        QFETCH(QStringList, asked);
        QFETCH(QString, shown);
        QFETCH(QString, cell);
        CrashWhileEditing(NetzSued);
        const QString store = settings_->StoreFile();
        if (inTheWay == TInTheWay::ReadOnly) {
            QVERIFY(QFile::setPermissions(store, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        } else if (inTheWay == TInTheWay::Garbage) {
            QFile copy(TReachListWindow::RecoveryPath());
            QVERIFY(copy.open(QIODevice::WriteOnly | QIODevice::Truncate));
            copy.write("\x01\x02 keine Liste");
        } else {
            QVERIFY(QFile::remove(store));
            if (inTheWay == TInTheWay::Pipe)
                QVERIFY(mkfifo(QFile::encodeName(store).constData(), 0644) == 0);
            else
                QVERIFY(QDir().mkpath(store));
        }

        TMessageBoxAnswers answers({{"RecoveryQuestion", QMessageBox::Yes}, {"ListMessage", QMessageBox::Ok}});
        auto windows = StartApplication(QString());
        QTRY_COMPARE(answers.Names(), asked);
        TReachListWindow& list = windows->mainForm->ReachList();
        const bool restored = asked == QStringList{"RecoveryQuestion"};
        QTRY_COMPARE(list.isVisible(), restored);
        QCOMPARE(list.windowTitle(), shown + "[*] – Haltungsliste – FLUVARA");
        QCOMPARE(list.isWindowModified(), restored);
        QCOMPARE(list.Model(TReachKind::Circle).rowCount(), restored ? 1 : 0);
        if (restored)
            QCOMPARE(Cell(Table(list, TReachKind::Circle), 0, 0), cell);
        list.UndoStack().setClean();
    }

    // With something else than a file in the place of the settings store, of
    // its lock or of the recovery copy's lock, the program must neither hang
    // nor fail. Run as its own process, so that a hang fails this test.
    void programStartsWhenTheStoreIsInTheWay_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<TInTheWay>("inTheWay");
        QTest::addColumn<bool>("withProject");
        QTest::newRow("settings a pipe") << "ko_lut/fluvara.conf" << TInTheWay::Pipe << false;
        QTest::newRow("settings a pipe, with a project") << "ko_lut/fluvara.conf" << TInTheWay::Pipe << true;
        QTest::newRow("settings a folder, with a project") << "ko_lut/fluvara.conf" << TInTheWay::Folder << true;
        QTest::newRow("settings read-only, with a project") << "ko_lut/fluvara.conf" << TInTheWay::ReadOnly << true;
        QTest::newRow("settings lock a pipe, with a project") << "ko_lut/fluvara.conf.lock" << TInTheWay::Pipe << true;
        QTest::newRow("recovery lock a pipe, with a project")
            << "ko_lut/haltungsliste-wiederherstellung.fluvara.lock" << TInTheWay::Pipe << true;
    }
    void programStartsWhenTheStoreIsInTheWay()
    {
        QFETCH(QString, file);
        QFETCH(TInTheWay, inTheWay);
        QFETCH(bool, withProject);
        QTemporaryDir config;
        const QString path = config.filePath(file);
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        if (inTheWay == TInTheWay::Pipe) {
            QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0644) == 0);
        } else if (inTheWay == TInTheWay::ReadOnly) {
            QFile store(path);
            QVERIFY(store.open(QIODevice::WriteOnly));
            store.write("[Haltungsliste]\nZuletztGeoeffnet=/nirgends/alt.fluvara\n");
            store.close();
            QVERIFY(store.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        } else {
            QVERIFY(QDir().mkpath(path));
        }
        QStringList arguments{"--quit-after-show"};
        if (withProject) {
            QFile project(Path(NetzSued));
            QVERIFY(project.open(QIODevice::WriteOnly));
            project.write(QByteArray::fromStdString(ProjectText(TProject{})));
            project.close();
            arguments << project.fileName();
        }

        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", config.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        program.start(FLUVARA_PROGRAM, arguments);
        // A bound for a hang only, far beyond any start.
        const bool ended = program.waitForFinished(120 * 1000);
        if (!ended) {
            program.kill();
            program.waitForFinished();
        }
        QVERIFY2(ended, "the program hangs at start");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"

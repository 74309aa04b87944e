// Every file the windows write follows the one rule for whole files: a new
// file gets the umask's mode, an existing file keeps its mode, a link is
// followed and kept, and a write that cannot finish (a folder the user may
// not write into, a full disk) says so and leaves the old file as it was,
// with nothing beside it.

#include "windowtest.h"
#include "writelimits.h"

#include "reachlisttest.h"

#include "ChartExport.h"
#include "Extras.h"
#include "HeaderLineSetting.h"
#include "PartialFillingChart.h"
#include "ReachListWindow.h"
#include "ResultOutput.h"

#include "circle.h"
#include "circleprintout.h"
#include "printfile.h"
#include "printservice.h"
#include "verificationrun.h"

#include <QChartView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>
#include <sys/stat.h>

namespace fluvara {

namespace {

constexpr rlim_t DiskLeft = 512;  // bytes a writer may still put on the "full" disk

// Small and read-only file systems are mounted in the test's own mount
// namespace, taken before the application starts its threads.
const bool privateMounts = TakePrivateMounts();

enum class TCondition { None, NoFolderRights, FullDisk };

// A writer of the windows: writes path and returns "" or the German message it shows.
using TWriter = std::function<QString(const QString& path)>;

struct TWindowWriter {
    const char* name;
    const char* suffix;
    TWriter write;
};

// The windows whose files are written, made once for the test run.
struct TWindows {
    test::TTestSettings settings;
    TPrintService printing;
    THeaderLine headerLine{"Ingenieurbüro Beispiel"};
    TResultOutput output{headerLine, printing};
    TPartialFillingForm chart{printing};
    TReachListWindow list{printing};
    TPrintout page;

    TWindows()
    {
        const TCircleFullFlow full = CircleFullFlow(300, 1.5, 5, false);
        chart.ShowPipe({full.dc, full.Qv, full.vv}, std::nullopt);
        chart.resize(800, 600);
        const TFullFlowRun run = RunFullFlow({"300", "1,5", "5", false});
        page = CirclePrintout(run.sketch, CircleResultLines(run));
        QTemporaryDir dir;
        QFile csv(dir.filePath("liste.csv"));
        if (csv.open(QIODevice::WriteOnly)) {
            csv.write("Haltung;d;kb;Is;Q\r\n");
            for (int i = 0; i < 40; ++i)
                csv.write(QString("H%1;300;1,5;5;40\r\n").arg(i).toUtf8());
            csv.close();
        }
        list.Document().ImportCsv(csv.fileName());
    }
};
std::unique_ptr<TWindows> windows;

TPartialFillingForm& Chart() { return windows->chart; }

QString SaveChartOf(const QString& path)
{
    return SaveChart(*test::Find<QChartView>(&Chart(), "ChartView")->chart(), path);
}

QString SavePagePdf(const QString& path)
{
    return WriteReportPdf(windows->output, TPrintTitles{"Kreisprofil", "Nachweis", ""}, windows->page, path);
}

// A file of the list's document, with the warning it gives (which the
// window shows in its message box).
QString SaveListFile(const std::function<bool(TReachListDocument&)>& save)
{
    const test::TMessageBoxAnswers answers({{"ListMessage", QMessageBox::Ok}});
    QString warning;
    const QMetaObject::Connection told = QObject::connect(&windows->list.Document(), &TReachListDocument::Warning,
                                                          [&warning](const QString& text) { warning = text; });
    const bool saved = save(windows->list.Document());
    QObject::disconnect(told);
    if (saved != warning.isEmpty())
        return "saved, yet warned, or failed in silence: " + warning;
    return warning;
}

// The list's PDF through the window, with the message box it shows.
QString SaveListPdf(const QString& path)
{
    const test::TMessageBoxAnswers answers({{"ListMessage", QMessageBox::Ok}});
    const bool saved = windows->list.SavePdf(path);
    const QString warning = answers.Texts().join("\n");
    if (saved != warning.isEmpty())
        return "saved, yet warned, or failed in silence: " + warning;
    return warning;
}

const std::vector<TWindowWriter>& Writers()
{
    static const std::vector<TWindowWriter> writers{
        {"chart png", "png", SaveChartOf},
        {"chart svg", "svg", SaveChartOf},
        {"chart pdf", "pdf", SaveChartOf},
        {"page pdf", "pdf", SavePagePdf},
        {"list project", "fluvara",
         [](const QString& path) { return SaveListFile([&](TReachListDocument& d) { return d.Save(path); }); }},
        {"list csv", "csv",
         [](const QString& path) {
             return SaveListFile([&](TReachListDocument& d) { return d.ExportCsv(path, TReachKind::Circle); });
         }},
        {"list workbook", "xlsx",
         [](const QString& path) { return SaveListFile([&](TReachListDocument& d) { return d.ExportXlsx(path); }); }},
        {"list pdf", "pdf", SaveListPdf},
    };
    return writers;
}

mode_t ModeOf(const QString& path)
{
    struct stat st { };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

QByteArray Content(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteOld(const QString& path, mode_t mode)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("alt");
    file.close();
    ::chmod(QFile::encodeName(path).constData(), mode);
}

}  // namespace

class WindowWritersTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { windows = std::make_unique<TWindows>(); }
    void cleanupTestCase() { windows.reset(); }
    void init()
    {
        oldMask_ = ::umask(027);
        QVERIFY(dir_.emplace().isValid());
    }
    void cleanup()
    {
        QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        dir_.reset();
        ::umask(oldMask_);
    }

    void newFileGetsTheModeOfTheUmask_data() { Rows(); }
    void newFileGetsTheModeOfTheUmask()
    {
        QFETCH(int, writer);
        const QString path = Path(writer);
        QCOMPARE(Write(writer, path, TCondition::None), QString());
        QVERIFY(Written(path));
        QCOMPARE(ModeOf(path), mode_t{0640});
        QCOMPARE(Entries(), QStringList{QFileInfo(path).fileName()});
    }

    void existingFileKeepsItsMode_data() { Rows(); }
    void existingFileKeepsItsMode()
    {
        QFETCH(int, writer);
        const QString path = Path(writer);
        for (const mode_t mode : {mode_t{0644}, mode_t{0600}, mode_t{0664}}) {
            WriteOld(path, mode);
            QCOMPARE(Write(writer, path, TCondition::None), QString());
            QVERIFY(Written(path));
            QCOMPARE(ModeOf(path), mode);
        }
    }

    void linkIsFollowedAndKept_data() { Rows(); }
    void linkIsFollowedAndKept()
    {
        QFETCH(int, writer);
        const QString path = Path(writer);
        QVERIFY(QDir(dir_->path()).mkdir("ablage"));
        const QString target = dir_->filePath("ablage/" + QFileInfo(path).fileName());
        WriteOld(target, 0644);
        QVERIFY(QFile::link("ablage/" + QFileInfo(path).fileName(), path));
        QCOMPARE(Write(writer, path, TCondition::None), QString());
        QVERIFY(QFileInfo(path).isSymLink());
        QVERIFY(Written(target));
    }

    void failedWriteSaysSoAndLeavesTheOldFile_data()
    {
        QTest::addColumn<int>("writer");
        QTest::addColumn<int>("condition");
        for (std::size_t i = 0; i < Writers().size(); ++i) {
            QTest::addRow("%s, read-only folder", Writers()[i].name) << int(i) << int(TCondition::NoFolderRights);
            QTest::addRow("%s, full disk", Writers()[i].name) << int(i) << int(TCondition::FullDisk);
        }
    }
    void failedWriteSaysSoAndLeavesTheOldFile()
    {
        QFETCH(int, condition);
        QFETCH(int, writer);
        const QString path = Path(writer);
        WriteOld(path, 0644);
        if (condition == int(TCondition::NoFolderRights))
            QFile::setPermissions(dir_->path(),
                                  QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther |
                                      QFile::ReadGroup | QFile::ExeGroup);
        else
            QFile::setPermissions(dir_->path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                      QFile::ExeOther);
        const QString message = Write(writer, path, TCondition(condition));
        QVERIFY2(!message.isEmpty(), "the failure must be told");
        QVERIFY2(message.contains(QString::fromUtf8("nicht")), qPrintable(message));
        QCOMPARE(Content(path), QByteArray("alt"));
        QCOMPARE(Entries(), QStringList{QFileInfo(path).fileName()});
    }

    void failedWriteNamesItsCauseInGerman_data()
    {
        QTest::addColumn<int>("writer");
        QTest::addColumn<int>("failure");
        for (std::size_t i = 0; i < Writers().size(); ++i)
            for (std::size_t f = 0; f < std::size(Failures); ++f)
                QTest::addRow("%s, %s", Writers()[i].name, Failures[f].name) << int(i) << int(f);
    }
    void failedWriteNamesItsCauseInGerman()
    {
        QFETCH(int, writer);
        QFETCH(int, failure);
        const TFailure& f = Failures[failure];
        const QString name = QFileInfo(Path(writer)).fileName();
        const bool mount = f.kind == TFailure::SmallDisk || f.kind == TFailure::ReadOnlyMount;
        const QString folder = dir_->filePath(mount ? "platte" : f.kind == TFailure::MissingFolder ? "fehlt" : "");
        const QString path = folder + "/" + name;
        std::optional<TSmallDisk> disk;
        if (mount) {
            disk.emplace(LocalPath(folder), name.toStdString(),
                         f.kind == TFailure::SmallDisk ? TSmallDisk::Full : TSmallDisk::ReadOnly);
            if (!disk->Mounted())
                QSKIP("no file system can be mounted here");
        } else if (f.kind != TFailure::MissingFolder) {
            WriteOld(path, 0644);
        }
        if (f.kind == TFailure::NoPermission)
            QFile::setPermissions(dir_->path(),
                                  QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther |
                                      QFile::ReadGroup | QFile::ExeGroup);
        const QString message = Write(writer, path,
                                      f.kind == TFailure::FileSizeLimit      ? TCondition::FullDisk
                                          : f.kind == TFailure::NoPermission ? TCondition::NoFolderRights
                                                                             : TCondition::None);
        QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY2(message.contains(QString::fromUtf8(f.cause)), qPrintable(message));
        for (const char* english : {"error", "Error", "denied", "Unknown", "No space", "Read-only", "[ERROR]"})
            QVERIFY2(!message.contains(english), qPrintable(message));
        if (f.kind != TFailure::MissingFolder) {
            QCOMPARE(Content(path), QByteArray("alt"));
            QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                     QStringList{name});
        }
    }

private:
    void Rows()
    {
        QTest::addColumn<int>("writer");
        for (std::size_t i = 0; i < Writers().size(); ++i)
            QTest::addRow("%s", Writers()[i].name) << int(i);
    }
    QString Path(int writer) const
    {
        return dir_->filePath(QString("ausgabe.") + Writers()[std::size_t(writer)].suffix);
    }
    static QString Write(int writer, const QString& path, TCondition condition)
    {
        const TWriter& write = Writers()[std::size_t(writer)].write;
        if (condition == TCondition::NoFolderRights) {
            const TOrdinaryFileRights rights;
            return write(path);
        }
        if (condition == TCondition::FullDisk) {
            const TFileSizeLimit fullDisk(DiskLeft);
            return write(path);
        }
        return write(path);
    }
    static bool Written(const QString& path)
    {
        const QByteArray content = Content(path);
        return content.size() > qsizetype(DiskLeft) && content != "alt";
    }
    QStringList Entries() const
    {
        return QDir(dir_->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    std::optional<QTemporaryDir> dir_;
    mode_t oldMask_ = 022;
};

}  // namespace fluvara

QTEST_MAIN(fluvara::WindowWritersTest)
#include "window_writers_test.moc"

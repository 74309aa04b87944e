// The reach list document on its own, without any window: files, the mark of
// unsaved changes, undo, the recent files and the recovery copy, also with
// settings that cannot be read or written.
#include "ReachListDocument.h"
#include "usersettings.h"
#include "windowtest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace fluvara;
using namespace fluvara::test;

namespace {

enum class TInTheWay { Pipe, Folder, ReadOnly };

const QString NetzSued = QStringLiteral("Netz Süd.fluvara");

QString NameOf(const TReachListDocument& document, int row)
{
    const TReachTableModel& circles = document.Model(TReachKind::Circle);
    return circles.data(circles.index(row, 0), Qt::DisplayRole).toString();
}

void Rename(TReachListDocument& document, int row, const QString& name)
{
    TReachTableModel& circles = document.Model(TReachKind::Circle);
    QVERIFY(circles.setData(circles.index(row, 0), name, Qt::EditRole));
}

// The settings file replaced by something that cannot be written.
void PutInTheWay(TInTheWay inTheWay)
{
    const QString file = SettingsFile();
    if (inTheWay == TInTheWay::ReadOnly) {
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        return;
    }
    QVERIFY(QFile::remove(file));
    if (inTheWay == TInTheWay::Pipe)
        QVERIFY(mkfifo(QFile::encodeName(file).constData(), 0644) == 0);
    else
        QVERIFY(QDir().mkpath(file));
}

}  // namespace

Q_DECLARE_METATYPE(TInTheWay)

class ReachListDocumentTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TTestSettings> settings_;
    std::unique_ptr<TReachListDocument> document_;
    QTemporaryDir dir_;

    QString Path(const QString& name) const { return QFileInfo(dir_.filePath(name)).absoluteFilePath(); }

    // A saved project with one reach "H1".
    void SaveNetzSued()
    {
        document_->Model(TReachKind::Circle)
            .ReplaceList(MakeList({"Haltung", "d", "kb", "Is"}, {{"H1", "300", "1,5", "5"}}));
        QVERIFY(document_->Save(Path(NetzSued)));
    }

private slots:
    void init()
    {
        settings_ = std::make_unique<TTestSettings>();
        document_ = std::make_unique<TReachListDocument>();
    }
    void cleanup()
    {
        document_->UndoStack().setClean();
        document_.reset();
        settings_.reset();
    }

    // Saved, changed, undone, opened again: the name and the mark of unsaved
    // changes follow, each file told once.
    void saveOpenAndTheChangedMark()
    {
        QCOMPARE(document_->FileName(), QString("Unbenannt"));
        QVERIFY(!document_->IsModified());
        QSignalSpy told(document_.get(), &TReachListDocument::Told);
        QSignalSpy fileChanged(document_.get(), &TReachListDocument::FileChanged);
        SaveNetzSued();
        QCOMPARE(document_->FilePath(), Path(NetzSued));
        QCOMPARE(document_->FileName(), NetzSued);
        QCOMPARE(fileChanged.count(), 1);
        QCOMPARE(told.takeLast().value(0).toString(), NetzSued + " gespeichert");

        Rename(*document_, 0, "H1 neu");
        QVERIFY(document_->IsModified());
        document_->UndoStack().undo();
        QVERIFY(!document_->IsModified());
        QCOMPARE(NameOf(*document_, 0), QString("H1"));
        document_->UndoStack().redo();
        QCOMPARE(NameOf(*document_, 0), QString("H1 neu"));
        QVERIFY(document_->IsModified());

        // given up: back to the file as saved, nothing left to undo
        document_->Revert();
        QVERIFY(!document_->IsModified());
        QVERIFY(!document_->UndoStack().canUndo());
        QCOMPARE(NameOf(*document_, 0), QString("H1"));

        TReachListDocument other;
        QSignalSpy otherTold(&other, &TReachListDocument::Told);
        QVERIFY(other.Open(Path(NetzSued)));
        QCOMPARE(other.FilePath(), Path(NetzSued));
        QCOMPARE(NameOf(other, 0), QString("H1"));
        QVERIFY(!other.IsModified());
        QCOMPARE(otherTold.takeLast().value(0).toString(), NetzSued + " geöffnet");
    }

    // A file that is no project is a warning, and the list stays as it was.
    void aBadFileLeavesTheListAsItWas()
    {
        SaveNetzSued();
        Rename(*document_, 0, "H1 neu");
        QFile bad(Path("kaputt.fluvara"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("kein Projekt\n");
        bad.close();
        QSignalSpy warning(document_.get(), &TReachListDocument::Warning);
        QVERIFY(!document_->Open(bad.fileName()));
        QCOMPARE(warning.count(), 1);
        QVERIFY(warning.at(0).value(0).toString().startsWith("Das Projekt „"));
        QCOMPARE(document_->FilePath(), Path(NetzSued));
        QCOMPARE(NameOf(*document_, 0), QString("H1 neu"));
        QVERIFY(document_->IsModified());
    }

    // The latest first, each once, six at the most.
    void recentFiles()
    {
        QVERIFY(TReachListDocument::RecentFiles().isEmpty());
        QStringList saved;
        for (int n = 1; n <= 7; ++n) {
            saved.prepend(Path(QString("Netz %1.fluvara").arg(n)));
            QVERIFY(document_->Save(saved.front()));
        }
        QVERIFY(document_->Open(saved.at(3)));
        const QStringList expected{saved.at(3), saved.at(0), saved.at(1), saved.at(2), saved.at(4), saved.at(5)};
        QCOMPARE(TReachListDocument::RecentFiles(), expected);
        QCOMPARE(TReachListDocument::LastProjectFile(), saved.at(3));
    }

    // The copy follows the first unsaved change, comes back after a crash
    // under the project's name on top of the file as saved, and goes when
    // it is declined.
    void recoveryCopy_data()
    {
        QTest::addColumn<bool>("taken");
        QTest::newRow("restored") << true;
        QTest::newRow("declined") << false;
    }
    void recoveryCopy()
    {
        QFETCH(bool, taken);
        SaveNetzSued();
        document_->SetRecoveryDelay(10);
        Rename(*document_, 0, "H1 neu");
        QTRY_VERIFY(TReachListDocument::RecoveryCopyWaiting());
        document_.reset();  // a crash
        document_ = std::make_unique<TReachListDocument>();
        QCOMPARE(document_->RecoveryOffer(), std::optional<QString>(Path(NetzSued)));
        if (!taken) {
            document_->DeclineRecoveryCopy();
            QVERIFY(!TReachListDocument::RecoveryCopyWaiting());
            QVERIFY(!document_->IsModified());
            return;
        }
        QVERIFY(document_->RestoreRecoveryCopy());
        QCOMPARE(document_->FilePath(), Path(NetzSued));
        QCOMPARE(NameOf(*document_, 0), QString("H1 neu"));
        QVERIFY(document_->IsModified());
        document_->UndoStack().setIndex(0);
        QCOMPARE(NameOf(*document_, 0), QString("H1"));
        QVERIFY(!TReachListDocument::RecoveryCopyWaiting());
    }

    // A copy that cannot be read is not offered: a warning says so.
    void anUnreadableCopyIsNotOffered()
    {
        document_.reset();
        QVERIFY(QDir().mkpath(SettingsFolder()));
        QFile copy(TReachListDocument::RecoveryPath());
        QVERIFY(copy.open(QIODevice::WriteOnly));
        copy.write("\x01\x02 keine Liste");
        copy.close();
        document_ = std::make_unique<TReachListDocument>();
        QSignalSpy warning(document_.get(), &TReachListDocument::Warning);
        QVERIFY(!document_->RecoveryOffer());
        QCOMPARE(warning.count(), 1);
        QVERIFY(warning.at(0).value(0).toString().startsWith("Die Sicherungskopie kann nicht gelesen werden:"));
        QVERIFY(!document_->RestoreRecoveryCopy());
    }

    // Settings that cannot record whose changes a copy holds get no copy:
    // restored at the next start, it would take another list's name. The
    // status line says why, and nothing waits for ever.
    void noCopyWhileItsNameCannotBeRecorded_data()
    {
        QTest::addColumn<TInTheWay>("inTheWay");
        QTest::addColumn<QString>("reason");
        QTest::newRow("pipe") << TInTheWay::Pipe << "ist keine gewöhnliche Datei.";
        QTest::newRow("folder") << TInTheWay::Folder << "steht ein Ordner.";
        QTest::newRow("read-only") << TInTheWay::ReadOnly << "ist schreibgeschützt.";
    }
    void noCopyWhileItsNameCannotBeRecorded()
    {
        QFETCH(TInTheWay, inTheWay);
        QFETCH(QString, reason);
        // the settings name an earlier list's copy
        QVERIFY(WriteSetting("Haltungsliste/SicherungskopieVon", Path("Netz Nord.fluvara")));
        SaveNetzSued();
        PutInTheWay(inTheWay);
        QSignalSpy told(document_.get(), &TReachListDocument::Told);
        Rename(*document_, 0, "H1 neu");
        document_->WriteRecoveryCopy();
        QVERIFY(!TReachListDocument::RecoveryCopyWaiting());
        QCOMPARE(told.count(), 1);
        const QString message = told.at(0).value(0).toString();
        QVERIFY2(message.startsWith("Die Sicherungskopie kann nicht geschrieben werden: "), qPrintable(message));
        QVERIFY(message.contains("„" + QDir::toNativeSeparators(SettingsFile()) + "“"));
        QVERIFY2(message.endsWith(reason), qPrintable(message));
    }

    // A copy written while the settings could be read is still offered when
    // they no longer can: as an unnamed list when its name cannot be read.
    void copyOfferedWhenTheSettingsStandInTheWay_data()
    {
        QTest::addColumn<TInTheWay>("inTheWay");
        QTest::addColumn<bool>("named");
        QTest::newRow("pipe") << TInTheWay::Pipe << false;
        QTest::newRow("folder") << TInTheWay::Folder << false;
        QTest::newRow("read-only") << TInTheWay::ReadOnly << true;
    }
    void copyOfferedWhenTheSettingsStandInTheWay()
    {
        QFETCH(TInTheWay, inTheWay);
        QFETCH(bool, named);
        SaveNetzSued();
        Rename(*document_, 0, "H1 neu");
        document_->WriteRecoveryCopy();
        QVERIFY(TReachListDocument::RecoveryCopyWaiting());
        document_.reset();  // a crash
        PutInTheWay(inTheWay);
        document_ = std::make_unique<TReachListDocument>();
        const QString file = named ? Path(NetzSued) : QString();
        QCOMPARE(document_->RecoveryOffer(), std::optional<QString>(file));
        QVERIFY(document_->RestoreRecoveryCopy());
        QCOMPARE(document_->FilePath(), file);
        QCOMPARE(NameOf(*document_, 0), QString("H1 neu"));
        QVERIFY(document_->IsModified());
    }
};

QTEST_GUILESS_MAIN(ReachListDocumentTest)
#include "reach_list_document_test.moc"

// The header line dialog and the stored header line.

#include "HeaderLineSetting.h"
#include "Headline.h"
#include "Main.h"
#include "Startup.h"

#include "dialogtest.h"
#include "windowtest.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

using namespace fluvara;
using namespace fluvara::test;

namespace {

const QString Initial = QStringLiteral("FLUVARA 5.0");

// Ways the settings store can stand in the way; some only hold for users
// whom the file permissions bind.
enum class TBrokenStore { Folder, Pipe, OrganisationFile, ReadOnlyFile, ReadOnlyFolder };

// Breaks the store that holds "Alt"; false when the way does not apply to
// this user (file permissions do not bind root).
bool Break(const TTestSettings& settings, TBrokenStore how)
{
    const QString file = settings.StoreFile();
    const QString folder = QFileInfo(file).absolutePath();
    switch (how) {
    case TBrokenStore::Folder:
        return QFile::remove(file) && QDir().mkpath(file);
    case TBrokenStore::Pipe:
        return QFile::remove(file) && mkfifo(QFile::encodeName(file).constData(), 0644) == 0;
    case TBrokenStore::OrganisationFile: {
        QFile taken(folder);
        return QDir(folder).removeRecursively() && taken.open(QIODevice::WriteOnly);
    }
    case TBrokenStore::ReadOnlyFile:
        return geteuid() != 0 && QFile::setPermissions(file, QFile::ReadOwner);
    case TBrokenStore::ReadOnlyFolder:
        return geteuid() != 0 && QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    }
    return false;
}

// The text of the next message box, which it then closes.
void AnswerMessageBox(QString& text)
{
    QTimer::singleShot(0, [&text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        text = box->text();
        box->accept();
    });
}

}  // namespace

Q_DECLARE_METATYPE(TBrokenStore)

class HeadlineDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() { settings_ = std::make_unique<TTestSettings>(); }
    void cleanup() { settings_.reset(); }

    void missingValueGivesEmptyHeaderLine()
    {
        THeaderLine headerLine(Initial);
        THeadLineForm dialog(headerLine);
        QCOMPARE(headerLine.Text(), "");
        QCOMPARE(Text(&dialog, "HLineEdit"), "");
    }

    void storedValueFillsField()
    {
        settings_->SetHeaderValue(QString::fromUtf8("Ingenieurbüro Muster"));
        THeaderLine headerLine(Initial);
        THeadLineForm dialog(headerLine);
        QCOMPARE(headerLine.Text(), QString::fromUtf8("Ingenieurbüro Muster"));
        QCOMPARE(Text(&dialog, "HLineEdit"), headerLine.Text());
    }

    void valueOfAnotherTypeKeepsHeaderLine_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("list") << QVariant(QStringList{"Büro", "Muster"});
        QTest::newRow("binary") << QVariant(QByteArray("\x01\x02\xff", 3));
    }
    void valueOfAnotherTypeKeepsHeaderLine()
    {
        QFETCH(QVariant, stored);
        settings_->SetHeaderValue(stored);
        THeaderLine headerLine(Initial);
        THeadLineForm dialog(headerLine);
        QCOMPARE(headerLine.Text(), Initial);
        QCOMPARE(Text(&dialog, "HLineEdit"), Initial);
    }

    void longStoredValueIsCut()
    {
        const QString longText = QString::fromUtf8("Ä123456789").repeated(7);
        settings_->SetHeaderValue(longText);
        THeaderLine headerLine(Initial);
        THeadLineForm dialog(headerLine);
        QCOMPARE(headerLine.Text(), longText.left(64));
        QCOMPARE(Text(&dialog, "HLineEdit"), longText.left(64));
    }

    // The field holds what the header line can hold; OK takes it over for this run and stores it.
    void okStoresAndChangesHeaderLine_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("headerLine");
        QTest::newRow("text") << QString::fromUtf8("Büro für Wasserbau") << QString::fromUtf8("Büro für Wasserbau");
        QTest::newRow("empty") << QString() << QString("");
        QTest::newRow("too long") << QString(70, 'x') << QString(64, 'x');
    }
    void okStoresAndChangesHeaderLine()
    {
        QFETCH(QString, typed);
        QFETCH(QString, headerLine);
        settings_->SetHeaderValue("Alt");
        THeaderLine programHeaderLine(Initial);
        THeadLineForm dialog(programHeaderLine);
        QVERIFY(Activate(&dialog));
        TypeLetters(&dialog, "HLineEdit", typed);
        QCOMPARE(Text(&dialog, "HLineEdit"), headerLine);
        Click(&dialog, "xOKBtn");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(programHeaderLine.Text(), headerLine);
        const QVariant stored = settings_->HeaderValue();
        QCOMPARE(stored.typeId(), QMetaType::QString);
        QCOMPARE(stored.toString(), headerLine);
    }

    void okNeverStoresHalfACharacter()
    {
        // the field's 64-unit limit can cut a character outside the basic plane in two
        THeaderLine programHeaderLine(Initial);
        THeadLineForm dialog(programHeaderLine);
        Find<QLineEdit>(&dialog, "HLineEdit")->setText(QString(63, 'x') + QString::fromUtf8("\xF0\x9F\x8C\x8A"));
        Click(&dialog, "xOKBtn");
        QCOMPARE(programHeaderLine.Text(), QString(63, 'x'));
        QCOMPARE(settings_->HeaderValue().toString(), QString(63, 'x'));
    }

    void storeThatCannotBeWrittenKeepsDialogOpen_data()
    {
        QTest::addColumn<TBrokenStore>("how");
        QTest::newRow("folder in its place") << TBrokenStore::Folder;
        QTest::newRow("pipe in its place") << TBrokenStore::Pipe;
        QTest::newRow("organisation folder is a file") << TBrokenStore::OrganisationFile;
        QTest::newRow("read-only file") << TBrokenStore::ReadOnlyFile;
        QTest::newRow("read-only folder") << TBrokenStore::ReadOnlyFolder;
    }
    void storeThatCannotBeWrittenKeepsDialogOpen()
    {
        QFETCH(TBrokenStore, how);
        settings_->SetHeaderValue("Alt");
        const bool permissions = how == TBrokenStore::ReadOnlyFile || how == TBrokenStore::ReadOnlyFolder;
        if (!Break(*settings_, how)) {
            QVERIFY(permissions);
            QSKIP("file permissions do not bind this user");
        }
        THeaderLine programHeaderLine(Initial);
        THeadLineForm dialog(programHeaderLine);
        QVERIFY(Activate(&dialog));
        TypeInto(&dialog, "HLineEdit", "Neu");
        QString message;
        AnswerMessageBox(message);
        Click(&dialog, "xOKBtn");
        QVERIFY2(message.startsWith("Die Kopfzeile konnte nicht gespeichert werden"), qPrintable(message));
        QVERIFY(message.contains(settings_->StoreFile()));
        QVERIFY(dialog.isVisible());
        QCOMPARE(Text(&dialog, "HLineEdit"), "Neu");
        // the printouts of this run carry the new line all the same
        QCOMPARE(programHeaderLine.Text(), "Neu");
        Click(&dialog, "xCancelBtn");
        QVERIFY(!dialog.isVisible());
    }

    // A store that is no regular file is not opened, not even for reading:
    // QSettings would wait for ever on a pipe.
    void storeThatIsNoFileReadsAsEmpty_data()
    {
        QTest::addColumn<TBrokenStore>("how");
        QTest::newRow("folder in its place") << TBrokenStore::Folder;
        QTest::newRow("pipe in its place") << TBrokenStore::Pipe;
    }
    void storeThatIsNoFileReadsAsEmpty()
    {
        QFETCH(TBrokenStore, how);
        settings_->SetHeaderValue("Alt");
        QVERIFY(Break(*settings_, how));
        auto windows = CreateApplicationWindows();
        QCOMPARE(windows->headerLine->Text(), "");
        QCOMPARE(Text(windows->Dialog<THeadLineForm>(), "HLineEdit"), "");
    }

    void cancelStoresNothingAndKeepsTypedText()
    {
        settings_->SetHeaderValue("Alt");
        THeaderLine headerLine(Initial);
        THeadLineForm dialog(headerLine);
        QVERIFY(Activate(&dialog));
        TypeInto(&dialog, "HLineEdit", "Neu");
        Click(&dialog, "xCancelBtn");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(headerLine.Text(), "Alt");
        QCOMPARE(settings_->HeaderValue(), QVariant("Alt"));
        QVERIFY(Activate(&dialog));
        QCOMPARE(Text(&dialog, "HLineEdit"), "Neu");
    }

    void activationFocusesFieldWithoutSelection()
    {
        settings_->SetHeaderValue("Alt");
        THeaderLine headerLine(Initial);
        THeadLineForm dialog(headerLine);
        QVERIFY(Activate(&dialog));
        QCOMPARE(FocusName(), "HLineEdit");
        auto* field = Find<QLineEdit>(&dialog, "HLineEdit");
        QVERIFY(!field->hasSelectedText());
        field->selectAll();
        Find<QWidget>(&dialog, "xCancelBtn")->setFocus();
        QVERIFY(Reactivate(&dialog));
        QCOMPARE(FocusName(), "HLineEdit");
        QVERIFY(!field->hasSelectedText());
    }

    // Start-up reads the stored line; the toolbar button opens the dialog,
    // whose OK changes the line of this run and the stored one.
    void toolbarButtonEditsTheProgramsHeaderLine()
    {
        settings_->SetHeaderValue("Büro A");
        auto windows = CreateApplicationWindows();
        TMainForm& mainForm = *windows->mainForm;
        QCOMPARE(windows->headerLine->Text(), "Büro A");
        QVERIFY(Activate(&mainForm));

        THeadLineForm* dialog = windows->Dialog<THeadLineForm>();
        bool acted = false;
        QTimer::singleShot(0, dialog, [&] {
            acted = QTest::qWaitForWindowActive(dialog);
            QCOMPARE(Text(dialog, "HLineEdit"), "Büro A");
            TypeLetters(dialog, "HLineEdit", "Büro B");
            Click(dialog, "xOKBtn");
        });
        Click(&mainForm, "HLineBtn");
        QVERIFY(acted);
        QCOMPARE(windows->headerLine->Text(), "Büro B");
        QCOMPARE(settings_->HeaderValue(), QVariant("Büro B"));

        QTimer::singleShot(0, dialog, [&] {
            TypeLetters(dialog, "HLineEdit", "Büro C");
            Click(dialog, "xCancelBtn");
        });
        Click(&mainForm, "HLineBtn");
        QCOMPARE(windows->headerLine->Text(), "Büro B");
        QCOMPARE(settings_->HeaderValue(), QVariant("Büro B"));
    }

private:
    std::unique_ptr<TTestSettings> settings_;
};

QTEST_MAIN(HeadlineDialogTest)
#include "headline_dialog_test.moc"

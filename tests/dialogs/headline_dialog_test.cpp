// The header line dialog and the stored header line.

#include "HeaderLineSetting.h"
#include "Headline.h"
#include "Main.h"
#include "Startup.h"

#include "dialogtest.h"
#include "windowtest.h"

#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace fluvara;
using namespace fluvara::test;

namespace {

const QString Initial = QStringLiteral("FLUVARA 5.0");

} // namespace

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

        THeadLineForm* dialog = windows->headLineForm.get();
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

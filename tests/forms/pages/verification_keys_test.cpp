// The verification page's keys: Enter between the fields, the typing limit, the accelerators.

#include "windowtest.h"

#include "Main.h"

#include <QTest>

using namespace fluvara;
using namespace fluvara::test;

class VerificationKeysTest : public QObject {
    Q_OBJECT
private slots:
    void enterKeyMovesFocus();
    void typingIsLimitedToSixCharacters();
    void accelerators();
};

void VerificationKeysTest::enterKeyMovesFocus()
{
    TRunningProgram program;
    const QObject* page = Find<QWidget>(&program.Main(), "TabSheet1");
    const struct {
        const char* from;
        const char* to;
    } moves[] = {{"DNEdit", "kbEdit"}, {"kbEdit", "IeEdit"}, {"IeEdit", "DNEdit"}};
    for (const auto& m : moves) {
        Find<QWidget>(page, m.from)->setFocus();
        PressEnter(page, m.from);
        QCOMPARE(FocusName(), QString(m.to));
    }
    // Enter never calculates; the partial-discharge field has no Enter move.
    QCOMPARE(Text(page, "QvLabel"), QString());
    Find<QWidget>(page, "QtEdit")->setFocus();
    PressEnter(page, "QtEdit");
    QCOMPARE(FocusName(), QString("QtEdit"));
}

void VerificationKeysTest::typingIsLimitedToSixCharacters()
{
    TRunningProgram program;
    const QObject* page = Find<QWidget>(&program.Main(), "TabSheet1");
    for (const char* name : {"DNEdit", "kbEdit", "IeEdit", "QtEdit"}) {
        TypeInto(page, name, "12345678");
        QCOMPARE(Text(page, name), QString("123456"));
    }
}

void VerificationKeysTest::accelerators()
{
    TRunningProgram program;
    const QObject* page = Find<QWidget>(&program.Main(), "TabSheet1");
    TypeInto(page, "DNEdit", "300");
    TypeInto(page, "kbEdit", "1,5");
    TypeInto(page, "IeEdit", "5");
    // A mnemonic clicks its button after a short animation.
    QTest::keyClick(Find<QWidget>(page, "IeEdit"), Qt::Key_V, Qt::AltModifier);
    QTRY_COMPARE(Text(page, "QvLabel"), QString("69.12 "));
    TypeInto(page, "QtEdit", "40");
    QTest::keyClick(Find<QWidget>(page, "QtEdit"), Qt::Key_T, Qt::AltModifier);
    QTRY_COMPARE(Text(page, "FhLabel"), QString("16.4 "));
}

QTEST_MAIN(VerificationKeysTest)
#include "verification_keys_test.moc"

#include "windowtest.h"

#include "About.h"
#include "Main.h"
#include "ProgramIcon.h"
#include "Startup.h"

#include <QImage>
#include <QLabel>
#include <QTest>

using namespace fluvara;
using namespace fluvara::test;

class ProgramIconTest : public QObject {
    Q_OBJECT
private slots:
    void everyThemeSize();
    void showsThePartlyFilledPipe();
    void windowsUseIt();
};

void ProgramIconTest::everyThemeSize()
{
    const QIcon icon = ProgramIcon();
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QVERIFY2(icon.availableSizes().contains(QSize(size, size)), qPrintable(QString::number(size)));
        // Exactly that size, not a scaled neighbour: each was rendered from the picture.
        QCOMPARE(QImage(QStringLiteral(":/icon/%1.png").arg(size)).size(), QSize(size, size));
    }
}

void ProgramIconTest::showsThePartlyFilledPipe()
{
    // Down the vertical centre line: wall, empty bore, water below 0.6 of the bore.
    const QImage image = QImage(":/icon/256.png").convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.pixelColor(2, 2).alpha(), 0);                      // outside the pipe
    QCOMPARE(image.pixelColor(128, 24).name(), QString("#aaa091"));   // concrete wall
    QCOMPARE(image.pixelColor(128, 80).name(), QString("#ffffff"));   // air in the bore
    QCOMPARE(image.pixelColor(128, 160).name(), QString("#3c82dc"));  // water
    // The water surface lies at 13.9 of 32 units, the bore from 5.5 to 26.5.
    QCOMPARE(image.pixelColor(128, 13.9 * 8 - 10).name(), QString("#ffffff"));
    QCOMPARE(image.pixelColor(128, 13.9 * 8 + 10).name(), QString("#3c82dc"));
}

void ProgramIconTest::windowsUseIt()
{
    TRunningProgram program;
    const QImage expected = ProgramIcon().pixmap(32, 32).toImage();
    QCOMPARE(program.Main().windowIcon().pixmap(32, 32).toImage(), expected);
    QCOMPARE(program.Windows().Dialog<TAboutForm>()->windowIcon().pixmap(32, 32).toImage(), expected);
    // The info dialog shows the same picture beside the program's name.
    const QLabel* image = Find<QLabel>(program.Windows().Dialog<TAboutForm>(), "Image1");
    QCOMPARE(image->pixmap().toImage(), expected);
}

QTEST_MAIN(ProgramIconTest)
#include "program_icon_test.moc"

// The flat buttons' pictures come from the SVG files among the resources.

#include "Icons.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QToolButton>
#include <QtTest>

namespace fluvara {

class IconsTest : public QObject {
    Q_OBJECT
private slots:
    void everyIconIsDrawnFromItsFile_data()
    {
        QTest::addColumn<int>("icon");
        const TIcon icons[] = {TIcon::Clipboard, TIcon::HeaderLine, TIcon::Info,    TIcon::Exit, TIcon::Eraser,
                               TIcon::Table,     TIcon::Copy,       TIcon::Printer, TIcon::Book, TIcon::Transfer};
        for (TIcon icon : icons)
            QTest::newRow(qPrintable(IconResource(icon))) << static_cast<int>(icon);
    }
    void everyIconIsDrawnFromItsFile()
    {
        QFETCH(int, icon);
        const QString resource = IconResource(static_cast<TIcon>(icon));
        QVERIFY(resource.startsWith(":/icons/") && resource.endsWith(".svg"));
        QVERIFY(QFile::exists(resource));
        // Drawn, not an empty picture: some pixels cover, the corners stay clear.
        const QImage image = MakeIcon(static_cast<TIcon>(icon)).pixmap(IconSize, IconSize).toImage();
        QCOMPARE(image.size(), QSize(IconSize, IconSize));
        int covered = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                covered += qAlpha(image.pixel(x, y)) > 128;
        QVERIFY2(covered > 40, qPrintable(QString::number(covered)));
        QCOMPARE(qAlpha(image.pixel(0, IconSize - 1)), 0);
    }
    void aButtonShowsItAtItsSize()
    {
        QToolButton button;
        SetButtonIcon(&button, TIcon::Printer);
        QCOMPARE(button.iconSize(), QSize(IconSize, IconSize));
        QVERIFY(!button.icon().isNull());
        // A larger screen gets the drawing at its size, not a blown-up pixmap.
        QCOMPARE(button.icon().pixmap(56, 56).size(), QSize(56, 56));
    }
};

}  // namespace fluvara

QTEST_MAIN(fluvara::IconsTest)
#include "icons_test.moc"

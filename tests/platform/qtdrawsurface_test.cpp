// The Qt surface on an image: the pixels of the shapes and of the whole
// circle and channel sketches, which prove the box mapping and the chord's
// direction, and the Greek letters standing in for the "Symbol" face.

#include "Startup.h"
#include "channelsketch.h"
#include "circlesketch.h"
#include "qtdrawsurface.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>

namespace fluvara {

namespace {

constexpr TPoint centre{632, 328};
constexpr TRect bevel{368, 72, 529, 513};
const QColor background(Qt::white);

QFont WindowFont()
{
    QFont font("MS Sans Serif");
    font.setPixelSize(11);
    return font;
}

// Paints with a fresh surface on a white image of the main window's client size.
QImage Paint(const std::function<void(TQtDrawSurface&)>& draw, QPoint offset = {})
{
    QImage image(913, 607, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    TQtDrawSurface surface(WindowFont());
    surface.Begin(&painter, offset);
    draw(surface);
    surface.End();
    return image;
}

QColor ToQColor(TRgb c) { return QColor(c.r, c.g, c.b); }

// Smallest rectangle holding every pixel that is not the background.
QRect PaintedBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != background)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// Paints one text in a fresh surface's font after setting fontName.
QImage PaintText(const char* fontName, const char* text)
{
    return Paint([&](TQtDrawSurface& s) {
        s.SetBrushColor(White);
        s.SetFontName(fontName);
        s.TextOut(20, 20, text);
    });
}

}  // namespace

class TQtDrawSurfaceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void BoxesCoverTheirPixelsWithoutRightAndBottomEdge_data()
    {
        QTest::addColumn<int>("shape");
        QTest::newRow("fill rectangle") << 0;
        QTest::newRow("ellipse") << 1;
        QTest::newRow("chord of the whole ellipse") << 2;
    }
    void BoxesCoverTheirPixelsWithoutRightAndBottomEdge()
    {
        QFETCH(int, shape);
        const QImage image = Paint([shape](TQtDrawSurface& s) {
            s.SetPenColor(Grey);
            s.SetBrushColor(LightBlue);
            if (shape == 0)
                s.FillRect(10, 20, 30, 60);
            else if (shape == 1)
                s.Ellipse(10, 20, 30, 60);
            else
                s.Chord(10, 20, 30, 60, 20, 20, 20, 20);
        });
        QCOMPARE(PaintedBounds(image), QRect(QPoint(10, 20), QPoint(29, 59)));
    }

    void ChordRunsCounterClockwiseFromTheFirstPoint_data()
    {
        QTest::addColumn<QPoint>("p1");
        QTest::addColumn<QPoint>("p2");
        QTest::addColumn<bool>("upperFilled");
        QTest::addColumn<bool>("lowerFilled");
        // box (100, 100, 201, 201): centre (150, 150)
        QTest::newRow("left to right: lower half") << QPoint(100, 150) << QPoint(200, 150) << false << true;
        QTest::newRow("right to left: upper half") << QPoint(200, 150) << QPoint(100, 150) << true << false;
        QTest::newRow("equal points: whole ellipse") << QPoint(150, 100) << QPoint(150, 100) << true << true;
        QTest::newRow("points inside on one ray: whole ellipse")
            << QPoint(160, 150) << QPoint(190, 150) << true << true;
    }
    void ChordRunsCounterClockwiseFromTheFirstPoint()
    {
        QFETCH(QPoint, p1);
        QFETCH(QPoint, p2);
        QFETCH(bool, upperFilled);
        QFETCH(bool, lowerFilled);
        const QImage image = Paint([&](TQtDrawSurface& s) {
            s.SetPenColor(Grey);
            s.SetBrushColor(LightBlue);
            s.Chord(100, 100, 201, 201, p1.x(), p1.y(), p2.x(), p2.y());
        });
        const QColor water = ToQColor(LightBlue);
        QCOMPARE(image.pixelColor(150, 120) == water, upperFilled);
        QCOMPARE(image.pixelColor(150, 180) == water, lowerFilled);
    }

    void LinesKeepTheCurrentPointAndLeaveOutTheirEnd()
    {
        const QImage image = Paint([](TQtDrawSurface& s) {
            s.MoveTo(10, 10);
            s.LineTo(30, 10);
            s.LineTo(30, 20);
        });
        QCOMPARE(image.pixelColor(10, 10), QColor(Qt::black));
        QCOMPARE(image.pixelColor(29, 10), QColor(Qt::black));
        QCOMPARE(image.pixelColor(30, 19), QColor(Qt::black));
        QCOMPARE(image.pixelColor(30, 20), background);
    }

    void LinesPaintTheirStartAndNotTheirEndInEveryDirection_data()
    {
        QTest::addColumn<QPoint>("delta");
        const struct {
            const char* name;
            int dx, dy;
        } shapes[] = {{"horizontal", 20, 0}, {"vertical", 0, 20},  {"shallow", 20, 7},
                      {"steep", 7, 20},      {"diagonal", 15, 15}, {"short shallow", 3, 1}};
        for (const auto& shape : shapes)
            for (const int sx : {1, -1})
                for (const int sy : {1, -1}) {
                    if ((shape.dx == 0 && sx < 0) || (shape.dy == 0 && sy < 0))
                        continue;
                    const QPoint delta(sx * shape.dx, sy * shape.dy);
                    QTest::addRow("%s %s%s", shape.name,
                                  delta.y() > 0       ? "down"
                                      : delta.y() < 0 ? "up"
                                                      : "",
                                  delta.x() > 0       ? "right"
                                      : delta.x() < 0 ? "left"
                                                      : "")
                        << delta;
                }
    }
    void LinesPaintTheirStartAndNotTheirEndInEveryDirection()
    {
        QFETCH(QPoint, delta);
        const QPoint start(50, 50);
        const QPoint end = start + delta;
        const QImage image = Paint([&](TQtDrawSurface& s) {
            s.MoveTo(start.x(), start.y());
            s.LineTo(end.x(), end.y());
        });
        QCOMPARE(image.pixelColor(start), QColor(Qt::black));
        QCOMPARE(image.pixelColor(end), background);
        // One pixel per step along the longer axis, each the nearest to the exact line.
        const bool shallow = std::abs(delta.x()) >= std::abs(delta.y());
        const int n = std::max(std::abs(delta.x()), std::abs(delta.y()));
        std::set<int> steps;
        int painted = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == background)
                    continue;
                ++painted;
                QCOMPARE(image.pixelColor(x, y), QColor(Qt::black));
                const int major =
                    shallow ? (x - start.x()) * (delta.x() > 0 ? 1 : -1) : (y - start.y()) * (delta.y() > 0 ? 1 : -1);
                const double minor = shallow ? y - start.y() : x - start.x();
                const double exact = major * double(shallow ? delta.y() : delta.x()) / n;
                QVERIFY2(major >= 0 && major < n, qPrintable(QString("pixel %1,%2").arg(x).arg(y)));
                QVERIFY2(std::abs(minor - exact) <= 0.5, qPrintable(QString("pixel %1,%2").arg(x).arg(y)));
                steps.insert(major);
            }
        QCOMPARE(painted, n);
        QCOMPARE(int(steps.size()), n);
    }

    void LineOfNoLengthPaintsNothing()
    {
        const QImage image = Paint([](TQtDrawSurface& s) {
            s.MoveTo(40, 40);
            s.LineTo(40, 40);
        });
        QCOMPARE(PaintedBounds(image), QRect());
    }

    void PolygonIsOutlinedAndFilledToEveryCorner()
    {
        const TPoint head[] = {{100, 50}, {104, 61}, {96, 61}};
        const QImage image = Paint([&](TQtDrawSurface& s) {
            s.SetPenColor(Black);
            s.SetBrushColor(Silver);
            s.Polygon(head);
        });
        QCOMPARE(PaintedBounds(image), QRect(QPoint(96, 50), QPoint(104, 61)));
        QCOMPARE(image.pixelColor(100, 58), ToQColor(Silver));
        QCOMPARE(image.pixelColor(100, 61), QColor(Qt::black));
    }

    void TextCellIsFilledFromTheTopLeftCorner()
    {
        QFontMetrics metrics(WindowFont());
        int width = 0;
        const QImage image = Paint([&](TQtDrawSurface& s) {
            s.SetBrushColor(Yellow);
            width = s.TextWidth(" h ");
            s.TextOut(40, 30, " h ");
        });
        QCOMPARE(width, metrics.horizontalAdvance(" h "));
        QCOMPARE(PaintedBounds(image), QRect(40, 30, width, metrics.height()));
        QCOMPARE(image.pixelColor(40, 30), ToQColor(Yellow));
        bool inked = false;
        for (int y = 30; y < 30 + metrics.height(); ++y)
            for (int x = 40; x < 40 + width; ++x)
                inked = inked || image.pixelColor(x, y) != ToQColor(Yellow);
        QVERIFY2(inked, "the letter is drawn on its cell");
    }

    void OffsetMovesEveryCoordinate()
    {
        const QImage image = Paint(
            [](TQtDrawSurface& s) {
                s.SetBrushColor(Silver);
                s.FillRect(10, 20, 30, 60);
            },
            QPoint(5, -10));
        QCOMPARE(PaintedBounds(image), QRect(QPoint(15, 10), QPoint(34, 49)));
    }

    void FontNameChangesOnlyTheFace()
    {
        TQtDrawSurface surface(WindowFont());
        surface.SetFontName("Arial");
        QCOMPARE(surface.Font().family(), QString("Arial"));
        QCOMPARE(surface.Font().pixelSize(), 11);
        surface.SetFontPointSize(10);
        QCOMPARE(surface.Font().pointSize(), 10);
        QCOMPARE(surface.Font().family(), QString("Arial"));
    }

    void CircleSketchColours_data()
    {
        QTest::addColumn<double>("d");
        QTest::addColumn<double>("h");
        QTest::addColumn<int>("labelsOnly");
        QTest::addColumn<int>("full");
        QTest::addColumn<QPoint>("dryPoint");  // inside, above the water
        QTest::addColumn<QPoint>("wetPoint");  // below the water line
        // water lines: start-up 346, half 328, shallow 394
        QTest::newRow("start-up") << 0.0 << 0.0 << 1 << 0 << QPoint(632, 300) << QPoint(632, 380);
        QTest::newRow("half") << 300.0 << 15.0 << 0 << 0 << QPoint(632, 300) << QPoint(570, 340);
        QTest::newRow("shallow") << 300.0 << 1.2 << 0 << 0 << QPoint(632, 385) << QPoint(632, 397);
        QTest::newRow("full") << 300.0 << 30.0 << 0 << 1 << QPoint() << QPoint(632, 262);
    }
    void CircleSketchColours()
    {
        QFETCH(double, d);
        QFETCH(double, h);
        QFETCH(int, labelsOnly);
        QFETCH(int, full);
        QFETCH(QPoint, dryPoint);
        QFETCH(QPoint, wetPoint);
        const TCircleSketch sketch{d, h, labelsOnly, full};
        const QImage image = Paint([&](TQtDrawSurface& s) { DrawCircleSketch(s, sketch, centre, bevel); });
        QCOMPARE(image.pixelColor(wetPoint), ToQColor(LightBlue));
        if (!dryPoint.isNull())
            QCOMPARE(image.pixelColor(dryPoint), ToQColor(Silver));
        QCOMPARE(image.pixelColor(632, 251), ToQColor(Grey));  // the wall above the inside
        QCOMPARE(image.pixelColor(400, 100), ToQColor(Silver));
        QCOMPARE(image.pixelColor(369, 73), ToQColor(Silver));
        QCOMPARE(image.pixelColor(895, 583), ToQColor(Silver));
        QCOMPARE(image.pixelColor(368, 72), background);  // the bevel's own frame stays
        QCOMPARE(image.pixelColor(896, 584), background);
    }
    void SymbolFaceShowsAAndBAsAlphaAndBeta_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("left angle symbol") << "  a  " << QString::fromUtf8("  \u03b1  ");
        QTest::newRow("right angle symbol") << "  b  " << QString::fromUtf8("  \u03b2  ");
        QTest::newRow("other characters stay") << "b-wsp 1.5" << QString::fromUtf8("\u03b2-wsp 1.5");
    }
    void SymbolFaceShowsAAndBAsAlphaAndBeta()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        const QByteArray raw = text.toUtf8();
        const QByteArray greek = shown.toUtf8();
        TQtDrawSurface surface(WindowFont());
        surface.SetFontName("Symbol");
        // drawn in the window's own face, which has the Greek letters
        QCOMPARE(surface.Font().family(), WindowFont().family());
        QCOMPARE(surface.TextWidth(raw.constData()), QFontMetrics(WindowFont()).horizontalAdvance(shown));
        const QImage symbol = PaintText("Symbol", raw.constData());
        QCOMPARE(symbol, PaintText("MS Sans Serif", greek.constData()));
        QVERIFY(symbol != PaintText("MS Sans Serif", raw.constData()));
    }

    void OtherFacesKeepTheLatinLetters()
    {
        TQtDrawSurface surface(WindowFont());
        surface.SetFontName("Symbol");
        surface.SetFontName("Arial");
        QCOMPARE(surface.Font().family(), QString("Arial"));
        QFont arial = WindowFont();
        arial.setFamily("Arial");
        QCOMPARE(surface.TextWidth("  a  "), QFontMetrics(arial).horizontalAdvance("  a  "));
        const QImage afterSymbol = Paint([](TQtDrawSurface& s) {
            s.SetBrushColor(White);
            s.SetFontName("Symbol");
            s.SetFontName("Arial");
            s.TextOut(20, 20, "  a  ");
        });
        QCOMPARE(afterSymbol, PaintText("Arial", "  a  "));
    }

    void ChannelSketchColours_data()
    {
        QTest::addColumn<int>("labelsOnly");
        QTest::addColumn<QPoint>("groundPoint");
        QTest::addColumn<QPoint>("waterPoint");
        QTest::addColumn<QPoint>("dryPoint");  // in the channel above the water
        // example: ground top 200, bottom 561 .. 703 at 328, water surface 243;
        // hp 50, b 100, h 70: water surface 188 above the ground's top 228
        QTest::newRow("example channel") << 1 << QPoint(420, 300) << QPoint(632, 300) << QPoint(632, 225);
        QTest::newRow("overflowing channel") << 0 << QPoint(450, 300) << QPoint(700, 200) << QPoint();
    }
    void ChannelSketchColours()
    {
        QFETCH(int, labelsOnly);
        QFETCH(QPoint, groundPoint);
        QFETCH(QPoint, waterPoint);
        QFETCH(QPoint, dryPoint);
        TChannelSketch sketch;
        sketch.LabelsOnly = labelsOnly;
        sketch.hp = 50;
        sketch.b = 100;
        sketch.alpha = 45;
        sketch.beta = 60;
        sketch.h = 70;
        const QImage image = Paint([&](TQtDrawSurface& s) { DrawChannelSketch(s, sketch, centre, bevel); });
        QCOMPARE(image.pixelColor(groundPoint), ToQColor(Orange));
        QCOMPARE(image.pixelColor(632, 340), ToQColor(Orange));  // the ground below the bottom
        QCOMPARE(image.pixelColor(waterPoint), ToQColor(LightBlue));
        if (!dryPoint.isNull())
            QCOMPARE(image.pixelColor(dryPoint), ToQColor(Silver));
        QCOMPARE(image.pixelColor(400, 100), ToQColor(Silver));
        QCOMPARE(image.pixelColor(369, 73), ToQColor(Silver));
        QCOMPARE(image.pixelColor(895, 583), ToQColor(Silver));
        QCOMPARE(image.pixelColor(368, 72), background);  // the bevel's own frame stays
        QCOMPARE(image.pixelColor(896, 584), background);
    }
};

}  // namespace fluvara

QTEST_MAIN(fluvara::TQtDrawSurfaceTest)
#include "qtdrawsurface_test.moc"

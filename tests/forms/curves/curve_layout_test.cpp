// How the curve windows lay their charts out: axis ticks that follow the
// range, notes that leave the curves and each other visible, and axes and
// legend that stay readable at the smallest size.

#include "curvewindows.h"

#include "PartialFillingChart.h"
#include "RatingCurveChart.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <optional>

using namespace fluvara;
using namespace fluvara::test;

Q_DECLARE_METATYPE(std::optional<fluvara::TChannelInput>)
Q_DECLARE_METATYPE(fluvara::TChannelInput)

namespace {

const TChannelInput SmallDitch{10, 1, 30, 30, 30, 50, 50, BySlope(1.5), BySlope(2)};
const TChannelInput WideRiver{5000, 1, 35, 30, 30, 3000, 500, BySlope(2), BySlope(2)};
const TChannelInput DeepRiver{5000, 0.5, 35, 30, 30, 3000, 900, BySlope(3), BySlope(3)};
const TChannelInput SteepRiver{5000, 160, 35, 30, 30, 3000, 500, BySlope(2), BySlope(2)};
// Every bound of the channel page at its widest.
const TChannelInput LargestChannel{99000, 500, 100, 100, 100, 3000, 900, ByAngle(10), ByAngle(10)};

QValueAxis* Axis(const QWidget* window, Qt::Orientation orientation)
{
    return qobject_cast<QValueAxis*>(ChartOf(window)->axes(orientation).first());
}

int Ticks(const QValueAxis& axis)
{
    if (axis.tickType() == QValueAxis::TicksFixed)
        return axis.tickCount();
    if (axis.tickInterval() <= 0)
        return 0;
    const double anchor = axis.tickAnchor();
    return static_cast<int>(std::floor((axis.max() - anchor) / axis.tickInterval()) -
                            std::ceil((axis.min() - anchor) / axis.tickInterval())) +
        1;
}

// The most ticks either axis of the window held at any moment: each change
// of an axis lays its ticks out at once.
class TTickWatch {
public:
    explicit TTickWatch(const QWidget* window)
    {
        for (Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
            QValueAxis* axis = Axis(window, orientation);
            const auto look = [this, axis] { most_ = std::max(most_, Ticks(*axis)); };
            QObject::connect(axis, &QValueAxis::rangeChanged, &context_, look);
            QObject::connect(axis, &QValueAxis::tickIntervalChanged, &context_, look);
            QObject::connect(axis, &QValueAxis::tickAnchorChanged, &context_, look);
            QObject::connect(axis, &QValueAxis::tickCountChanged, &context_, look);
            QObject::connect(axis, &QValueAxis::tickTypeChanged, &context_, look);
            look();
        }
    }
    int Most() const { return most_; }

private:
    QObject context_;
    int most_ = 0;
};

// Enough labels to read values off, few enough to lay out at once.
constexpr int MostTicks = 20;

QPointF InScene(QChart& chart, const QPointF& value, QAbstractSeries* series)
{
    return chart.mapToScene(chart.mapToPosition(value, series));
}

// The grounds of the notes beside the marks, in the scene.
std::vector<QRectF> NoteBoxes(const QWidget* window)
{
    std::vector<QRectF> boxes;
    for (QGraphicsItem* item : ChartOf(window)->scene()->items())
        if (dynamic_cast<QGraphicsSimpleTextItem*>(item) && item->isVisible())
            if (auto* ground = dynamic_cast<QGraphicsRectItem*>(item->parentItem()))
                boxes.push_back(ground->sceneBoundingRect());
    return boxes;
}

}  // namespace

class CurveLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void ratingTicksFollowTheRange_data();
    void ratingTicksFollowTheRange();
    void partialFillingTicksFollowTheRange();
    void notesLeaveCurvesAndEachOtherVisible_data();
    void notesLeaveCurvesAndEachOtherVisible();
    void readableAtTheSmallestSize_data();
    void readableAtTheSmallestSize();

private:
    TTestSettings settings_;
    TPrintService printing_;
};

void CurveLayoutTest::ratingTicksFollowTheRange_data()
{
    QTest::addColumn<std::optional<TChannelInput>>("first");
    QTest::addColumn<TChannelInput>("next");
    using Opened = std::optional<TChannelInput>;
    QTest::newRow("wide river after a ditch") << Opened(SmallDitch) << WideRiver;
    QTest::newRow("deep river after a ditch") << Opened(SmallDitch) << DeepRiver;
    QTest::newRow("largest channel after a ditch") << Opened(SmallDitch) << LargestChannel;
    QTest::newRow("ditch after the largest channel") << Opened(LargestChannel) << SmallDitch;
    QTest::newRow("steep river opened directly") << Opened() << SteepRiver;
    QTest::newRow("largest channel opened directly") << Opened() << LargestChannel;
}

void CurveLayoutTest::ratingTicksFollowTheRange()
{
    QFETCH(std::optional<TChannelInput>, first);
    QFETCH(TChannelInput, next);
    TRatingCurveForm window(printing_);
    ShowWindow(window);
    if (first)
        window.ShowChannel(*first, CalculateChannel(*first));
    TTickWatch watch(&window);
    window.ShowChannel(next, CalculateChannel(next));
    QCOMPARE(Axis(&window, Qt::Horizontal)->max(), window.Curve().points.back().Q);
    QVERIFY2(watch.Most() <= MostTicks, qPrintable(QString::number(watch.Most())));
    QVERIFY(Ticks(*Axis(&window, Qt::Horizontal)) >= 3);
    QVERIFY(Ticks(*Axis(&window, Qt::Vertical)) >= 3);
}

void CurveLayoutTest::partialFillingTicksFollowTheRange()
{
    TPartialFillingForm window(printing_);
    ShowWindow(window);
    TTickWatch watch(&window);
    const TFullFlowPipe largest = PipeOf(3000, 0.25, 500);
    window.ShowPipe(largest, Mark(largest, largest.Qv / 2));
    window.ShowPipe(PipeOf(100, 1.5, 0.1), std::nullopt);
    window.ShowPipe(largest, std::nullopt);
    window.ShowNoPipe();
    QVERIFY2(watch.Most() <= MostTicks, qPrintable(QString::number(watch.Most())));
}

void CurveLayoutTest::notesLeaveCurvesAndEachOtherVisible_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("example");
    const char* const examples[] = {
        "Qt 40 l/s", "Qt 68 l/s, near the greatest discharge", "full flow only", "ditch", "steep ditch", "wide river"};
    for (QSize size : {QSize(480, 360), QSize(860, 620), QSize(1200, 800)})
        for (int example = 0; example < 6; ++example)
            QTest::addRow("%dx%d %s", size.width(), size.height(), examples[example]) << size << example;
}

void CurveLayoutTest::notesLeaveCurvesAndEachOtherVisible()
{
    QFETCH(QSize, size);
    QFETCH(int, example);
    TPartialFillingForm filling(printing_);
    TRatingCurveForm rating(printing_);
    TCurveWindow* window = &filling;
    const TFullFlowPipe pipe = Pipe300();
    if (example < 3) {
        filling.ShowPipe(pipe, example == 2 ? std::nullopt : std::optional(Mark(pipe, example == 0 ? 40 : 68)));
    } else {
        TChannelInput input = example == 5 ? WideRiver : Ditch;
        input.Is = example == 4 ? 50 : input.Is;
        rating.ShowChannel(input, CalculateChannel(input));
        window = &rating;
    }
    window->resize(size);
    ShowWindow(*window);
    QTRY_COMPARE(window->size(), size);
    QApplication::processEvents();

    QChart& chart = *ChartOf(window);
    const std::vector<QRectF> notes = NoteBoxes(window);
    QCOMPARE(static_cast<int>(notes.size()), example == 0 || example == 1 ? 3 : example == 2 ? 1 : 2);
    const QRectF plot = chart.mapRectToScene(chart.plotArea());
    for (std::size_t i = 0; i < notes.size(); ++i) {
        QVERIFY2(plot.contains(notes[i]), "a note leaves the plot");
        for (std::size_t j = i + 1; j < notes.size(); ++j)
            QVERIFY2(!notes[i].intersects(notes[j]), "two notes overlap");
    }
    for (QAbstractSeries* abstract : chart.series()) {
        auto* series = qobject_cast<QXYSeries*>(abstract);
        if (!series)
            continue;  // the shaded regions lie under everything
        const QList<QPointF> points = series->points();
        const auto* marks = qobject_cast<QScatterSeries*>(series);
        for (qsizetype k = 0; k < points.size(); ++k) {
            const QPointF at = InScene(chart, points[k], series);
            for (const QRectF& note : notes) {
                if (marks) {
                    const double half = marks->markerSize() / 2;
                    QVERIFY2(!note.intersects(QRectF(at - QPointF(half, half), at + QPointF(half, half))),
                             qPrintable(series->name()));
                    continue;
                }
                // the point and the line on to the next one
                const QPointF to = k + 1 < points.size() ? InScene(chart, points[k + 1], series) : at;
                for (double t = 0; t <= 1; t += 0.1)
                    QVERIFY2(
                        !note.contains(at + t * (to - at)),
                        qPrintable(QString("%1 at %2, %3").arg(series->name()).arg(points[k].x()).arg(points[k].y())));
            }
        }
    }
}

void CurveLayoutTest::readableAtTheSmallestSize_data()
{
    QTest::addColumn<bool>("rating");
    QTest::newRow("partial filling") << false;
    QTest::newRow("rating curve") << true;
}

// Every axis label, axis title and legend entry in full, inside the chart.
void CurveLayoutTest::readableAtTheSmallestSize()
{
    QFETCH(bool, rating);
    TExampleWindow example(rating);
    TCurveWindow* window = example.window;
    window->resize(window->minimumSize());
    ShowWindow(*window);
    QTRY_COMPARE(window->size(), window->minimumSize());
    QApplication::processEvents();

    QChart& chart = *ChartOf(window);
    const QRectF plot = chart.mapRectToScene(chart.plotArea());
    const QRectF whole = chart.sceneBoundingRect();
    QStringList texts;
    for (QGraphicsItem* item : chart.scene()->items()) {
        auto* text = dynamic_cast<QGraphicsTextItem*>(item);
        // The chart's title above the plot may be cut in a narrow window.
        if (!text || !text->isVisible() || text->sceneBoundingRect().bottom() <= plot.top())
            continue;
        const QString shown = text->toPlainText();
        texts << shown;
        QVERIFY2(!shown.contains("...") && !shown.contains(QChar(0x2026)), qPrintable(shown));
        QVERIFY2(whole.contains(text->sceneBoundingRect()), qPrintable(shown));
    }
    for (Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
        QValueAxis* axis = Axis(window, orientation);
        QVERIFY2(texts.contains(axis->titleText()), qPrintable(texts.join(" | ")));
        QVERIFY(Ticks(*axis) >= 3);
        for (int tick = 0; tick < Ticks(*axis); ++tick)
            QVERIFY2(texts.contains(QString::number(axis->tickAnchor() + tick * axis->tickInterval())),
                     qPrintable(texts.join(" | ")));
    }
    for (QAbstractSeries* series : chart.series())
        QVERIFY2(texts.contains(series->name()), qPrintable(series->name()));
}

QTEST_MAIN(CurveLayoutTest)
#include "curve_layout_test.moc"

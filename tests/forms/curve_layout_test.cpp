// How the curve windows lay their charts out: axis ticks that follow the
// range.

#include "curvewindows.h"

#include "PartialFillingChart.h"
#include "RatingCurveChart.h"

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

}  // namespace

class CurveLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void ratingTicksFollowTheRange_data();
    void ratingTicksFollowTheRange();
    void partialFillingTicksFollowTheRange();

private:
    TTestSettings settings_;
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
    TRatingCurveForm window;
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
    TPartialFillingForm window;
    ShowWindow(window);
    TTickWatch watch(&window);
    const TFullFlowPipe largest = PipeOf(3000, 0.25, 500);
    window.ShowPipe(largest, Mark(largest, largest.Qv / 2));
    window.ShowPipe(PipeOf(100, 1.5, 0.1), std::nullopt);
    window.ShowPipe(largest, std::nullopt);
    window.ShowNoPipe();
    QVERIFY2(watch.Most() <= MostTicks, qPrintable(QString::number(watch.Most())));
}

QTEST_MAIN(CurveLayoutTest)
#include "curve_layout_test.moc"

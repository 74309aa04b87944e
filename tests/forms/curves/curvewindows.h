#pragma once
// Pipes, channels and look-ups shared by the window tests of the curve
// windows.

#include "windowtest.h"

#include "PartialFillingChart.h"
#include "RatingCurveChart.h"
#include "printservice.h"

#include "circle.h"
#include "partialfilling.h"

#include "channel.h"

#include <QChart>
#include <QChartView>
#include <QTest>
#include <QXYSeries>

namespace fluvara::test {

inline TFullFlowPipe PipeOf(double d, double kb, double Is)
{
    const TCircleFullFlow full = CircleFullFlow(d, kb, Is, false);
    return {full.dc, full.Qv, full.vv};
}

inline TFullFlowPipe Pipe300() { return PipeOf(300, 1.5, 5); }

inline TPartialFlowMark Mark(const TFullFlowPipe& pipe, double Qt)
{
    return {Qt, CirclePartialFlow(pipe.dc, pipe.Qv, pipe.vv, Qt)};
}

inline const TChannelInput Ditch{500, 2, 30, 30, 30, 100, 100, ByAngle(45), ByAngle(45)};

inline QChart* ChartOf(const QWidget* window) { return Find<QChartView>(window, "ChartView")->chart(); }

inline QXYSeries* Series(const QWidget* window, const QString& namePrefix)
{
    for (QAbstractSeries* series : ChartOf(window)->series())
        if (series->name().startsWith(namePrefix))
            return qobject_cast<QXYSeries*>(series);
    qFatal("no series %s", qPrintable(namePrefix));
}

// A window shown and active, as the main window opens it.
template <typename Window>
void ShowWindow(Window& window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// One of the two windows with its example: the ditch, or the 300 mm pipe
// with a partial flow of 40 l/s.
struct TExampleWindow {
    explicit TExampleWindow(bool rating)
        : filling(printing), ratingCurve(printing), window(rating ? static_cast<TCurveWindow*>(&ratingCurve) : &filling)
    {
        if (rating)
            ratingCurve.ShowChannel(Ditch, CalculateChannel(Ditch));
        else
            filling.ShowPipe(Pipe300(), Mark(Pipe300(), 40));
    }
    TPrintService printing;
    TPartialFillingForm filling;
    TRatingCurveForm ratingCurve;
    TCurveWindow* window;
};

}  // namespace fluvara::test

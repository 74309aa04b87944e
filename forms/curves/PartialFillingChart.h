#pragma once
// The window "Teilfüllungskurven": Qt/Qv and vt/vv over h/d of the pipe of
// the last full-flow run, with its last partial-flow point and the greatest
// discharge marked.

#include "CurveWindow.h"

#include "partialfilling.h"

#include <optional>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace fluvara {

class TPartialFillingForm : public TCurveWindow {
    Q_OBJECT
public:
    explicit TPartialFillingForm(TPrintService& printing, QWidget* parent = nullptr);

    const std::optional<TFullFlowPipe>& Pipe() const { return pipe_; }
    const TFillingCurve& Curve() const { return curve_; }

public slots:
    // A new full-flow run (no mark) or partial-flow run of the pipe.
    void ShowPipe(const fluvara::TFullFlowPipe& pipe, const std::optional<fluvara::TPartialFlowMark>& mark);
    // The page has no pipe any more.
    void ShowNoPipe();

protected:
    QString ReadoutAt(double hd) const override;
    void FitAxes() override;

private:
    QLineSeries* qq_;
    QLineSeries* vr_;
    QScatterSeries* mark_;
    QScatterSeries* maximum_;
    QValueAxis* axisX_ = nullptr;
    QValueAxis* axisY_ = nullptr;
    double top_ = 0;  // %, the highest point of the curves
    std::optional<TFullFlowPipe> pipe_;
    TFillingCurve curve_;
};

// Points of the curves drawn: 0.5 % steps of h/d.
inline constexpr int FillingCurveIntervals = 200;

}  // namespace fluvara

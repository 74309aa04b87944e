#pragma once
// The window "Abflusskurve": normal depth h and critical depth hgr of the
// channel of the last channel run over the discharge, from 0 to bankfull,
// with the regions "strömend" and "schießend" and the run's point marked.

#include "CurveWindow.h"

#include "channel.h"
#include "ratingcurve.h"

#include <optional>

class QAreaSeries;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace fluvara {

class TRatingCurveForm : public TCurveWindow {
    Q_OBJECT
public:
    explicit TRatingCurveForm(TPrintService& printing, QWidget* parent = nullptr);

    const std::optional<TChannelInput>& Channel() const { return input_; }
    const TRatingCurve& Curve() const { return curve_; }

public slots:
    // A new channel run: its input and what the page showed.
    void ShowChannel(const fluvara::TChannelInput& input, const fluvara::TChannelResult& result);
    // The page has no channel any more.
    void ShowNoChannel();

protected:
    QString ReadoutAt(double Q) const override;
    void FitAxes() override;

private:
    void ClearSeries();

    QLineSeries* h_;
    QLineSeries* hgr_;
    QLineSeries* hp_;
    QLineSeries* bottom_;
    QLineSeries* top_;
    QLineSeries* regionEdge_;
    QAreaSeries* supercritical_;
    QAreaSeries* subcritical_;
    QScatterSeries* mark_;
    QValueAxis* axisX_ = nullptr;
    QValueAxis* axisY_ = nullptr;
    double Qend_ = 100;      // l/s, end of the discharge axis
    double depthEnd_ = 100;  // cm, the least end of the depth axis
    std::optional<TChannelInput> input_;
    TRatingCurve curve_;
};

// Steps of the discharge; denser towards Q 0.
inline constexpr int RatingCurveIntervals = 100;

}  // namespace fluvara

#include "RatingCurveChart.h"

#include "ChartAxes.h"
#include "ChartView.h"
#include "InputField.h"

#include "calcerror.h"
#include "textformat.h"

#include <QAreaSeries>
#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace fluvara {

namespace {

QString RegimeText(TFlowRegime regime) { return QString::fromUtf8(RegimeWord(regime)); }

}  // namespace

TRatingCurveForm::TRatingCurveForm(TPrintService& printing, QWidget* parent)
    : TCurveWindow(printing, QString::fromUtf8("Abflusskurve"), QString::fromUtf8("Abflusskurve"), parent)
{
    setObjectName("RatingCurveForm");
    QChart* chart = Chart();
    // The regions are filled between lines that the legend does not list.
    bottom_ = new QLineSeries(this);
    top_ = new QLineSeries(this);
    regionEdge_ = new QLineSeries(this);
    supercritical_ = new QAreaSeries(regionEdge_, bottom_);
    supercritical_->setName(RegimeText(TFlowRegime::Supercritical));
    supercritical_->setColor(QColor(255, 228, 214));
    supercritical_->setBorderColor(QColor(255, 228, 214));
    subcritical_ = new QAreaSeries(top_, regionEdge_);
    subcritical_->setName(RegimeText(TFlowRegime::Subcritical));
    subcritical_->setColor(QColor(222, 236, 255));
    subcritical_->setBorderColor(QColor(222, 236, 255));

    h_ = new QLineSeries;
    h_->setName(QString::fromUtf8("Normalabflusstiefe h"));
    h_->setPen(QPen(QColor(0, 70, 160), 2));
    hgr_ = new QLineSeries;
    hgr_->setName(QString::fromUtf8("Grenztiefe hgr"));
    hgr_->setPen(QPen(QColor(190, 60, 0), 2));
    hp_ = new QLineSeries;
    hp_->setName(QString::fromUtf8("Profilhöhe hp"));
    hp_->setPen(QPen(QColor(60, 60, 60), 1.5, Qt::DashLine));
    mark_ = new QScatterSeries;
    mark_->setName(QString::fromUtf8("Berechnung"));
    mark_->setColor(QColor(0, 140, 0));
    mark_->setMarkerSize(11);
    for (QAbstractSeries* series :
         {static_cast<QAbstractSeries*>(supercritical_), static_cast<QAbstractSeries*>(subcritical_),
          static_cast<QAbstractSeries*>(hp_), static_cast<QAbstractSeries*>(hgr_), static_cast<QAbstractSeries*>(h_),
          static_cast<QAbstractSeries*>(mark_)})
        chart->addSeries(series);

    axisX_ = new QValueAxis;
    axisX_->setTitleText(QString::fromUtf8("Abfluss Q [l/s]"));
    axisX_->setLabelFormat("%.0f");
    axisX_->setTickType(QValueAxis::TicksDynamic);
    axisY_ = new QValueAxis;
    axisY_->setTitleText(QString::fromUtf8("Tiefe h, hgr [cm]"));
    axisY_->setLabelFormat("%.0f");
    axisY_->setTickType(QValueAxis::TicksDynamic);
    AddAxes(axisX_, axisY_);
    ShowNoChannel();
}

void TRatingCurveForm::ClearSeries()
{
    for (QXYSeries* series : {static_cast<QXYSeries*>(h_), static_cast<QXYSeries*>(hgr_), static_cast<QXYSeries*>(hp_),
                              static_cast<QXYSeries*>(bottom_), static_cast<QXYSeries*>(top_),
                              static_cast<QXYSeries*>(regionEdge_), static_cast<QXYSeries*>(mark_)})
        series->clear();
    ClearNotes();
}

void TRatingCurveForm::ShowNoChannel()
{
    input_.reset();
    curve_ = {};
    ClearSeries();
    Qend_ = 100;
    depthEnd_ = 100;
    FitAxes();
    Chart()->setTitle(QString::fromUtf8("Abflusskurve: kein Gerinne berechnet"));
    View()->HideCursor();
}

void TRatingCurveForm::ShowChannel(const TChannelInput& input, const TChannelResult& result)
{
    TRatingCurve curve;
    try {
        curve = RatingCurve(input, RatingCurveIntervals);
    } catch (const CalculationError& e) {
        ShowNoChannel();
        Chart()->setTitle(QString::fromUtf8(e.what()));
        return;
    }
    input_ = input;
    curve_ = std::move(curve);
    ClearSeries();

    QList<QPointF> h;
    QList<QPointF> hgr;
    double top = input.hp;
    for (const TRatingPoint& p : curve_.points) {
        if (p.h) {
            h.append({p.Q, *p.h});
            top = std::max(top, *p.h);
        }
        if (p.hgr) {
            hgr.append({p.Q, *p.hgr});
            top = std::max(top, *p.hgr);
        }
    }
    h_->replace(h);
    hgr_->replace(hgr);
    Qend_ = curve_.points.back().Q;
    depthEnd_ = top * 1.1;
    FitAxes();

    // Below the critical depth the water shoots, above it it streams; the
    // regions end where the critical depth leaves its search's bound.
    regionEdge_->replace(hgr);
    QList<QPointF> bottom;
    QList<QPointF> upper;
    for (const QPointF& p : hgr) {
        bottom.append({p.x(), 0});
        upper.append({p.x(), 2 * depthEnd_});  // above any end of the axis
    }
    bottom_->replace(bottom);
    top_->replace(upper);
    hp_->replace({QPointF(0, input.hp), QPointF(axisX_->max(), input.hp)});
    AddNote({curve_.Qbankfull, input.hp},
            FromUtf8(Fmt("hp = %4.1f cm\nbordvoll bei Q = %.0f l/s", input.hp, curve_.Qbankfull)),
            Qt::AlignLeft | Qt::AlignTop);

    mark_->replace({QPointF(input.Q, result.h), QPointF(input.Q, result.hgr)});
    AddNote({input.Q, std::max(result.h, result.hgr)},
            FromUtf8(Fmt("Q = %.2f l/s\nh = %4.1f cm\nhgr = %4.1f cm\n%s", input.Q, result.h, result.hgr,
                         RegimeWord(result.regime))),
            Qt::AlignRight | Qt::AlignTop);

    CurvesShown(
        FromUtf8(Fmt("Abflusskurve  Gerinne b = %.2f cm, hp = %.2f cm, Is = %.2f o/oo, kst = %.1f / %.1f / %.1f",
                     input.b, input.hp, input.Is, input.kstBottom, input.kstLeft, input.kstRight)));
}

// The curve fills the width; the ticks stay on round discharges and depths.
void TRatingCurveForm::FitAxes()
{
    if (!axisY_)
        return;  // still being made
    const QRectF area = Chart()->plotArea();
    SetAxis(*axisX_, Qend_, TickStep(Qend_, area.width(), LabelWidth(*axisX_, Qend_), 6));
    const double step = TickStep(depthEnd_, area.height(), LabelHeight(*axisY_), 8);
    SetAxis(*axisY_, std::ceil(depthEnd_ / step) * step, step);
}

QString TRatingCurveForm::ReadoutAt(double Q) const
{
    if (!input_)
        return {};
    const TRatingPoint p = RatingPointAt(*input_, std::max(Q, 0.0));
    QString text = FromUtf8(Fmt("Q = %.1f l/s    ", p.Q));
    text += p.h ? FromUtf8(Fmt("h = %4.1f cm    ", *p.h)) : QString::fromUtf8("h über 50 m    ");
    text += p.hgr ? FromUtf8(Fmt("hgr = %4.1f cm", *p.hgr)) : QString::fromUtf8("hgr über 50 m");
    if (p.h && p.hgr && p.Q > 0)
        text += " " + RegimeText(ClassifyRegime(*p.h, *p.hgr, input_->hp));
    return text;
}

}  // namespace fluvara

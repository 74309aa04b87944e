#include "PartialFillingChart.h"

#include "ChartAxes.h"
#include "ChartView.h"
#include "InputField.h"

#include "calcerror.h"
#include "textformat.h"

#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace fluvara {

namespace {

QPen LinePen(const QColor& color) { return QPen(color, 2); }

}  // namespace

TPartialFillingForm::TPartialFillingForm(TPrintService& printing, QWidget* parent)
    : TCurveWindow(printing, QString::fromUtf8("Teilfüllungskurven"), QString::fromUtf8("Teilfuellungskurven"), parent)
{
    setObjectName("PartialFillingForm");
    QChart* chart = Chart();
    qq_ = new QLineSeries;
    qq_->setName("Qt/Qv");
    qq_->setPen(LinePen(QColor(0, 70, 160)));
    vr_ = new QLineSeries;
    vr_->setName("vt/vv");
    vr_->setPen(LinePen(QColor(190, 60, 0)));
    mark_ = new QScatterSeries;
    mark_->setName(QString::fromUtf8("Teilfüllung"));
    mark_->setColor(QColor(0, 140, 0));
    mark_->setMarkerSize(11);
    maximum_ = new QScatterSeries;
    maximum_->setName(QString::fromUtf8("größter Abfluss"));
    maximum_->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    maximum_->setColor(QColor(0, 70, 160));
    maximum_->setMarkerSize(10);
    for (QAbstractSeries* series : {static_cast<QAbstractSeries*>(qq_), static_cast<QAbstractSeries*>(vr_),
                                    static_cast<QAbstractSeries*>(maximum_), static_cast<QAbstractSeries*>(mark_)})
        chart->addSeries(series);

    axisX_ = new QValueAxis;
    axisX_->setTitleText(QString::fromUtf8("Füllhöhe h/d [%]"));
    axisX_->setTickType(QValueAxis::TicksDynamic);
    axisX_->setMinorTickCount(1);
    axisX_->setLabelFormat("%.0f");
    axisY_ = new QValueAxis;
    axisY_->setTitleText(QString::fromUtf8("Qt/Qv und vt/vv [%]"));
    axisY_->setTickType(QValueAxis::TicksDynamic);
    axisY_->setLabelFormat("%.0f");
    AddAxes(axisX_, axisY_);
    ShowNoPipe();
}

void TPartialFillingForm::ShowNoPipe()
{
    pipe_.reset();
    curve_ = {};
    for (QXYSeries* series : {static_cast<QXYSeries*>(qq_), static_cast<QXYSeries*>(vr_),
                              static_cast<QXYSeries*>(mark_), static_cast<QXYSeries*>(maximum_)})
        series->clear();
    ClearNotes();
    top_ = 0;
    FitAxes();
    Chart()->setTitle(QString::fromUtf8("Teilfüllungskurven: keine Vollfüllung berechnet"));
    View()->HideCursor();
}

void TPartialFillingForm::ShowPipe(const TFullFlowPipe& pipe, const std::optional<TPartialFlowMark>& mark)
{
    TFillingCurve curve;
    try {
        curve = PartialFillingCurve(pipe, FillingCurveIntervals,
                                    mark ? std::vector<double>{mark->result.phi} : std::vector<double>{});
    } catch (const CalculationError& e) {
        ShowNoPipe();
        Chart()->setTitle(QString::fromUtf8(e.what()));
        return;
    }
    pipe_ = pipe;
    curve_ = std::move(curve);

    QList<QPointF> qq;
    QList<QPointF> vr;
    for (const TFillingPoint& p : curve_.points) {
        qq.append({p.hd, p.qq});
        vr.append({p.hd, p.vr});
    }
    qq_->replace(qq);
    vr_->replace(vr);
    // The axes first: the notes find their places on them.
    top_ = 0;
    for (const TFillingPoint& p : curve_.points)
        top_ = std::max({top_, p.qq, p.vr});
    FitAxes();

    ClearNotes();
    mark_->clear();
    const TFillingPoint& max = curve_.maximum;
    maximum_->replace({QPointF(max.hd, max.qq)});
    AddNote({max.hd, max.qq}, FromUtf8(Fmt("größter Abfluss\nQt/Qv = %4.1f %%\nh/d = %4.1f %%", max.qq, max.hd)),
            Qt::AlignLeft | Qt::AlignBottom);

    if (mark) {
        // The page's values; the point lies on both curves at the search's angle.
        const TCirclePartialFlow& r = mark->result;
        const TFillingPoint at = FillingPointAtAngle(pipe, r.phi);
        mark_->replace({QPointF(r.hd, at.qq), QPointF(r.hd, at.vr)});
        AddNote({r.hd, at.qq}, FromUtf8(Fmt("Qt = %.2f l/s\nh/d = %4.1f %%\nQt/Qv = %4.1f %%", mark->Qt, r.hd, r.qq)),
                Qt::AlignRight | Qt::AlignBottom);
        AddNote({r.hd, at.vr}, FromUtf8(Fmt("vt = %4.2f m/s\nvt/vv = %4.1f %%", r.vt, at.vr)),
                Qt::AlignLeft | Qt::AlignTop);
    }

    CurvesShown(FromUtf8(Fmt("Teilfüllungskurven  Kreisprofil l.W. = %.2f mm, Qv = %4.2f l/s, vv = %4.2f m/s", pipe.dc,
                             pipe.Qv, pipe.vv)));
}

// h/d over its whole range, the percentages up to 120 or the curves' top;
// ticks every 10 % where the labels have room.
void TPartialFillingForm::FitAxes()
{
    if (!axisY_)
        return;  // still being made
    const QRectF area = Chart()->plotArea();
    SetAxis(*axisX_, 100, std::max(10.0, TickStep(100, area.width(), LabelWidth(*axisX_, 100), 10)));
    const double step = std::max(10.0, TickStep(120, area.height(), LabelHeight(*axisY_), 12));
    SetAxis(*axisY_, std::max(120.0, std::ceil(top_ / step) * step), step);
}

QString TPartialFillingForm::ReadoutAt(double hd) const
{
    if (!pipe_)
        return {};
    try {
        const TFillingPoint p = FillingPointAt(*pipe_, std::clamp(hd, 0.0, 100.0));
        return FromUtf8(Fmt("h/d = %4.1f %%    Qt/Qv = %4.1f %% (%.2f l/s)    vt/vv = %4.1f %% (%4.2f m/s)", p.hd, p.qq,
                            p.Q, p.vr, p.vt));
    } catch (const CalculationError& e) {
        return QString::fromUtf8(e.what());
    }
}

}  // namespace fluvara

#include "qtdrawsurface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace fluvara {

namespace {

QColor ToQColor(TRgb c) { return QColor(c.r, c.g, c.b); }
QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The box x1 .. x2 - 1, y1 .. y2 - 1 as the rectangle whose outline QPainter
// paints on exactly those pixels (an aliased outline covers width + 1 pixels).
QRect OutlineRect(int x1, int y1, int x2, int y2) { return QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1); }

// The same box for QPainter's chord, which is drawn as a path: half a pixel
// larger than the outline rectangle, its filling meets the ellipse's outline
// without a gap and a chord of the whole ellipse paints the ellipse's pixels.
QRectF ChordRect(int x1, int y1, int x2, int y2) { return QRectF(x1, y1, x2 - x1 - 0.5, y2 - y1 - 0.5); }

// Angle of the point (px, py) on the ellipse of box in 1/16 degree, as QPainter
// measures arcs: parametric, counter-clockwise on screen, 0 at three o'clock.
int ArcAngle16(const QRectF& box, int px, int py)
{
    const double a = box.width() * 0.5;
    const double b = box.height() * 0.5;
    const double cx = box.left() + a;
    const double cy = box.top() + b;
    const double degrees = std::atan2(-(py - cy) / b, (px - cx) / a) * (180 / 3.14159265358979);
    return static_cast<int>(std::lround(degrees * 16));
}

}  // namespace

TQtDrawSurface::TQtDrawSurface(const QFont& initialFont) : font_(initialFont), sansFamily_(initialFont.family()) { }

QString TQtDrawSurface::Shown(std::string_view text) const
{
    QString shown = ToQString(text);
    if (symbol_) {
        shown.replace(QChar(u'a'), QChar(u'\u03B1'));
        shown.replace(QChar(u'b'), QChar(u'\u03B2'));
    }
    return shown;
}

void TQtDrawSurface::Begin(QPainter* painter, QPoint offset)
{
    painter_ = painter;
    painter_->save();
    painter_->translate(offset);
    // crisp pixels like the old window drawing; text keeps the platform's smoothing
    painter_->setRenderHint(QPainter::Antialiasing, false);
    Apply();
}

void TQtDrawSurface::End()
{
    if (painter_)
        painter_->restore();
    painter_ = nullptr;
}

QPen TQtDrawSurface::Pen(Qt::PenCapStyle cap) const
{
    QPen pen(pen_);
    pen.setWidth(penWidth_);
    pen.setCapStyle(cap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void TQtDrawSurface::Apply()
{
    if (!painter_)
        return;
    // a flat cap leaves out a line's end point
    painter_->setPen(Pen(Qt::FlatCap));
    painter_->setBrush(brush_);
    painter_->setFont(font_);
}

void TQtDrawSurface::SetPenColor(TRgb color)
{
    pen_ = ToQColor(color);
    Apply();
}

void TQtDrawSurface::SetPenWidth(int width)
{
    penWidth_ = width;
    Apply();
}

void TQtDrawSurface::SetBrushColor(TRgb color)
{
    brush_ = ToQColor(color);
    Apply();
}

void TQtDrawSurface::FillRect(int x1, int y1, int x2, int y2)
{
    if (painter_ && x2 > x1 && y2 > y1)
        painter_->fillRect(QRect(x1, y1, x2 - x1, y2 - y1), brush_);
}

void TQtDrawSurface::Ellipse(int x1, int y1, int x2, int y2)
{
    if (painter_ && x2 > x1 && y2 > y1)
        painter_->drawEllipse(OutlineRect(x1, y1, x2, y2));
}

void TQtDrawSurface::Chord(int x1, int y1, int x2, int y2, int px1, int py1, int px2, int py2)
{
    if (!painter_ || x2 - x1 < 2 || y2 - y1 < 2)
        return;
    const QRectF box = ChordRect(x1, y1, x2, y2);
    constexpr int full = 360 * 16;
    const int start = ArcAngle16(box, px1, py1);
    int span = (ArcAngle16(box, px2, py2) - start) % full;
    if (span <= 0)
        span += full;  // the same ray twice: the whole ellipse
    painter_->drawChord(box, start, span);
}

void TQtDrawSurface::MoveTo(int x, int y) { current_ = QPoint(x, y); }

void TQtDrawSurface::LineTo(int x, int y)
{
    const QPoint from = current_;
    current_ = QPoint(x, y);
    if (!painter_)
        return;
    if (penWidth_ > 1) {
        painter_->drawLine(from, current_);
        return;
    }
    // Qt's own line leaves out the start instead of the end when it runs
    // leftward or upward, so the pixels are set here: one per step along the
    // longer axis, the start included and the end left out, the other
    // coordinate rounded to the nearest pixel of the exact line (a tie to the
    // one nearer the end).
    const int dx = x - from.x();
    const int dy = y - from.y();
    const int n = std::max(std::abs(dx), std::abs(dy));
    const auto along = [n](int i, int d) {
        const long long steps = (2LL * i * std::abs(d) + n) / (2LL * n);
        return static_cast<int>(d < 0 ? -steps : steps);
    };
    // Pixels that share their other coordinate form one run, filled at once.
    const bool shallow = std::abs(dx) >= std::abs(dy);
    int runStart = 0;
    for (int i = 1; i <= n; ++i) {
        const bool sameRun =
            i < n && (shallow ? along(i, dy) == along(runStart, dy) : along(i, dx) == along(runStart, dx));
        if (sameRun)
            continue;
        const QPoint a(from.x() + along(runStart, dx), from.y() + along(runStart, dy));
        const QPoint b(from.x() + along(i - 1, dx), from.y() + along(i - 1, dy));
        painter_->fillRect(QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y()))),
                           pen_);
        runStart = i;
    }
}

void TQtDrawSurface::Polygon(std::span<const TPoint> points)
{
    if (!painter_ || points.empty())
        return;
    QPolygon polygon;
    for (const TPoint& p : points)
        polygon << QPoint(p.x, p.y);
    painter_->setPen(Qt::NoPen);
    painter_->drawPolygon(polygon);
    // The outline edge by edge with square caps, so that every corner is
    // painted; a closed outline path leaves out the right- and bottom-most ones.
    painter_->setPen(Pen(Qt::SquareCap));
    for (qsizetype i = 0; i < polygon.size(); ++i)
        painter_->drawLine(polygon[i], polygon[(i + 1) % polygon.size()]);
    Apply();
}

void TQtDrawSurface::TextOut(int x, int y, std::string_view text)
{
    if (!painter_)
        return;
    const QString qtext = Shown(text);
    const QFontMetrics metrics = painter_->fontMetrics();
    painter_->fillRect(QRect(x, y, metrics.horizontalAdvance(qtext), metrics.height()), brush_);
    painter_->setPen(Qt::black);
    painter_->drawText(QPoint(x, y + metrics.ascent()), qtext);
    Apply();
}

void TQtDrawSurface::SetFontName(std::string_view name)
{
    const QString family = ToQString(name);
    symbol_ = family == QLatin1String("Symbol");
    font_.setFamily(symbol_ ? sansFamily_ : family);
    Apply();
}

void TQtDrawSurface::SetFontPointSize(int points)
{
    font_.setPointSize(points);
    Apply();
}

int TQtDrawSurface::TextWidth(std::string_view text)
{
    const QString qtext = Shown(text);
    if (painter_)
        return painter_->fontMetrics().horizontalAdvance(qtext);
    return QFontMetrics(font_).horizontalAdvance(qtext);
}

int TQtDrawSurface::TextHeight()
{
    if (painter_)
        return painter_->fontMetrics().height();
    return QFontMetrics(font_).height();
}

}  // namespace fluvara

#include "qtdrawsurface.h"

#include <QPainter>
#include <QString>

namespace fluvara {

namespace {
QColor ToQColor(TRgb c) { return QColor(c.r, c.g, c.b); }
QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
} // namespace

TQtDrawSurface::TQtDrawSurface(const QFont& initialFont) : font_(initialFont) {}

void TQtDrawSurface::Begin(QPainter* painter, QPoint offset)
{
    painter_ = painter;
    offset_ = offset;
    Apply();
}

void TQtDrawSurface::End() { painter_ = nullptr; }

void TQtDrawSurface::Apply()
{
    if (!painter_)
        return;
    QPen pen(pen_);
    pen.setWidth(penWidth_);
    painter_->setPen(pen);
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
    if (painter_)
        painter_->fillRect(QRect(QPoint(x1, y1) + offset_, QPoint(x2 - 1, y2 - 1) + offset_), brush_);
}

void TQtDrawSurface::Ellipse(int, int, int, int) {}
void TQtDrawSurface::Chord(int, int, int, int, int, int, int, int) {}
void TQtDrawSurface::MoveTo(int x, int y) { current_ = QPoint(x, y); }
void TQtDrawSurface::LineTo(int x, int y) { current_ = QPoint(x, y); }
void TQtDrawSurface::Polygon(std::span<const TPoint>) {}
void TQtDrawSurface::TextOut(int, int, std::string_view) {}

void TQtDrawSurface::SetFontName(std::string_view name)
{
    font_.setFamily(ToQString(name));
    Apply();
}

int TQtDrawSurface::TextWidth(std::string_view) { return 0; }

} // namespace fluvara

#pragma once
// The drawing surface on a QPainter. The surface outlives the painters of the
// single paint events and carries pen, brush and font from one to the next.
//
// Pixels follow the old window drawing: no antialiasing; a box (x1, y1, x2, y2)
// covers x1 .. x2 - 1 and y1 .. y2 - 1; lines leave out their end point.
//
// There is no "Symbol" face: while that name is set, texts are drawn and
// measured in the starting font's face with a and b shown as alpha and beta.

#include "drawsurface.h"

#include <QColor>
#include <QFont>
#include <QPoint>

class QPainter;

namespace fluvara {

class TQtDrawSurface : public TDrawSurface {
public:
    explicit TQtDrawSurface(const QFont& initialFont);

    // Draws on painter until End(); offset is added to every coordinate.
    // The painter's own state is restored by End().
    void Begin(QPainter* painter, QPoint offset = {});
    void End();

    void SetPenColor(TRgb color) override;
    void SetPenWidth(int width) override;
    void SetBrushColor(TRgb color) override;
    void FillRect(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Chord(int x1, int y1, int x2, int y2, int px1, int py1, int px2, int py2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Polygon(std::span<const TPoint> points) override;
    void TextOut(int x, int y, std::string_view text) override;
    void SetFontName(std::string_view name) override;
    int TextWidth(std::string_view text) override;
    int TextHeight() override;

    // Font size in points, for the printer page (resolved at the page's resolution).
    void SetFontPointSize(int points);

    const QFont& Font() const { return font_; }

private:
    void Apply();
    QString Shown(std::string_view text) const;
    QPen Pen(Qt::PenCapStyle cap) const;

    QPainter* painter_ = nullptr;
    QColor pen_{Qt::black};
    int penWidth_ = 1;
    QColor brush_{Qt::white};
    QFont font_;
    QString sansFamily_;  // the starting font's face, standing in for "Symbol"
    bool symbol_ = false;
    QPoint current_;
};

}  // namespace fluvara

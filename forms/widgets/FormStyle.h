#pragma once
// Fonts and colours of the controls, given in pixels and RGB.

#include <QColor>
#include <QString>

class QWidget;

namespace fluvara {

inline const QColor SilverColor(192, 192, 192);
inline const QColor PaleYellowColor(255, 255, 183);
inline const QColor YellowColor(255, 255, 0);
inline const QColor FieldGreyColor(216, 216, 216);
inline const QColor ErrorRedColor(255, 0, 0);

// Sets family and pixel height; the other attributes stay.
void SetPixelFont(QWidget* widget, const QString& family, int pixelHeight);
void SetPixelHeight(QWidget* widget, int pixelHeight);
void SetBold(QWidget* widget, bool bold = true);
// Background of a window, page or label.
void SetBackground(QWidget* widget, const QColor& color);
void SetTextColor(QWidget* widget, const QColor& color);
// A check box in Arial of the given pixel height with a narrow gap between
// box and caption, so that captions fit the widths the layout was drawn with.
void SetCheckBoxStyle(QWidget* checkBox, int pixelHeight);
// Background of a text field.
void SetFieldColor(QWidget* widget, const QColor& color);

}  // namespace fluvara

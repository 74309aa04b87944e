#pragma once
// The value axes of the curve windows: round tick steps, as many ticks as
// their labels have room for, and changes of range and step in an order that
// never lays out more ticks than before or after.

class QValueAxis;

namespace fluvara {

// 1, 2 or 5 times a power of ten, at least step.
double NiceStep(double step);

// A round step over 0 to range on an axis length pixels long, with at most
// most intervals and at least labelExtent pixels for each label.
double TickStep(double range, double length, double labelExtent, int most);

// Pixels a label of the axis needs along it: its height on a vertical axis;
// on a horizontal one the width of the label of value (labels without
// decimals), with room around it.
double LabelHeight(const QValueAxis& axis);
double LabelWidth(const QValueAxis& axis, double value);

// The range 0 to max with ticks every step from 0. An axis lays its ticks
// out on every change, so the step goes first when it grows and last when it
// shrinks: the old step over the new range (a ditch's 50 l/s over a river's
// million) would lay out tens of thousands of ticks.
void SetAxis(QValueAxis& axis, double max, double step);

}  // namespace fluvara

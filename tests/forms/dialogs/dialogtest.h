#pragma once
// Helpers for the dialog tests: making a window active as the user would by
// switching to it, and reading texts of any kind of control.

#include <QString>

class QObject;
class QTableWidget;
class QWidget;

namespace fluvara::test {

// Shows the window if needed and makes it the active window; fails when it never becomes active.
[[nodiscard]] bool Activate(QWidget* window);

// Makes some other window active and then window again, as when the user
// switches to another program and back.
[[nodiscard]] bool Reactivate(QWidget* window);

// Text of a label, field, button or text view, by object name.
QString AnyText(const QObject* root, const QString& name);

// Cell text; "<none>" for a cell that was never filled.
QString Cell(const QTableWidget* grid, int row, int column);

}  // namespace fluvara::test

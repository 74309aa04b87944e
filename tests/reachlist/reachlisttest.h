#pragma once
// Helpers for the reach list window tests: typing into cells, reading them,
// answering message boxes.

#include "ReachListWindow.h"

#include <QString>
#include <QTableView>

#include <functional>

namespace fluvara::test {

QTableView* Table(const TReachListWindow& window, TReachKind kind);
// Types into a cell of the view as a user does: F2, the text, Enter.
void TypeCell(QTableView* view, int row, int column, const QString& text);
// The cell as the view shows it.
QString Cell(QTableView* view, int row, int column);
QVariant CellData(QTableView* view, int row, int column, int role);
void Trigger(const TReachListWindow& window, const char* actionName);
// Answers the next message box with the given button; records its object name.
void AnswerMessageBox(int button, QString* name = nullptr);
// A circular list row: name, d, kb, Is, Q and empty options.
std::vector<std::string> CircleRow(const char* name, const char* d, const char* kb, const char* is, const char* q);

}  // namespace fluvara::test

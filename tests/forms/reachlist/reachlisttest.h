#pragma once
// Helpers for the reach list window tests: typing into cells, reading them,
// answering message boxes.

#include "ReachListWindow.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QTableView>
#include <QTimer>

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
// While it lives, answers every message box as it comes, each by its object
// name (a box of another name is cancelled), also boxes that follow another:
// with a standard button, or for a box of its own buttons with the first
// button of a role (QMessageBox::ButtonRole).
class TMessageBoxAnswers {
public:
    explicit TMessageBoxAnswers(QMap<QString, int> buttons);
    // The object names and texts of the boxes answered, in order.
    const QStringList& Names() const { return names_; }
    const QStringList& Texts() const { return texts_; }

private:
    void AnswerShownBox();

    QMap<QString, int> buttons_;
    QStringList names_;
    QStringList texts_;
    QTimer timer_;
};

// A circular list row: name, d, kb, Is, Q and empty options.
std::vector<std::string> CircleRow(const char* name, const char* d, const char* kb, const char* is, const char* q);

}  // namespace fluvara::test

#include "reachlisttest.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace fluvara::test {

QTableView* Table(const TReachListWindow& window, TReachKind kind)
{
    auto* view = window.findChild<QTableView*>(kind == TReachKind::Circle ? "CircleTable" : "ChannelTable");
    if (!view)
        qFatal("no table");
    return view;
}

void TypeCell(QTableView* view, int row, int column, const QString& text)
{
    view->setFocus();
    view->setCurrentIndex(view->model()->index(row, column));
    QTest::keyClick(view, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!editor)
        qFatal("no editor opened");
    editor->selectAll();
    if (text.isEmpty())
        QTest::keyClick(editor, Qt::Key_Delete);
    else
        QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // the closed editor goes, so that the next cell's editor is the one with the focus
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QVariant CellData(QTableView* view, int row, int column, int role)
{
    return view->model()->index(row, column).data(role);
}

QString Cell(QTableView* view, int row, int column) { return CellData(view, row, column, Qt::DisplayRole).toString(); }

void Trigger(const TReachListWindow& window, const char* actionName)
{
    auto* action = window.findChild<QAction*>(actionName);
    if (!action)
        qFatal("no action %s", actionName);
    action->trigger();
}

void AnswerMessageBox(int button, QString* name)
{
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            qWarning("no message box");
            return;
        }
        if (name)
            *name = box->objectName();
        box->button(static_cast<QMessageBox::StandardButton>(button))->click();
    });
}

TMessageBoxAnswers::TMessageBoxAnswers(QMap<QString, int> buttons) : buttons_(std::move(buttons))
{
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { AnswerShownBox(); });
    timer_.start();
}

void TMessageBoxAnswers::AnswerShownBox()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    names_ << box->objectName();
    texts_ << box->text();
    // A standard button, or for a box of buttons of its own the first of the role given.
    const int answer = buttons_.value(box->objectName(), -1);
    QAbstractButton* button = answer > 0 ? box->button(static_cast<QMessageBox::StandardButton>(answer)) : nullptr;
    for (QAbstractButton* own : box->buttons())
        if (!button && answer >= 0 && box->buttonRole(own) == answer)
            button = own;
    if (button)
        button->click();
    else
        box->reject();
}

std::vector<std::string> CircleRow(const char* name, const char* d, const char* kb, const char* is, const char* q)
{
    return {name, d, kb, is, q, "", "", ""};
}

}  // namespace fluvara::test

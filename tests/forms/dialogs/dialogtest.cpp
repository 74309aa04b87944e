#include "dialogtest.h"

#include "windowtest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>

namespace fluvara::test {

bool Activate(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

bool Reactivate(QWidget* window)
{
    static QWidget* other = [] {
        auto* w = new QWidget;
        w->setObjectName("OtherWindow");
        w->resize(50, 50);
        return w;
    }();
    return Activate(other) && Activate(window);
}

QString AnyText(const QObject* root, const QString& name)
{
    QObject* child = root->findChild<QObject*>(name);
    if (auto* button = qobject_cast<QAbstractButton*>(child))
        return button->text();
    if (auto* view = qobject_cast<QPlainTextEdit*>(child))
        return view->toPlainText();
    if (auto* view = qobject_cast<QTextEdit*>(child))
        return view->toPlainText();
    return Text(root, name);
}

QString Cell(const QTableWidget* grid, int row, int column)
{
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QStringLiteral("<none>");
}

}  // namespace fluvara::test

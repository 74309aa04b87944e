#include "Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QToolButton>

namespace fluvara {

namespace {

void DrawPage(QPainter& p, QRectF r)
{
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(QPen(QColor(90, 90, 140), 1));
    for (qreal y = r.top() + 4; y < r.bottom() - 2; y += 3.5)
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
}

}  // namespace

QIcon MakeIcon(TIcon icon)
{
    QPixmap pixmap(28, 28);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (icon) {
    case TIcon::Clipboard:
        p.setPen(QPen(QColor(90, 60, 20), 1.5));
        p.setBrush(QColor(190, 140, 70));
        p.drawRoundedRect(QRectF(5, 4, 18, 22), 2, 2);
        DrawPage(p, QRectF(8, 8, 12, 15));
        p.setBrush(QColor(120, 120, 120));
        p.drawRect(QRectF(10, 2, 8, 4));
        p.setPen(QPen(QColor(0, 0, 160), 2));
        p.drawText(QRectF(8, 8, 12, 15), Qt::AlignCenter, "?");
        break;
    case TIcon::HeaderLine:
        DrawPage(p, QRectF(5, 3, 18, 23));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 0, 0));
        p.drawRect(QRectF(7, 5, 14, 4));
        break;
    case TIcon::Info:
        p.setPen(QPen(QColor(0, 60, 160), 1.5));
        p.setBrush(QColor(70, 130, 220));
        p.drawEllipse(QRectF(3, 3, 22, 22));
        p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawPoint(QPointF(14, 8.5));
        p.drawLine(QPointF(14, 13), QPointF(14, 20));
        break;
    case TIcon::Exit:
        p.setPen(QPen(QColor(90, 50, 20), 1.5));
        p.setBrush(QColor(160, 110, 60));
        p.drawRect(QRectF(6, 3, 14, 22));
        p.setBrush(QColor(40, 40, 40));
        p.drawRect(QRectF(9, 6, 8, 16));
        p.setPen(QPen(QColor(200, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 14), QPointF(26, 14));
        p.drawLine(QPointF(22, 10), QPointF(26, 14));
        p.drawLine(QPointF(22, 18), QPointF(26, 14));
        break;
    case TIcon::Eraser: {
        p.translate(14, 14);
        p.rotate(-35);
        p.setPen(QPen(QColor(80, 80, 80), 1.2));
        p.setBrush(QColor(230, 90, 110));
        p.drawRect(QRectF(-11, -5, 12, 10));
        p.setBrush(QColor(80, 120, 220));
        p.drawRect(QRectF(1, -5, 10, 10));
        break;
    }
    case TIcon::Table:
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 5, 22, 18));
        p.setBrush(QColor(255, 255, 160));
        p.drawRect(QRectF(3, 5, 22, 5));
        for (qreal y : {14.0, 18.0})
            p.drawLine(QPointF(3, y), QPointF(25, y));
        p.drawLine(QPointF(10, 5), QPointF(10, 23));
        break;
    case TIcon::Copy:
        DrawPage(p, QRectF(3, 3, 13, 17));
        DrawPage(p, QRectF(12, 9, 13, 17));
        break;
    case TIcon::Printer:
        DrawPage(p, QRectF(8, 2, 12, 10));
        p.setPen(QPen(QColor(50, 50, 50), 1.2));
        p.setBrush(QColor(150, 150, 150));
        p.drawRoundedRect(QRectF(3, 11, 22, 10), 2, 2);
        DrawPage(p, QRectF(8, 17, 12, 8));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 170, 0));
        p.drawEllipse(QRectF(20, 13, 3, 3));
        break;
    case TIcon::Book:
        p.setPen(QPen(QColor(30, 60, 30), 1.2));
        p.setBrush(QColor(40, 130, 60));
        p.drawRect(QRectF(5, 3, 18, 22));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(20, 5, 4, 19));
        p.setPen(QPen(Qt::white, 1.5));
        p.drawLine(QPointF(9, 9), QPointF(18, 9));
        p.drawLine(QPointF(9, 13), QPointF(16, 13));
        break;
    case TIcon::Transfer:
        p.setPen(QPen(QColor(0, 110, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(22, 14), QPointF(5, 14));
        p.drawLine(QPointF(11, 8), QPointF(5, 14));
        p.drawLine(QPointF(11, 20), QPointF(5, 14));
        break;
    }
    p.end();
    return QIcon(pixmap);
}

void SetButtonIcon(QToolButton* button, TIcon icon)
{
    button->setIcon(MakeIcon(icon));
    button->setIconSize(QSize(28, 28));
}

}  // namespace fluvara

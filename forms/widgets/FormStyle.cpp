#include "FormStyle.h"

#include <QWidget>

namespace fluvara {

void SetPixelFont(QWidget* widget, const QString& family, int pixelHeight)
{
    QFont font = widget->font();
    font.setFamily(family);
    font.setPixelSize(pixelHeight);
    widget->setFont(font);
}

void SetPixelHeight(QWidget* widget, int pixelHeight)
{
    QFont font = widget->font();
    font.setPixelSize(pixelHeight);
    widget->setFont(font);
}

void SetBold(QWidget* widget, bool bold)
{
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

void SetBackground(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetFieldColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, color);
    widget->setPalette(palette);
}

void SetTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

}  // namespace fluvara

namespace fluvara {

void SetCheckBoxStyle(QWidget* checkBox, int pixelHeight)
{
    // A style sheet fixes the face of a widget that has no parent yet, so the
    // page's face is named here instead of inherited.
    SetPixelFont(checkBox, "Arial", pixelHeight);
    checkBox->setStyleSheet("QCheckBox { spacing: 2px; }");
}

}  // namespace fluvara

#include "Kbtab.h"

namespace fluvara {

TkbForm::TkbForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("kbForm");
    setWindowTitle(QString::fromUtf8("  kb-Werte"));
    setFixedSize(492, 419);
}

} // namespace fluvara

#include "Ksttab.h"

namespace fluvara {

TkstForm::TkstForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("kstForm");
    setWindowTitle(QString::fromUtf8("  kst-Werte  "));
    setFixedSize(531, 470);
}

} // namespace fluvara

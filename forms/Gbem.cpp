#include "Gbem.h"

namespace fluvara {

TGBemForm::TGBemForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("GBemForm");
    setWindowTitle(QString::fromUtf8("  Gerinne"));
    setFixedSize(453, 263);
}

} // namespace fluvara

namespace fluvara {

void TGBemForm::ClearTitles() {}

} // namespace fluvara

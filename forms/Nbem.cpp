#include "Nbem.h"

namespace fluvara {

TNBemForm::TNBemForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("NBemForm");
    setWindowTitle(QString::fromUtf8("  Kreisprofil"));
    setFixedSize(452, 212);
}

} // namespace fluvara

namespace fluvara {

void TNBemForm::ClearTitles() {}

} // namespace fluvara

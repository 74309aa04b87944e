#include "Theo.h"

namespace fluvara {

TTheoForm::TTheoForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("TheoForm");
    setWindowTitle(QString::fromUtf8(" Erläuterungen"));
    setFixedSize(654, 493);
}

} // namespace fluvara

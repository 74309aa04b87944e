#include "About.h"

namespace fluvara {

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("AboutForm");
    setWindowTitle(QString::fromUtf8("Info"));
    setFixedSize(362, 254);
}

} // namespace fluvara

namespace fluvara {

void TAboutForm::FillLabels(const QString&) {}

} // namespace fluvara

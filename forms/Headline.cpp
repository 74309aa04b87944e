#include "Headline.h"

namespace fluvara {

THeadLineForm::THeadLineForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("HeadLineForm");
    setWindowTitle(QString::fromUtf8("  Kopfzeile"));
    setFixedSize(563, 179);
}

} // namespace fluvara

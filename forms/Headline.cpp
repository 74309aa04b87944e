#include "Headline.h"

namespace fluvara {

THeadLineForm::THeadLineForm(QString& headerLine, QWidget* parent) : QDialog(parent), headerLine_(headerLine)
{
    setObjectName("HeadLineForm");
    setWindowTitle(QString::fromUtf8("  Kopfzeile"));
    setFixedSize(563, 179);
}

} // namespace fluvara

#include "Clipinh.h"

namespace fluvara {

TClipForm::TClipForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("ClipForm");
    setWindowTitle(QString::fromUtf8("  Inhalt der Zwischenablage"));
    setFixedSize(553, 447);
}

} // namespace fluvara

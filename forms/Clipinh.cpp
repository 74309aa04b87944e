#include "Clipinh.h"

namespace fluvara {

TClipForm::TClipForm(const QPlainTextEdit& memo, QWidget* parent) : QDialog(parent), memo_(memo)
{
    setObjectName("ClipForm");
    setWindowTitle(QString::fromUtf8("  Inhalt der Zwischenablage"));
    setFixedSize(553, 447);
}

} // namespace fluvara

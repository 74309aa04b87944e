#include "ReachListProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QPushButton>

namespace fluvara {

namespace {

constexpr int Steps = 1000;

}  // namespace

TListProgressDialog::~TListProgressDialog() { delete dialog_; }

void TListProgressDialog::Begin(const QString& title)
{
    if (depth_++ > 0)
        return;
    auto* dialog = new QProgressDialog(parent_);
    dialog->setObjectName("ProgressDialog");
    dialog->setWindowTitle(title);
    auto* cancel = new QPushButton("Abbrechen", dialog);
    cancel->setObjectName("ProgressCancel");
    dialog->setCancelButton(cancel);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setRange(0, Steps);
    dialog->setMinimumDuration(delay_);
    dialog->setMinimumWidth(360);
    dialog->setValue(0);  // starts the clock of the delay
    dialog_ = dialog;
}

bool TListProgressDialog::Step(const QString& label, std::uint64_t done, std::uint64_t total)
{
    if (!dialog_)
        return true;
    if (dialog_->labelText() != label)
        dialog_->setLabelText(label);
    const int value = total == 0 ? 0 : static_cast<int>(std::min<std::uint64_t>(done, total) * Steps / total);
    // The dialog shows itself once the delay is over; from then on the
    // program's events (and so "Abbrechen") are handled at every step.
    dialog_->setValue(value);
    if (dialog_->isVisible())
        QCoreApplication::processEvents();
    return dialog_ && !dialog_->wasCanceled();
}

void TListProgressDialog::End()
{
    if (--depth_ > 0)
        return;
    delete dialog_;
}

}  // namespace fluvara

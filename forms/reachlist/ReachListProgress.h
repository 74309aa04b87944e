#pragma once
// The progress of the list's long work as users expect it: a dialog that
// shows itself when the work takes longer than half a second, with a bar
// and "Abbrechen"; while it is open the rest of the program waits.

#include "WorkProgress.h"

#include <QPointer>

class QProgressDialog;
class QWidget;

namespace fluvara {

class TListProgressDialog : public TWorkProgress {
public:
    static constexpr int DefaultDelay = 500;  // ms

    explicit TListProgressDialog(QWidget* parent) : parent_(parent) { }
    ~TListProgressDialog() override;
    // How long work runs before the dialog shows (0: at its first step).
    void SetDelay(int milliseconds) { delay_ = milliseconds; }

    void Begin(const QString& title) override;
    bool Step(const QString& label, std::uint64_t done, std::uint64_t total) override;
    void End() override;

private:
    QWidget* parent_;
    QPointer<QProgressDialog> dialog_;
    int delay_ = DefaultDelay;
    int depth_ = 0;  // work begun within work shares its dialog
};

}  // namespace fluvara

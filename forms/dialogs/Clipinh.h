#pragma once
// Viewer of the text this program last copied to the clipboard.

#include "DialogFrame.h"

#include <memory>

class QPlainTextEdit;

namespace Ui {
class TClipForm;
}

namespace fluvara {

class TClipForm : public TFixedDialog {
    Q_OBJECT
public:
    // Shows the text of memo, the main window's copy of the last clipboard text.
    explicit TClipForm(const QPlainTextEdit& memo, QWidget* parent = nullptr);
    ~TClipForm() override;

private:
    void FormActivate() override;

    std::unique_ptr<Ui::TClipForm> ui;
    const QPlainTextEdit& memo_;
};

}  // namespace fluvara

#pragma once
// Viewer of the text this program last copied to the clipboard.

#include "DialogFrame.h"

#include <QString>

#include <memory>

namespace Ui {
class TClipForm;
}

namespace fluvara {

class TClipForm : public TFixedDialog {
    Q_OBJECT
public:
    explicit TClipForm(QWidget* parent = nullptr);
    ~TClipForm() override;

    // The text this program last put on the clipboard, shown when the viewer opens.
    void TakeCopy(const QString& text) { copy_ = text; }

private:
    void FormActivate() override;

    std::unique_ptr<Ui::TClipForm> ui;
    QString copy_;
};

}  // namespace fluvara

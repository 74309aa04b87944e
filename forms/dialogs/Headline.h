#pragma once
// The header line of the printouts: edited here and kept in the settings store.

#include "DialogFrame.h"

#include <memory>

namespace Ui {
class THeadLineForm;
}

namespace fluvara {

class THeaderLine;

class THeadLineForm : public TFixedDialog {
    Q_OBJECT
public:
    // OK stores the field's text as headerLine.
    explicit THeadLineForm(THeaderLine& headerLine, QWidget* parent = nullptr);
    ~THeadLineForm() override;

    void xOKBtnClick();
    void xCancelBtnClick();

private:
    void FormActivate() override;

    std::unique_ptr<Ui::THeadLineForm> ui;
    THeaderLine& headerLine_;
};

}  // namespace fluvara

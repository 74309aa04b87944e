#pragma once
// The table of operating roughness values kb for sewers.

#include "DialogFrame.h"

#include <memory>

namespace Ui {
class TkbForm;
}

namespace fluvara {

class TkbForm : public TFixedDialog {
    Q_OBJECT
public:
    explicit TkbForm(QWidget* parent = nullptr);
    ~TkbForm() override;

private:
    void FormActivate() override;

    std::unique_ptr<Ui::TkbForm> ui;
};

}  // namespace fluvara

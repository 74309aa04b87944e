#pragma once
// Title lines and page number of the open channel printout.

#include "DialogFrame.h"

#include <memory>

namespace Ui {
class TGBemForm;
}

namespace fluvara {

class TGBemForm : public TPrintTitleDialog {
    Q_OBJECT
public:
    explicit TGBemForm(QWidget* parent = nullptr);
    ~TGBemForm() override;

private:
    std::unique_ptr<Ui::TGBemForm> ui;
};

}  // namespace fluvara

#pragma once
// Title lines and page number of the circular profile printout.

#include "DialogFrame.h"

#include <memory>

namespace Ui {
class TNBemForm;
}

namespace fluvara {

class TNBemForm : public TPrintTitleDialog {
    Q_OBJECT
public:
    explicit TNBemForm(QWidget* parent = nullptr);
    ~TNBemForm() override;

private:
    std::unique_ptr<Ui::TNBemForm> ui;
};

}  // namespace fluvara

#pragma once
// Explanations on the verification and design of circular sewer pipes.

#include "DialogFrame.h"

#include <memory>

namespace Ui {
class TTheoForm;
}

namespace fluvara {

class TTheoForm : public TFixedDialog {
    Q_OBJECT
public:
    explicit TTheoForm(QWidget* parent = nullptr);
    ~TTheoForm() override;

private:
    void FormCreate();
    void FormActivate() override;

    std::unique_ptr<Ui::TTheoForm> ui;
};

}  // namespace fluvara

#pragma once
// The table of Manning–Strickler coefficients kst, one material group at a time.

#include "DialogFrame.h"

#include <memory>

namespace Ui {
class TkstForm;
}

namespace fluvara {

class TkstForm : public TFixedDialog {
    Q_OBJECT
public:
    explicit TkstForm(QWidget* parent = nullptr);
    ~TkstForm() override;

    void SpBtn3v4Click();
    void xSpBtn1v4Click();
    void xSpBtn4v4Click();
    void xSpBtn2v4Click();

private:
    void FormActivate() override;

    std::unique_ptr<Ui::TkstForm> ui;
};

}  // namespace fluvara

#pragma once
// The table of Manning–Strickler coefficients kst, one material group at a time.

#include <QDialog>

#include <memory>

namespace Ui {
class TkstForm;
}

namespace fluvara {

class TkstForm : public QDialog {
    Q_OBJECT
public:
    explicit TkstForm(QWidget* parent = nullptr);
    ~TkstForm() override;

    void SpBtn3v4Click();
    void xSpBtn1v4Click();
    void xSpBtn4v4Click();
    void xSpBtn2v4Click();

protected:
    void changeEvent(QEvent* event) override;

private:
    void FormActivate();

    std::unique_ptr<Ui::TkstForm> ui;
};

} // namespace fluvara

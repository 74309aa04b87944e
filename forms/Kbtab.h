#pragma once
// The table of operating roughness values kb for sewers.

#include <QDialog>

#include <memory>

namespace Ui {
class TkbForm;
}

namespace fluvara {

class TkbForm : public QDialog {
    Q_OBJECT
public:
    explicit TkbForm(QWidget* parent = nullptr);
    ~TkbForm() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void FormActivate();

    std::unique_ptr<Ui::TkbForm> ui;
};

} // namespace fluvara

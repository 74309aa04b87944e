#pragma once
// Explanations on the verification and design of circular sewer pipes.

#include <QDialog>

#include <memory>

namespace Ui {
class TTheoForm;
}

namespace fluvara {

class TTheoForm : public QDialog {
    Q_OBJECT
public:
    explicit TTheoForm(QWidget* parent = nullptr);
    ~TTheoForm() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void FormCreate();
    void FormActivate();

    std::unique_ptr<Ui::TTheoForm> ui;
};

} // namespace fluvara

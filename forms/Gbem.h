#pragma once
// Title lines and page number of the open channel printout.

#include <QDialog>

#include <memory>

namespace Ui {
class TGBemForm;
}

namespace fluvara {

class TGBemForm : public QDialog {
    Q_OBJECT
public:
    explicit TGBemForm(QWidget* parent = nullptr);
    ~TGBemForm() override;

    // Empties the two title fields; the page number stays.
    void ClearTitles();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TGBemForm> ui;
};

} // namespace fluvara

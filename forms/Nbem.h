#pragma once
// Title lines and page number of the circular profile printout.

#include <QDialog>

#include <memory>

namespace Ui {
class TNBemForm;
}

namespace fluvara {

class TNBemForm : public QDialog {
    Q_OBJECT
public:
    explicit TNBemForm(QWidget* parent = nullptr);
    ~TNBemForm() override;

    // Empties the two title fields; the page number stays.
    void ClearTitles();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TNBemForm> ui;
};

} // namespace fluvara

#pragma once
// The header line of the printouts: edited here and kept in the settings store.

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class THeadLineForm;
}

namespace fluvara {

class THeadLineForm : public QDialog {
    Q_OBJECT
public:
    // headerLine is the main window's header line, which OK replaces.
    explicit THeadLineForm(QString& headerLine, QWidget* parent = nullptr);
    ~THeadLineForm() override;

    void xOKBtnClick();
    void xCancelBtnClick();

protected:
    void changeEvent(QEvent* event) override;

private:
    void FormActivate();

    std::unique_ptr<Ui::THeadLineForm> ui;
    QString& headerLine_;
};

} // namespace fluvara

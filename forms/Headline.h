#pragma once
// The header line of the printouts: edited here and kept in the settings store.

#include "DialogFrame.h"

#include <QString>

#include <memory>

namespace Ui {
class THeadLineForm;
}

namespace fluvara {

class THeadLineForm : public TFixedDialog {
    Q_OBJECT
public:
    // headerLine is the main window's header line, which OK replaces.
    explicit THeadLineForm(QString& headerLine, QWidget* parent = nullptr);
    ~THeadLineForm() override;

    void xOKBtnClick();
    void xCancelBtnClick();

private:
    void FormActivate() override;

    std::unique_ptr<Ui::THeadLineForm> ui;
    QString& headerLine_;
};

} // namespace fluvara

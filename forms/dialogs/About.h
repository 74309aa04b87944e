#pragma once
// Program name, version and the maker's contact lines.

#include "DialogFrame.h"

#include <memory>

namespace Ui {
class TAboutForm;
}

namespace fluvara {

class TAboutForm : public TFixedDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);
    ~TAboutForm() override;

    // Writes the program, version and rights lines; called before every showing.
    void FillLabels(const QString& applicationTitle);

private:
    std::unique_ptr<Ui::TAboutForm> ui;
};

}  // namespace fluvara

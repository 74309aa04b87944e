#pragma once
// The page " Gerinne Bem.  ": normal depth, critical depth and regime of a
// trapezoidal open channel.

#include <QWidget>

#include <memory>
#include <string>

class QLineEdit;
class QRadioButton;

namespace Ui {
class TChannelPage;
}

namespace fluvara {

class TMainForm;
struct TBankInclination;
struct TBankRules;
struct TNumberField;

class TChannelPage : public QWidget {
    Q_OBJECT
public:
    explicit TChannelPage(TMainForm& mainForm);
    ~TChannelPage() override;

    void InitialState();
    void TabSheet2Show();

    void GFtBtnClick();
    void RadiBtn3Click();
    void SpeedButton3Click();
    void GClipBtnClick();
    void GDruSBtnClick();
    void RadioBtnGaClick();
    void RadioBtnGBSClick();
    void RadioBtnGbetaClick();
    void RadioBtnGBS2Click();

protected:
    // Enter in the input fields (the KeyDown handlers of the fields).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The fields of one bank: its angle or its slope is in use.
    struct TBankFields {
        QRadioButton* byAngle;
        QLineEdit* angleEdit;
        QLineEdit* slopeEdit;
        const TBankRules& rules;
    };

    TBankFields LeftBank() const;
    TBankFields RightBank() const;
    // Validates the bank in its selected form and completes the echo texts
    // with the other form; false after showing the field's message.
    bool ReadBank(const TBankFields& bank, const TNumberField& angle, const TNumberField& slope,
                  std::string& angleText, std::string& slopeText, TBankInclination& result);
    void UseField(QLineEdit* used, QLineEdit* unused);
    void ShowError(const QString& message, QWidget* field);

    std::unique_ptr<Ui::TChannelPage> ui;
    TMainForm& main_;
};

} // namespace fluvara

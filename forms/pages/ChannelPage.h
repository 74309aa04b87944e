#pragma once
// The page " Gerinne Bem.  ": normal depth, critical depth and regime of a
// trapezoidal open channel.

#include "CalculationPage.h"

#include "channel.h"
#include "channelsketch.h"
#include "printframe.h"
#include "resultlines.h"

#include <memory>
#include <optional>
#include <string>

class QLineEdit;
class QRadioButton;

namespace Ui {
class TChannelPage;
}

namespace fluvara {

struct TBankRules;
struct TNumberField;

// A successful channel run: what was calculated and what came out.
struct TChannelRun {
    TChannelInput input;
    TChannelResult result;
};

class TChannelPage : public TCalculationPage {
    Q_OBJECT
public:
    explicit TChannelPage(QWidget* parent = nullptr);
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

    void PaintSketch(TDrawSurface& surface, TPoint centre, TRect bevel) const override;
    void PageShown() override { TabSheet2Show(); }
    // A channel reach of a list fills the fields; the labels empty until the next calculation.
    void TakeOverReach(const TPageReach& reach);
    std::optional<TPageReach> InputsAsReach() const override;
    const TChannelSketch& Sketch() const { return sketch_; }
    const TResultLines& ResultLines() const { return lines_; }
    // The page the print button prints; none while the button is off.
    std::optional<TPrintout> Report() const;
    // The last successful run, until the page is cleared.
    const std::optional<TChannelRun>& Run() const { return run_; }

signals:
    void CopyRequested(const std::string& text);
    void PrintRequested(const TPrintout& printout);
    // The clear button emptied the page.
    void Cleared();
    void KstTableRequested();
    // A new successful run, or the page cleared.
    void RunChanged();

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
    bool ReadBank(const TBankFields& bank, const TNumberField& angle, const TNumberField& slope, std::string& angleText,
                  std::string& slopeText, TBankInclination& result);
    void UseField(QLineEdit* used, QLineEdit* unused);
    void ShowError(const QString& message, QWidget* field);

    std::unique_ptr<Ui::TChannelPage> ui;
    TChannelSketch sketch_;
    TResultLines lines_ = MakeChannelResultLines();
    std::optional<TChannelRun> run_;
};

}  // namespace fluvara

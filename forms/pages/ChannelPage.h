#pragma once
// The page " Gerinne Bem.  ": normal depth, critical depth and regime of a
// trapezoidal open channel.

#include "CalculationPage.h"

#include "channelrun.h"
#include "printframe.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

class QLineEdit;
class QRadioButton;

namespace Ui {
class TChannelPage;
}

namespace fluvara {

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
    // The sketch, result lines and printout of the run the page shows.
    TChannelSketch Sketch() const;
    TResultLines ResultLines() const;
    // The page the print button prints; none while the button is off.
    std::optional<TPrintout> Report() const;
    // The last successful run, until the page is cleared or takes over a reach.
    std::optional<TChannelRun> Run() const;

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
    // What became of the last successful run: on the page, or taken off it by
    // the clear button (which empties result lines 0 to 19) or by a reach.
    enum class TRunState { Shown, Cleared, Withdrawn };

    // The input fields in the run's field order, which is also their tab order.
    std::array<QLineEdit*, ChannelRunFieldCount> InputFields() const;
    TChannelPageTexts FieldTexts() const;
    // Empties the unused field of each bank the run read.
    void ClearUnusedBankFields(const TChannelRun& run);
    void ShowRun();
    void WithdrawRun(TRunState state);
    void UseField(QLineEdit* used, QLineEdit* unused);
    void ShowError(const QString& message, QWidget* field);

    std::unique_ptr<Ui::TChannelPage> ui;
    std::optional<TChannelRun> run_;
    TRunState runState_ = TRunState::Shown;
};

}  // namespace fluvara

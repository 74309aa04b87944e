#pragma once
// The page " Kreisprofil Nachw. ": full flow and partial flow of a circular pipe.

#include "CalculationPage.h"

#include "circlesketch.h"
#include "partialfilling.h"
#include "printframe.h"
#include "resultlines.h"
#include "verificationrun.h"

#include <memory>
#include <optional>
#include <string>

namespace Ui {
class TVerificationPage;
}

namespace fluvara {

class TVerificationPage : public TCalculationPage {
    Q_OBJECT
public:
    explicit TVerificationPage(QWidget* parent = nullptr);
    ~TVerificationPage() override;

    void InitialState();

    void OKBtn1Click();
    void OKBtn2Click();
    void RadiBtn1Click();
    void TabSheet1Show();
    void SpeedButton1Click();
    void TheoSBtnClick();
    void NClipBtnClick();
    void DruckBtnClick();

    // The design page hands over its inputs and the designed diameter.
    void TakeOverDesign(const QString& qtText, const QString& isText, const QString& kbText, double D);
    // A reach of a list takes the fields as the design's transfer does: labels emptied, no pipe.
    void TakeOverReach(const TPageReach& reach);
    std::optional<TPageReach> InputsAsReach() const override;

    void PaintSketch(TDrawSurface& surface, TPoint centre, TRect bevel) const override;
    void PageShown() override { TabSheet1Show(); }

    // What the window shows in the sketch area for this page.
    TCircleSketch Sketch() const;
    // The result lines of the last runs, as the copy and the print button take them.
    TResultLines ResultLines() const;
    // The page the print button prints: the result lines and the pipe they describe.
    TPrintout Printout() const;
    // The same, none while the print button is off.
    std::optional<TPrintout> Report() const;
    // The pipe of the last successful full-flow run while the partial flow may
    // fill it, with the partial flow last found in it.
    std::optional<TFullFlowPipe> FullFlowPipe() const;
    std::optional<TPartialFlowMark> PartialFlow() const;

signals:
    void CopyRequested(const std::string& text);
    void PrintRequested(const TPrintout& printout);
    // The clear button emptied the page.
    void Cleared();
    void KbTableRequested();
    void ExplanationsRequested();
    // A new full or partial flow, or the pipe forgotten.
    void PipeChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowError(const TRunFailure& failure);
    void ShowPipe();
    // No pipe until the next full-flow run; the sketch shows its placeholder.
    void ForgetPipe();
    // The pipe the result lines describe: of the last partial-flow run in
    // the last full-flow run, else of that run, else the placeholder.
    TCircleSketch LastPipe() const;

    std::unique_ptr<Ui::TVerificationPage> ui;
    // The last successful runs: what the result lines describe and the
    // printout draws, also after a transfer put the placeholder on the
    // screen. A failed run leaves them; a new full flow drops the partial one.
    std::optional<TFullFlowRun> full_;
    std::optional<TPartialFlowRun> partial_;
    // The sketch shows the pipe and the partial flow may fill it; never after
    // the clear button or a transfer, until the next full-flow run.
    bool pipeInUse_ = false;
    // The result lines while there is no run: one blank line at the start,
    // all empty after the clear button.
    TResultLines noRunLines_ = MakeCircleResultLines();
};

}  // namespace fluvara

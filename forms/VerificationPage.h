#pragma once
// The page " Kreisprofil Nachw. ": full flow and partial flow of a circular pipe.

#include "circlesketch.h"

#include <QWidget>

#include <memory>
#include <string>

namespace Ui {
class TVerificationPage;
}

namespace fluvara {

class TMainForm;

class TVerificationPage : public QWidget {
    Q_OBJECT
public:
    explicit TVerificationPage(TMainForm& mainForm);
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

    // The picture of the last successful run, which the result lines describe:
    // what the printout draws even after the page's values were reset.
    const TCircleSketch& ReportSketch() const { return report_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowError(const QString& message, QWidget* field);
    void DrawSketch(int full);
    // No diameter until the next full-flow run; the sketch shows its placeholder.
    void ForgetResult();

    std::unique_ptr<Ui::TVerificationPage> ui;
    TMainForm& main_;
    // Values of the last successful full-flow run. A failed run leaves them, so
    // the sketch and the partial flow never work on a diameter that failed its check.
    double d_ = 0;   // mm, clear width
    double h_ = 0;   // cm
    double Qv_ = 0;  // l/s, cut to two decimals
    double vv_ = 0;  // m/s
    // 1 while the last run was a full flow. Each circular page shows its own
    // picture: a design result is never drawn over this page's full pipe.
    int full_ = 0;
    TCircleSketch report_;
};

} // namespace fluvara

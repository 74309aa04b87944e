#pragma once
// The page " Kreisprofil Nachw. ": full flow and partial flow of a circular pipe.

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

    // Diameter (mm, clear width) and depth (cm) of the last successful run; 0 when none.
    double Diameter() const { return d_; }
    double Depth() const { return h_; }

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
    // Partial discharge as last read from its field.
    double Qt_ = 0;
};

} // namespace fluvara

#pragma once
// The page " Kreisprofil Bem. ": required inner diameter of a circular pipe.

#include "CalculationPage.h"

#include "circlesketch.h"
#include "designrun.h"

#include <memory>
#include <optional>

namespace Ui {
class TDesignPage;
}

namespace fluvara {

class TDesignPage : public TCalculationPage {
    Q_OBJECT
public:
    explicit TDesignPage(QWidget* parent = nullptr);
    ~TDesignPage() override;

    void InitialState();

    void BemTeilBtnClick();
    void RadiBtn2Click();
    void TabSheet3Show();
    void NachBemBtnClick();
    void SpeedButton2Click();
    void TheoSBtnClick();

    void PaintSketch(TDrawSurface& surface, TPoint centre, TRect bevel) const override;
    void PageShown() override { TabSheet3Show(); }
    std::optional<TPageReach> InputsAsReach() const override;
    // What the window shows in the sketch area for this page.
    const TCircleSketch& Sketch() const;

signals:
    // The transfer button: the existing discharge, slope and roughness as
    // typed, and the designed diameter, go to the verification page.
    void DesignTransferred(const QString& qtText, const QString& isText, const QString& kbText, double D);
    void KbTableRequested();
    void ExplanationsRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::TDesignPage> ui;
    // The last successful design; none before it and after clearing, when
    // the sketch shows its placeholder.
    std::optional<TDesignRun> run_;
};

}  // namespace fluvara

#pragma once
// The page " Kreisprofil Bem. ": required inner diameter of a circular pipe.

#include <QWidget>

#include <memory>

namespace Ui {
class TDesignPage;
}

namespace fluvara {

class TMainForm;

class TDesignPage : public QWidget {
    Q_OBJECT
public:
    explicit TDesignPage(TMainForm& mainForm);
    ~TDesignPage() override;

    void InitialState();

    void BemTeilBtnClick();
    void RadiBtn2Click();
    void TabSheet3Show();
    void NachBemBtnClick();
    void SpeedButton2Click();
    void TheoSBtnClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::TDesignPage> ui;
    TMainForm& main_;
    double D_ = 0;  // mm, designed diameter of the last successful run
    double h_ = 0;  // cm, filling height at D
};

} // namespace fluvara

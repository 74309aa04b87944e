#pragma once
// The main window: toolbar, menu, sketch area and the three calculation pages.

#include "channelsketch.h"
#include "circlesketch.h"
#include "qtdrawsurface.h"
#include "resultlines.h"

#include <QMainWindow>
#include <QString>

#include <memory>

class QPainter;
class QPlainTextEdit;

namespace Ui {
class TMainForm;
}

namespace fluvara {

class TAboutForm;
class TClipForm;
class TGBemForm;
class THeadLineForm;
class TkbForm;
class TkstForm;
class TNBemForm;
class TTheoForm;
class TVerificationPage;
class TDesignPage;
class TChannelPage;

inline const char* const ApplicationTitle = " FLUVARA ";

// The dialogs the main window opens; they are created after it.
struct TDialogs {
    TAboutForm* about = nullptr;
    TClipForm* clip = nullptr;
    TGBemForm* gBem = nullptr;
    THeadLineForm* headLine = nullptr;
    TkbForm* kb = nullptr;
    TkstForm* kst = nullptr;
    TNBemForm* nBem = nullptr;
    TTheoForm* theo = nullptr;
};

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    void SetDialogs(const TDialogs& dialogs) { dialogs_ = dialogs; }
    const TDialogs& Dialogs() const { return dialogs_; }

    // Shared state of the pages.
    TPoint SketchCentre() const { return sketchCentre_; }
    TCircleSketch& CircleSketch() { return circleSketch_; }
    TChannelSketch& ChannelSketch() { return channelSketch_; }
    TResultLines& CircleResultLines() { return circleResultLines_; }
    TResultLines& ChannelResultLines() { return channelResultLines_; }
    QString& HeaderLine() { return headerLine_; }
    // Hidden text control that holds the last clipboard copy.
    QPlainTextEdit* Memo1() const;

    TVerificationPage* VerificationPage() const { return verificationPage_; }
    TDesignPage* DesignPage() const { return designPage_; }

    // Redraw the sketch area; the paint routine draws the sketch of the active page.
    void DrawCircleSketch();
    void DrawChannelSketch();
    void ShowVerificationPage();

    void AboutBtnClick();
    void ExitButtonClick();
    void HLineBtnClick();
    void SpClipfrageBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormPaint(QPainter& painter);
    void PageChanged(int index);

    std::unique_ptr<Ui::TMainForm> ui;
    TVerificationPage* verificationPage_ = nullptr;
    TDesignPage* designPage_ = nullptr;
    TChannelPage* channelPage_ = nullptr;
    TDialogs dialogs_;
    TPoint sketchCentre_;
    TRect bevelRect_;
    TCircleSketch circleSketch_;
    TChannelSketch channelSketch_;
    TResultLines circleResultLines_ = MakeCircleResultLines();
    TResultLines channelResultLines_ = MakeChannelResultLines();
    QString headerLine_;
    TQtDrawSurface surface_;
    bool shown_ = false;
};

} // namespace fluvara

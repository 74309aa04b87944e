#pragma once
// The main window: toolbar, menu, sketch area and the three calculation pages.

#include "ResultOutput.h"

#include "qtdrawsurface.h"

#include <QMainWindow>
#include <QString>

#include <memory>

class QMenu;
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
class TCalculationPage;
class TExtras;
class TVerificationPage;
class TDesignPage;
class TChannelPage;
class THeaderLine;
class TReachListWindow;
struct TPageReach;

// The dialogs the main window and its pages open; they are created after it.
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

    // Once, after start-up created the dialogs: the toolbar and the pages'
    // signals to the dialogs and to the output of results.
    void Connect(const TDialogs& dialogs, TResultOutput& output);

    TPoint SketchCentre() const { return sketchCentre_; }
    // The menu of functions beyond the pages; each adds its entries to it.
    QMenu& ExtrasMenu() const { return *extrasMenu_; }
    // Hidden text control that holds the last clipboard copy.
    const QPlainTextEdit& Memo1() const;

    void AboutBtnClick();
    void ExitButtonClick();
    void HLineBtnClick();
    void SpClipfrageBtnClick();

    // The reach list window ("&Extras" → "&Haltungsliste…"), made when first
    // asked for; its printouts carry the header line.
    TReachListWindow& ReachList();
    // The header line the reach list prints under, whether the list is made before or after.
    void UseHeaderLine(const THeaderLine& headerLine);
    // Opens a project in the reach list window, which is shown; false after its message.
    bool OpenReachProject(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;
    // Closing the program closes the list too, which may ask to save it first.
    void closeEvent(QCloseEvent* event) override;

private:
    void FormPaint(QPainter& painter);
    void PageChanged(int index);
    TCalculationPage* CurrentPage() const;
    void KeepCopy(const QString& text);
    void ShowReachList();
    void ReachToPage(const TPageReach& reach);
    // The reach list takes the header line now and whenever it changes.
    void FollowHeaderLine();

    std::unique_ptr<Ui::TMainForm> ui;
    TVerificationPage* verificationPage_ = nullptr;
    TDesignPage* designPage_ = nullptr;
    TChannelPage* channelPage_ = nullptr;
    TDialogs dialogs_;
    QMenu* extrasMenu_ = nullptr;
    TExtras* extras_ = nullptr;
    TPoint sketchCentre_;
    TRect bevelRect_;
    TQtDrawSurface surface_;
    bool shown_ = false;
    const THeaderLine* headerLine_ = nullptr;
    std::unique_ptr<TReachListWindow> reachList_;
};

}  // namespace fluvara

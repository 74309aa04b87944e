#pragma once
// The main window: toolbar, menu, sketch area and the three calculation pages.

#include "ResultOutput.h"

#include "qtdrawsurface.h"

#include <QMainWindow>
#include <QString>

#include <memory>
#include <optional>

class QMenu;
class QPainter;
class QPlainTextEdit;

namespace Ui {
class TMainForm;
}

namespace fluvara {

class TCalculationPage;
class TExtras;
class TVerificationPage;
class TDesignPage;
class TChannelPage;
class THeaderLine;
class TPrintService;
class TPrintTitleDialog;
class TReachListWindow;
struct TPageReach;

// The small dialogs of the main window, one of each, made and owned by start-up.
enum class TDialogKind {
    About,
    Clipboard,
    ChannelTitles,
    HeaderLine,
    KbTable,
    KstTable,
    VerificationTitles,
    Explanations
};

// What the main window works with; made by start-up before it, outliving it.
struct TMainWindowParts {
    const THeaderLine& headerLine;
    TResultOutput& output;
    TPrintService& printing;
    // The print title dialogs of the two printing pages.
    TPrintTitleDialog* verificationTitles = nullptr;
    TPrintTitleDialog* channelTitles = nullptr;
};

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(const TMainWindowParts& parts, QWidget* parent = nullptr);
    ~TMainForm() override;

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
    // Opens a project in the reach list window, which is shown; false after its message.
    bool OpenReachProject(const QString& path);
    // The inputs of the page in front as a reach of a list; none on the page that has none.
    std::optional<TPageReach> InputsOfPageInFront() const;
    // A reach of a list into the page of its kind, which comes to the front.
    void ReachToPage(const TPageReach& reach);

signals:
    // A toolbar button, menu entry or page asks for one of the small dialogs.
    void DialogRequested(fluvara::TDialogKind kind);

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
    void ConnectPages();

    std::unique_ptr<Ui::TMainForm> ui;
    TVerificationPage* verificationPage_ = nullptr;
    TDesignPage* designPage_ = nullptr;
    TChannelPage* channelPage_ = nullptr;
    TMainWindowParts parts_;
    QMenu* extrasMenu_ = nullptr;
    TExtras* extras_ = nullptr;
    TPoint sketchCentre_;
    TRect bevelRect_;
    TQtDrawSurface surface_;
    bool shown_ = false;
    std::unique_ptr<TReachListWindow> reachList_;
};

}  // namespace fluvara

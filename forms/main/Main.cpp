#include "Main.h"
#include "Startup.h"
#include "ui_Main.h"

#include "ChannelPage.h"
#include "DesignPage.h"
#include "DialogFrame.h"
#include "Extras.h"
#include "FormStyle.h"
#include "Icons.h"
#include "HeaderLineSetting.h"
#include "ReachListWindow.h"
#include "VerificationPage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTabBar>

namespace fluvara {

namespace {

QFont WindowFont()
{
    QFont font("MS Sans Serif");
    font.setPixelSize(11);
    return font;
}

}  // namespace

TMainForm::TMainForm(const TMainWindowParts& parts, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TMainForm>()), parts_(parts), surface_(WindowFont())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(WindowFont());
    SetBackground(this, SilverColor);
    SetBackground(ui->centralwidget, SilverColor);
    ui->centralwidget->setFixedSize(913, 607);
    setFixedSize(913, 607 + ui->MainMenu1->sizeHint().height());

    SetButtonIcon(ui->SpClipfrageBtn, TIcon::Clipboard);
    SetButtonIcon(ui->HLineBtn, TIcon::HeaderLine);
    SetButtonIcon(ui->AboutBtn, TIcon::Info);
    SetButtonIcon(ui->ExitButton, TIcon::Exit);
    connect(ui->SpClipfrageBtn, &QToolButton::clicked, this, &TMainForm::SpClipfrageBtnClick);
    connect(ui->HLineBtn, &QToolButton::clicked, this, &TMainForm::HLineBtnClick);
    connect(ui->AboutBtn, &QToolButton::clicked, this, &TMainForm::AboutBtnClick);
    connect(ui->ExitButton, &QToolButton::clicked, this, &TMainForm::ExitButtonClick);
    connect(ui->InfoItem, &QAction::triggered, this, &TMainForm::AboutBtnClick);
    connect(ui->ExitItem, &QAction::triggered, this, &TMainForm::ExitButtonClick);
    // Further windows live in their own menu; "&Menü" keeps its two entries.
    QMenu* extras = ui->MainMenu1->findChild<QMenu*>("ExtrasMenu");
    if (!extras) {
        extras = ui->MainMenu1->addMenu("&Extras");
        extras->setObjectName("ExtrasMenu");
    }
    QAction* reachList = extras->addAction("&Haltungsliste…");
    reachList->setObjectName("ReachListItem");
    connect(reachList, &QAction::triggered, this, &TMainForm::ShowReachList);
    extrasMenu_ = extras;

    SetPixelFont(ui->Memo1, "Courier New", 13);
    SetPixelFont(ui->PageControl1, "Arial", 13);
    // Narrow tabs, so that the three captions fit side by side as drawn. Only
    // the tab bar is styled: a style sheet on the page control would stop the
    // pages from inheriting its font.
    ui->PageControl1->tabBar()->setStyleSheet("QTabBar::tab { padding: 3px 1px; }");
    verificationPage_ = new TVerificationPage;
    designPage_ = new TDesignPage;
    channelPage_ = new TChannelPage;
    ui->PageControl1->addTab(verificationPage_, " Kreisprofil Nachw. ");
    ui->PageControl1->addTab(designPage_, " Kreisprofil Bem. ");
    ui->PageControl1->addTab(channelPage_, " Gerinne Bem.  ");
    ui->PageControl1->setCurrentWidget(verificationPage_);
    connect(ui->PageControl1, &QTabWidget::currentChanged, this, &TMainForm::PageChanged);
    for (TCalculationPage* page :
         {static_cast<TCalculationPage*>(verificationPage_), static_cast<TCalculationPage*>(designPage_),
          static_cast<TCalculationPage*>(channelPage_)})
        connect(page, &TCalculationPage::SketchChanged, this, [this, page] {
            if (page == CurrentPage())
                ui->Bevel1->update();
        });
    connect(designPage_, &TDesignPage::DesignTransferred, this,
            [this](const QString& qtText, const QString& isText, const QString& kbText, double D) {
                verificationPage_->TakeOverDesign(qtText, isText, kbText, D);
                ui->PageControl1->setCurrentWidget(verificationPage_);
            });

    // Construction order of the page state: partial flow off, copy and print
    // off, the design page's defaults.
    verificationPage_->InitialState();
    designPage_->InitialState();
    channelPage_->InitialState();

    const QRect bevel = ui->Bevel1->geometry();
    bevelRect_ = TRect{bevel.left(), bevel.top(), bevel.width(), bevel.height()};
    sketchCentre_ = TPoint{bevel.left() + bevel.width() / 2, bevel.top() + bevel.height() / 2};
    ui->Bevel1->SetPaintRoutine([this](QPainter& painter) { FormPaint(painter); });
    ConnectPages();
}

TMainForm::~TMainForm() = default;

TReachListWindow& TMainForm::ReachList()
{
    if (!reachList_)
        reachList_ = MakeReachListWindow(*this, parts_);
    return *reachList_;
}

std::optional<TPageReach> TMainForm::InputsOfPageInFront() const { return CurrentPage()->InputsAsReach(); }

void TMainForm::ShowReachList()
{
    TReachListWindow& list = ReachList();
    list.show();
    list.raise();
    list.activateWindow();
}

bool TMainForm::OpenReachProject(const QString& path)
{
    ShowReachList();
    return ReachList().OpenProject(path);
}

void TMainForm::ReachToPage(const TPageReach& reach)
{
    if (reach.kind == TReachKind::Circle) {
        verificationPage_->TakeOverReach(reach);
        ui->PageControl1->setCurrentWidget(verificationPage_);
    } else {
        channelPage_->TakeOverReach(reach);
        ui->PageControl1->setCurrentWidget(channelPage_);
    }
    raise();
    activateWindow();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (reachList_ && reachList_->isVisible() && !reachList_->close()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        PageChanged(ui->PageControl1->currentIndex());
    }
}

void TMainForm::ConnectPages()
{
    const auto open = [this](TDialogKind kind) { return [this, kind] { emit DialogRequested(kind); }; };
    connect(verificationPage_, &TVerificationPage::KbTableRequested, this, open(TDialogKind::KbTable));
    connect(designPage_, &TDesignPage::KbTableRequested, this, open(TDialogKind::KbTable));
    connect(channelPage_, &TChannelPage::KstTableRequested, this, open(TDialogKind::KstTable));
    connect(verificationPage_, &TVerificationPage::ExplanationsRequested, this, open(TDialogKind::Explanations));
    connect(designPage_, &TDesignPage::ExplanationsRequested, this, open(TDialogKind::Explanations));

    // Each printing page has its own title dialog; clearing the page empties its titles.
    const auto clearTitles = [](TPrintTitleDialog* titles) {
        return [titles] {
            if (titles)
                titles->ClearTitles();
        };
    };
    TResultOutput& output = parts_.output;
    const auto print = [this, &output](TPrintTitleDialog* titles) {
        return [this, &output, titles](const TPrintout& printout) { output.Print(this, titles, printout); };
    };
    connect(verificationPage_, &TVerificationPage::Cleared, this, clearTitles(parts_.verificationTitles));
    connect(channelPage_, &TChannelPage::Cleared, this, clearTitles(parts_.channelTitles));
    connect(verificationPage_, &TVerificationPage::PrintRequested, this, print(parts_.verificationTitles));
    connect(channelPage_, &TChannelPage::PrintRequested, this, print(parts_.channelTitles));
    connect(verificationPage_, &TVerificationPage::CopyRequested, &output, &TResultOutput::Copy);
    connect(channelPage_, &TChannelPage::CopyRequested, &output, &TResultOutput::Copy);
    connect(&output, &TResultOutput::Copied, this, &TMainForm::KeepCopy);

    extras_ = new TExtras(*this, *verificationPage_, parts_.verificationTitles, *channelPage_, parts_.channelTitles,
                          output, parts_.printing, [this] { return ui->PageControl1->currentWidget(); });
    extras_->AddTo(*extrasMenu_);
}

TCalculationPage* TMainForm::CurrentPage() const
{
    return static_cast<TCalculationPage*>(ui->PageControl1->currentWidget());
}

void TMainForm::PageChanged(int) { CurrentPage()->PageShown(); }

void TMainForm::FormPaint(QPainter& painter)
{
    surface_.Begin(&painter);
    CurrentPage()->PaintSketch(surface_, sketchCentre_, bevelRect_);
    surface_.End();
}

const QPlainTextEdit& TMainForm::Memo1() const { return *ui->Memo1; }

void TMainForm::KeepCopy(const QString& text)
{
    ui->Memo1->setPlainText(text);
    ui->Memo1->selectAll();
}

void TMainForm::AboutBtnClick() { emit DialogRequested(TDialogKind::About); }

void TMainForm::ExitButtonClick() { close(); }

void TMainForm::HLineBtnClick() { emit DialogRequested(TDialogKind::HeaderLine); }

void TMainForm::SpClipfrageBtnClick() { emit DialogRequested(TDialogKind::Clipboard); }

}  // namespace fluvara

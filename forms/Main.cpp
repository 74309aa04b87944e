#include "Main.h"
#include "ui_Main.h"

#include "About.h"
#include "ChannelPage.h"
#include "Clipinh.h"
#include "DesignPage.h"
#include "FormStyle.h"
#include "Headline.h"
#include "Icons.h"
#include "VerificationPage.h"
#include "settingsstore.h"

#include <QApplication>
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

} // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TMainForm>()), surface_(WindowFont())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
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

    SetPixelFont(ui->Memo1, "Courier New", 13);
    SetPixelFont(ui->PageControl1, "Arial", 13);
    // Narrow tabs, so that the three captions fit side by side as drawn. Only
    // the tab bar is styled: a style sheet on the page control would stop the
    // pages from inheriting its font.
    ui->PageControl1->tabBar()->setStyleSheet("QTabBar::tab { padding: 3px 1px; }");
    verificationPage_ = new TVerificationPage(*this);
    designPage_ = new TDesignPage(*this);
    channelPage_ = new TChannelPage(*this);
    ui->PageControl1->addTab(verificationPage_, " Kreisprofil Nachw. ");
    ui->PageControl1->addTab(designPage_, " Kreisprofil Bem. ");
    ui->PageControl1->addTab(channelPage_, " Gerinne Bem.  ");
    ui->PageControl1->setCurrentWidget(verificationPage_);
    connect(ui->PageControl1, &QTabWidget::currentChanged, this, &TMainForm::PageChanged);

    // Construction order of the page state: partial flow off, copy and print
    // off, the design page's defaults.
    verificationPage_->InitialState();
    designPage_->InitialState();
    channelPage_->InitialState();

    const QRect bevel = ui->Bevel1->geometry();
    bevelRect_ = TRect{bevel.left(), bevel.top(), bevel.width(), bevel.height()};
    sketchCentre_ = TPoint{bevel.left() + bevel.width() / 2, bevel.top() + bevel.height() / 2};
    ui->Bevel1->SetPaintRoutine([this](QPainter& painter) { FormPaint(painter); });

    headerLine_ = ReadHeaderLine(InitialHeaderLine);
}

TMainForm::~TMainForm() = default;

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        PageChanged(ui->PageControl1->currentIndex());
    }
}

void TMainForm::PageChanged(int index)
{
    QWidget* page = ui->PageControl1->widget(index);
    if (page == verificationPage_)
        verificationPage_->TabSheet1Show();
    else if (page == designPage_)
        designPage_->TabSheet3Show();
    else if (page == channelPage_)
        channelPage_->TabSheet2Show();
}

void TMainForm::FormPaint(QPainter& painter)
{
    surface_.Begin(&painter);
    QWidget* page = ui->PageControl1->currentWidget();
    if (page == verificationPage_ || page == designPage_)
        fluvara::DrawCircleSketch(surface_, circleSketch_, sketchCentre_, bevelRect_);
    else
        fluvara::DrawChannelSketch(surface_, channelSketch_, sketchCentre_, bevelRect_);
    surface_.End();
}

QPlainTextEdit* TMainForm::Memo1() const { return ui->Memo1; }

void TMainForm::DrawCircleSketch() { ui->Bevel1->update(); }

void TMainForm::DrawChannelSketch() { ui->Bevel1->update(); }

void TMainForm::ShowVerificationPage() { ui->PageControl1->setCurrentWidget(verificationPage_); }

void TMainForm::AboutBtnClick()
{
    if (!dialogs_.about)
        return;
    dialogs_.about->FillLabels(QString::fromUtf8(ApplicationTitle));
    dialogs_.about->exec();
}

void TMainForm::ExitButtonClick() { close(); }

void TMainForm::HLineBtnClick()
{
    if (dialogs_.headLine)
        dialogs_.headLine->exec();
}

void TMainForm::SpClipfrageBtnClick()
{
    if (dialogs_.clip)
        dialogs_.clip->exec();
}

} // namespace fluvara

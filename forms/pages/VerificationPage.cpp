#include "VerificationPage.h"
#include "ui_VerificationPage.h"

#include "FormStyle.h"
#include "Icons.h"
#include "InputField.h"

#include "circleprintout.h"
#include "clipboardtext.h"
#include "textformat.h"

#include <QKeyEvent>

namespace fluvara {

namespace {
constexpr int FieldMaxChars = 6;
}  // namespace

TVerificationPage::TVerificationPage(QWidget* parent)
    : TCalculationPage(parent), ui(std::make_unique<Ui::TVerificationPage>())
{
    ui->setupUi(this);
    SetBackground(this, SilverColor);
    SetCheckBoxStyle(ui->CBox95, 11);
    for (QLabel* label : {ui->DNLabel, ui->kbLabel, ui->IeLabel, ui->QtLabel})
        SetBackground(label, PaleYellowColor);
    for (QLabel* label : {ui->QvLabel, ui->VvLabel, ui->QtvLabel, ui->FhLabel, ui->htvLabel, ui->VtLabel})
        SetBackground(label, YellowColor);
    SetTextColor(ui->ErrLabel, ErrorRedColor);
    for (QLineEdit* field : {ui->DNEdit, ui->kbEdit, ui->IeEdit, ui->QtEdit}) {
        LimitTyping(field, FieldMaxChars);
        field->installEventFilter(this);
    }

    SetButtonIcon(ui->RadierBtn1, TIcon::Eraser);
    SetButtonIcon(ui->SpeedButton1, TIcon::Table);
    SetButtonIcon(ui->NClipBtn, TIcon::Copy);
    SetButtonIcon(ui->NDruSBtn, TIcon::Printer);
    SetButtonIcon(ui->TheoSBtn, TIcon::Book);

    connect(ui->OKBtn1, &QPushButton::clicked, this, &TVerificationPage::OKBtn1Click);
    connect(ui->OKBtn2, &QPushButton::clicked, this, &TVerificationPage::OKBtn2Click);
    connect(ui->RadierBtn1, &QToolButton::clicked, this, &TVerificationPage::RadiBtn1Click);
    connect(ui->SpeedButton1, &QToolButton::clicked, this, &TVerificationPage::SpeedButton1Click);
    connect(ui->TheoSBtn, &QToolButton::clicked, this, &TVerificationPage::TheoSBtnClick);
    connect(ui->NClipBtn, &QToolButton::clicked, this, &TVerificationPage::NClipBtnClick);
    connect(ui->NDruSBtn, &QToolButton::clicked, this, &TVerificationPage::DruckBtnClick);
}

TVerificationPage::~TVerificationPage() = default;

void TVerificationPage::InitialState()
{
    ui->OKBtn2->setEnabled(false);
    ui->NClipBtn->setEnabled(false);
    ui->NDruSBtn->setEnabled(false);
    ui->CBox95->setChecked(false);
}

bool TVerificationPage::eventFilter(QObject* watched, QEvent* event)
{
    if (IsEnterKey(event)) {
        if (watched == ui->DNEdit) {
            ui->kbEdit->setFocus();
            return true;
        }
        if (watched == ui->kbEdit) {
            ui->IeEdit->setFocus();
            return true;
        }
        if (watched == ui->IeEdit) {
            ui->DNEdit->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TVerificationPage::ShowError(const TRunFailure& failure)
{
    QLineEdit* const edits[] = {ui->DNEdit, ui->kbEdit, ui->IeEdit, ui->QtEdit};
    ui->ErrLabel->setText(FromUtf8(failure.message));
    edits[failure.field]->setFocus();
}

void TVerificationPage::ShowPipe()
{
    pipeInUse_ = true;
    emit SketchChanged();
    emit PipeChanged();
}

TCircleSketch TVerificationPage::LastPipe() const
{
    if (partial_)
        return partial_->sketch;
    return full_ ? full_->sketch : TCircleSketch{};
}

TCircleSketch TVerificationPage::Sketch() const { return pipeInUse_ ? LastPipe() : TCircleSketch{}; }

void TVerificationPage::PaintSketch(TDrawSurface& surface, TPoint centre, TRect bevel) const
{
    DrawCircleSketch(surface, Sketch(), centre, bevel);
}

TResultLines TVerificationPage::ResultLines() const
{
    if (!full_)
        return noRunLines_;
    // a partial-flow run is always one in the pipe of the last full-flow run
    return partial_ ? CircleResultLines(*full_, *partial_) : CircleResultLines(*full_);
}

void TVerificationPage::OKBtn1Click()
{
    ui->ErrLabel->setText(" ");
    TFullFlowRun run = RunFullFlow(
        TFullFlowInput{FieldText(ui->DNEdit), FieldText(ui->kbEdit), FieldText(ui->IeEdit), ui->CBox95->isChecked()});
    if (!run.checks.Passed()) {
        ui->OKBtn2->setEnabled(false);
        ShowError(run.checks.First());
        return;
    }
    full_ = std::move(run);
    partial_.reset();
    const TFullFlowLabels& labels = full_->labels;
    ui->QvLabel->setText(FromUtf8(labels.Qv));
    ui->VvLabel->setText(FromUtf8(labels.vv));
    ui->DNLabel->setText(FromUtf8(labels.d));
    ui->kbLabel->setText(FromUtf8(labels.kb));
    ui->IeLabel->setText(FromUtf8(labels.Is));
    // Partial results of another pipe must not stay beside the new ones, also
    // when the last partial discharge typed was rejected.
    for (QLabel* label : {ui->VtLabel, ui->FhLabel, ui->QtLabel, ui->QtvLabel, ui->htvLabel})
        label->clear();
    ui->OKBtn2->setEnabled(true);

    ShowPipe();
    ui->NClipBtn->setEnabled(true);
    ui->NDruSBtn->setEnabled(true);
}

void TVerificationPage::OKBtn2Click()
{
    ui->ErrLabel->setText(" ");
    // After the clear button or a transfer from the design page there is no
    // pipe to fill until the next full-flow run.
    TPartialFlowRun run = RunPartialFlow(pipeInUse_ && full_ ? &*full_ : nullptr, FieldText(ui->QtEdit));
    if (!run.checks.Passed()) {
        ShowError(run.checks.First());
        return;
    }
    partial_ = std::move(run);
    const TPartialFlowLabels& labels = partial_->labels;
    ui->VtLabel->setText(FromUtf8(labels.vt));
    ui->FhLabel->setText(FromUtf8(labels.h));
    ui->QtLabel->setText(FromUtf8(labels.Qt));
    ui->QtvLabel->setText(FromUtf8(labels.qq));
    ui->htvLabel->setText(FromUtf8(labels.hd));
    ShowPipe();
}

void TVerificationPage::RadiBtn1Click()
{
    for (QLineEdit* field : {ui->DNEdit, ui->IeEdit, ui->kbEdit})
        field->clear();
    for (QLabel* label : {ui->DNLabel, ui->IeLabel, ui->kbLabel, ui->QvLabel, ui->VvLabel})
        label->clear();
    ui->QtEdit->clear();
    for (QLabel* label : {ui->QtLabel, ui->QtvLabel, ui->FhLabel, ui->htvLabel, ui->VtLabel, ui->ErrLabel})
        label->clear();
    full_.reset();
    partial_.reset();
    noRunLines_.Clear(0, CircleResultLineCount - 1);
    ui->NClipBtn->setEnabled(false);
    ui->CBox95->setChecked(false);
    emit Cleared();
    ui->NDruSBtn->setEnabled(false);

    ForgetPipe();
}

void TVerificationPage::TabSheet1Show()
{
    emit SketchChanged();
    ui->DNEdit->setFocus();
}

void TVerificationPage::TakeOverDesign(const QString& qtText, const QString& isText, const QString& kbText, double D)
{
    ui->QtEdit->setText(qtText);
    ui->IeEdit->setText(isText);
    ui->kbEdit->setText(kbText);
    ui->DNEdit->setText(FromUtf8(Fmt("%-.1f", D)));
    for (QLabel* label : {ui->DNLabel, ui->IeLabel, ui->kbLabel, ui->QvLabel, ui->VvLabel, ui->QtLabel, ui->QtvLabel,
                          ui->FhLabel, ui->htvLabel, ui->VtLabel})
        label->clear();
    ui->CBox95->setChecked(false);
    ForgetPipe();
}

void TVerificationPage::ForgetPipe()
{
    pipeInUse_ = false;
    emit SketchChanged();
    emit PipeChanged();
}

std::optional<TFullFlowPipe> TVerificationPage::FullFlowPipe() const
{
    if (!pipeInUse_ || !full_)
        return std::nullopt;
    return TFullFlowPipe{full_->flow.dc, full_->flow.Qv, full_->flow.vv};
}

std::optional<TPartialFlowMark> TVerificationPage::PartialFlow() const
{
    if (!pipeInUse_ || !partial_)
        return std::nullopt;
    return TPartialFlowMark{partial_->Qt, partial_->flow};
}

void TVerificationPage::NClipBtnClick() { emit CopyRequested(CircleClipboardText(ResultLines())); }

TPrintout TVerificationPage::Printout() const { return CirclePrintout(LastPipe(), ResultLines()); }

std::optional<TPrintout> TVerificationPage::Report() const
{
    return ui->NDruSBtn->isEnabled() ? std::optional<TPrintout>(Printout()) : std::nullopt;
}

void TVerificationPage::DruckBtnClick() { emit PrintRequested(Printout()); }

void TVerificationPage::SpeedButton1Click() { emit KbTableRequested(); }

void TVerificationPage::TheoSBtnClick() { emit ExplanationsRequested(); }

}  // namespace fluvara

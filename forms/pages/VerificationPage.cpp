#include "VerificationPage.h"
#include "ui_VerificationPage.h"

#include "FormStyle.h"
#include "Icons.h"
#include "InputField.h"

#include "calcerror.h"
#include "circle.h"
#include "circleprintout.h"
#include "clipboardtext.h"
#include "numbercheck.h"
#include "textformat.h"

#include <QKeyEvent>

namespace fluvara {

namespace {
constexpr int FieldMaxChars = 6;
const char* const NoFullFlowMessage = "Bitte zuerst die Vollfüllung berechnen";
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

void TVerificationPage::ShowError(const QString& message, QWidget* field)
{
    ui->ErrLabel->setText(message);
    field->setFocus();
}

void TVerificationPage::ShowPipe(int full)
{
    pipe_.Full = full;
    pipe_.LabelsOnly = 0;
    pipeInUse_ = true;
    emit SketchChanged();
    emit PipeChanged();
}

TCircleSketch TVerificationPage::Sketch() const { return pipeInUse_ ? pipe_ : TCircleSketch{}; }

void TVerificationPage::PaintSketch(TDrawSurface& surface, TPoint centre, TRect bevel) const
{
    DrawCircleSketch(surface, Sketch(), centre, bevel);
}

void TVerificationPage::OKBtn1Click()
{
    ui->ErrLabel->setText(" ");
    const TNumberField fields[] = {ReadNumberField(FieldText(ui->DNEdit)), ReadNumberField(FieldText(ui->kbEdit)),
                                   ReadNumberField(FieldText(ui->IeEdit))};
    QLineEdit* const edits[] = {ui->DNEdit, ui->kbEdit, ui->IeEdit};
    if (const auto failure = ValidateFields(fields, VerificationFieldRules())) {
        ui->OKBtn2->setEnabled(false);
        ShowError(FromUtf8(failure->message), edits[failure->index]);
        return;
    }
    const double dEntered = fields[0].value;
    const double kb = fields[1].value;
    const double Is = fields[2].value;
    TCircleFullFlow full;
    try {
        full = CircleFullFlow(dEntered, kb, Is, ui->CBox95->isChecked());
    } catch (const CalculationError& e) {
        ui->OKBtn2->setEnabled(false);
        ShowError(QString::fromUtf8(e.what()), ui->DNEdit);
        return;
    }
    Qv_ = full.Qv;
    vv_ = full.vv;

    ui->QvLabel->setText(FromUtf8(Fmt("%4.2f ", Qv_)));
    ui->VvLabel->setText(FromUtf8(Fmt("%4.2f ", vv_)));
    ui->DNLabel->setText(FromUtf8(ui->CBox95->isChecked() ? Fmt("%.2f ", full.dc) : Fmt("%s ", fields[0].working)));
    ui->kbLabel->setText(FromUtf8(Fmt("%s ", fields[1].working)));
    ui->IeLabel->setText(FromUtf8(Fmt("%s ", fields[2].working)));
    // Partial results of another pipe must not stay beside the new ones, also
    // when the last partial discharge typed was rejected.
    for (QLabel* label : {ui->VtLabel, ui->FhLabel, ui->QtLabel, ui->QtvLabel, ui->htvLabel})
        label->clear();
    ui->OKBtn2->setEnabled(true);

    pipe_.d = full.dc;
    pipe_.h = full.hFull;
    partial_.reset();
    ShowPipe(1);
    WriteCircleFullFlowLines(lines_, dEntered, pipe_.d, kb, Is, Qv_, vv_);
    ui->NClipBtn->setEnabled(true);
    ui->NDruSBtn->setEnabled(true);
}

void TVerificationPage::OKBtn2Click()
{
    ui->ErrLabel->setText(" ");
    const TNumberField field = ReadNumberField(FieldText(ui->QtEdit));
    const double Qt = field.value;
    // After the clear button or a transfer from the design page there is no
    // pipe to fill until the next full-flow run.
    if (!pipeInUse_) {
        ShowError(QString::fromUtf8(NoFullFlowMessage), ui->DNEdit);
        return;
    }
    if (const auto message = FieldError(field, PartialDischargeRule(Qv_))) {
        ShowError(FromUtf8(*message), ui->QtEdit);
        return;
    }
    TCirclePartialFlow partial;
    try {
        partial = CirclePartialFlow(pipe_.d, Qv_, vv_, Qt);
    } catch (const CalculationError& e) {
        ShowError(QString::fromUtf8(e.what()), ui->QtEdit);
        return;
    }
    ui->VtLabel->setText(FromUtf8(Fmt("%4.2f ", partial.vt)));
    ui->FhLabel->setText(FromUtf8(Fmt("%4.1f ", partial.h)));
    ui->QtLabel->setText(FromUtf8(Fmt("%s ", field.working)));
    ui->QtvLabel->setText(FromUtf8(Fmt("%4.1f ", partial.qq)));
    ui->htvLabel->setText(FromUtf8(Fmt("%4.1f ", partial.hd)));

    pipe_.h = partial.h;
    partial_ = TPartialFlowMark{Qt, partial};
    ShowPipe(0);
    WriteCirclePartialFlowLines(lines_, Qt, partial.h, partial.hd, partial.qq, partial.vt);
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
    lines_.Clear(0, CircleResultLineCount - 1);
    ui->NClipBtn->setEnabled(false);
    ui->CBox95->setChecked(false);
    emit Cleared();
    ui->NDruSBtn->setEnabled(false);

    pipe_ = TCircleSketch{};
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
    partial_.reset();
    emit SketchChanged();
    emit PipeChanged();
}

std::optional<TFullFlowPipe> TVerificationPage::FullFlowPipe() const
{
    if (!pipeInUse_)
        return std::nullopt;
    return TFullFlowPipe{pipe_.d, Qv_, vv_};
}

void TVerificationPage::NClipBtnClick() { emit CopyRequested(CircleClipboardText(lines_)); }

TPrintout TVerificationPage::Printout() const { return CirclePrintout(pipe_, lines_); }

std::optional<TPrintout> TVerificationPage::Report() const
{
    return ui->NDruSBtn->isEnabled() ? std::optional<TPrintout>(Printout()) : std::nullopt;
}

void TVerificationPage::DruckBtnClick() { emit PrintRequested(Printout()); }

void TVerificationPage::SpeedButton1Click() { emit KbTableRequested(); }

void TVerificationPage::TheoSBtnClick() { emit ExplanationsRequested(); }

}  // namespace fluvara

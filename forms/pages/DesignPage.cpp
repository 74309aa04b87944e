#include "DesignPage.h"
#include "ui_DesignPage.h"

#include "FormStyle.h"
#include "Icons.h"
#include "InputField.h"

#include "calcerror.h"
#include "circle.h"
#include "numbercheck.h"
#include "textformat.h"

namespace fluvara {

namespace {
constexpr int FieldMaxChars = 6;
const char* const DefaultFilling = "82,7";
}  // namespace

TDesignPage::TDesignPage(QWidget* parent) : TCalculationPage(parent), ui(std::make_unique<Ui::TDesignPage>())
{
    ui->setupUi(this);
    SetBackground(this, SilverColor);
    SetCheckBoxStyle(ui->CBox0_9, 11);
    for (QLabel* label : {ui->BQtLabel, ui->BhdLabel, ui->BkbLabel, ui->BIeLabel})
        SetBackground(label, PaleYellowColor);
    for (QLabel* label : {ui->BDNLabel, ui->BFhLabel, ui->BVtLabel, ui->BQvLabel, ui->BVvLabel, ui->BVQLabel})
        SetBackground(label, YellowColor);
    SetTextColor(ui->BErrLabel, ErrorRedColor);
    for (QLineEdit* field : {ui->BQtEdit, ui->BhdEdit, ui->BkbEdit, ui->BIeEdit}) {
        LimitTyping(field, FieldMaxChars);
        field->installEventFilter(this);
    }

    SetButtonIcon(ui->RadiBtn2, TIcon::Eraser);
    SetButtonIcon(ui->SpeedButton2, TIcon::Table);
    SetButtonIcon(ui->NachBemBtn, TIcon::Transfer);
    SetButtonIcon(ui->TheoSBtn2, TIcon::Book);

    connect(ui->BemTeilBtn, &QPushButton::clicked, this, &TDesignPage::BemTeilBtnClick);
    connect(ui->RadiBtn2, &QToolButton::clicked, this, &TDesignPage::RadiBtn2Click);
    connect(ui->NachBemBtn, &QToolButton::clicked, this, &TDesignPage::NachBemBtnClick);
    connect(ui->SpeedButton2, &QToolButton::clicked, this, &TDesignPage::SpeedButton2Click);
    connect(ui->TheoSBtn2, &QToolButton::clicked, this, &TDesignPage::TheoSBtnClick);
}

TDesignPage::~TDesignPage() = default;

void TDesignPage::InitialState()
{
    ui->CBox0_9->setChecked(true);
    ui->BhdEdit->setText(DefaultFilling);
    ui->NachBemBtn->setEnabled(false);
}

bool TDesignPage::eventFilter(QObject* watched, QEvent* event)
{
    if (IsEnterKey(event)) {
        QWidget* next = nullptr;
        if (watched == ui->BQtEdit)
            next = ui->BhdEdit;
        else if (watched == ui->BhdEdit)
            next = ui->BkbEdit;
        else if (watched == ui->BkbEdit)
            next = ui->BIeEdit;
        else if (watched == ui->BIeEdit)
            next = ui->BQtEdit;
        if (next) {
            next->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TDesignPage::BemTeilBtnClick()
{
    ui->BErrLabel->setText(" ");
    const TNumberField fields[] = {ReadNumberField(FieldText(ui->BQtEdit)), ReadNumberField(FieldText(ui->BhdEdit)),
                                   ReadNumberField(FieldText(ui->BkbEdit)), ReadNumberField(FieldText(ui->BIeEdit))};
    QLineEdit* const edits[] = {ui->BQtEdit, ui->BhdEdit, ui->BkbEdit, ui->BIeEdit};
    if (const auto failure = ValidateFields(fields, DesignFieldRules())) {
        ui->BErrLabel->setText(FromUtf8(failure->message));
        edits[failure->index]->setFocus();
        return;
    }
    const bool use09 = ui->CBox0_9->isChecked();
    TCircleDesign design;
    try {
        design = CircleDesign(fields[0].value, fields[1].value, fields[2].value, fields[3].value, use09);
    } catch (const CalculationError& e) {
        ui->BErrLabel->setText(QString::fromUtf8(e.what()));
        ui->BQtEdit->setFocus();
        return;
    }
    ui->BQtLabel->setText(FromUtf8(use09 ? Fmt("%.2f ", design.Qbem) : Fmt("%s ", fields[0].working)));
    ui->BhdLabel->setText(FromUtf8(Fmt("%s ", fields[1].working)));
    ui->BkbLabel->setText(FromUtf8(Fmt("%s ", fields[2].working)));
    ui->BIeLabel->setText(FromUtf8(Fmt("%s ", fields[3].working)));

    ui->BDNLabel->setText(FromUtf8(Fmt("%6.1f ", design.D)));
    ui->BFhLabel->setText(FromUtf8(Fmt("%6.1f ", design.h)));
    ui->BQvLabel->setText(FromUtf8(Fmt("%6.1f ", design.Qv)));
    ui->BVvLabel->setText(FromUtf8(Fmt("%6.2f ", design.vv)));
    ui->BVtLabel->setText(FromUtf8(Fmt("%6.2f ", design.vt)));
    ui->BVQLabel->setText(FromUtf8(Fmt("%6.1f ", design.qq)));

    // a design result is a partial filling
    sketch_ = TCircleSketch{.d = design.D, .h = design.h, .LabelsOnly = 0, .Full = 0};
    emit SketchChanged();
    ui->NachBemBtn->setEnabled(true);
}

void TDesignPage::RadiBtn2Click()
{
    for (QLineEdit* field : {ui->BQtEdit, ui->BhdEdit, ui->BIeEdit, ui->BkbEdit})
        field->clear();
    for (QLabel* label : {ui->BQtLabel, ui->BhdLabel, ui->BIeLabel, ui->BkbLabel, ui->BDNLabel, ui->BFhLabel,
                          ui->BQvLabel, ui->BVvLabel, ui->BVtLabel, ui->BVQLabel, ui->BErrLabel})
        label->clear();
    ui->CBox0_9->setChecked(true);
    ui->BhdEdit->setText(DefaultFilling);

    sketch_ = TCircleSketch{};
    emit SketchChanged();
    ui->NachBemBtn->setEnabled(false);
}

void TDesignPage::TabSheet3Show()
{
    emit SketchChanged();
    ui->BQtEdit->setFocus();
    if (sketch_.LabelsOnly)
        ui->NachBemBtn->setEnabled(false);
}

void TDesignPage::PaintSketch(TDrawSurface& surface, TPoint centre, TRect bevel) const
{
    DrawCircleSketch(surface, sketch_, centre, bevel);
}

void TDesignPage::NachBemBtnClick()
{
    // The existing discharge as typed, not Q,bem, becomes the partial discharge.
    emit DesignTransferred(ui->BQtEdit->text(), ui->BIeEdit->text(), ui->BkbEdit->text(), sketch_.d);
}

void TDesignPage::SpeedButton2Click() { emit KbTableRequested(); }

void TDesignPage::TheoSBtnClick() { emit ExplanationsRequested(); }

}  // namespace fluvara

#include "DesignPage.h"
#include "ui_DesignPage.h"

#include "FormStyle.h"
#include "Icons.h"
#include "InputField.h"

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
    TDesignRun run = RunDesign(TDesignInput{FieldText(ui->BQtEdit), FieldText(ui->BhdEdit), FieldText(ui->BkbEdit),
                                            FieldText(ui->BIeEdit), ui->CBox0_9->isChecked()});
    if (!run.checks.Passed()) {
        QLineEdit* const edits[] = {ui->BQtEdit, ui->BhdEdit, ui->BkbEdit, ui->BIeEdit};
        ui->BErrLabel->setText(FromUtf8(run.checks.First().message));
        edits[run.checks.First().field]->setFocus();
        return;
    }
    run_ = std::move(run);
    const TDesignLabels& labels = run_->labels;
    ui->BQtLabel->setText(FromUtf8(labels.Q));
    ui->BhdLabel->setText(FromUtf8(labels.hd));
    ui->BkbLabel->setText(FromUtf8(labels.kb));
    ui->BIeLabel->setText(FromUtf8(labels.Is));

    ui->BDNLabel->setText(FromUtf8(labels.D));
    ui->BFhLabel->setText(FromUtf8(labels.h));
    ui->BQvLabel->setText(FromUtf8(labels.Qv));
    ui->BVvLabel->setText(FromUtf8(labels.vv));
    ui->BVtLabel->setText(FromUtf8(labels.vt));
    ui->BVQLabel->setText(FromUtf8(labels.qq));

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

    run_.reset();
    emit SketchChanged();
    ui->NachBemBtn->setEnabled(false);
}

void TDesignPage::TabSheet3Show()
{
    emit SketchChanged();
    ui->BQtEdit->setFocus();
    if (!run_)
        ui->NachBemBtn->setEnabled(false);
}

const TCircleSketch& TDesignPage::Sketch() const
{
    static const TCircleSketch placeholder;
    return run_ ? run_->sketch : placeholder;
}

void TDesignPage::PaintSketch(TDrawSurface& surface, TPoint centre, TRect bevel) const
{
    DrawCircleSketch(surface, Sketch(), centre, bevel);
}

void TDesignPage::NachBemBtnClick()
{
    // The existing discharge as typed, not Q,bem, becomes the partial discharge.
    emit DesignTransferred(ui->BQtEdit->text(), ui->BIeEdit->text(), ui->BkbEdit->text(), run_ ? run_->design.D : 0.0);
}

void TDesignPage::SpeedButton2Click() { emit KbTableRequested(); }

void TDesignPage::TheoSBtnClick() { emit ExplanationsRequested(); }

}  // namespace fluvara

#include "ChannelPage.h"
#include "ui_ChannelPage.h"

#include "FormStyle.h"
#include "Icons.h"
#include "InputField.h"

#include "channel.h"
#include "channelprintout.h"
#include "clipboardtext.h"

#include <QButtonGroup>
#include <QFont>
#include <QFontMetrics>

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

namespace fluvara {

namespace {

// Every field, the two kst bank fields included, takes at most six typed
// characters; the number check reads the whole text whatever its length.
constexpr int FieldMaxChars = 6;
const QColor FieldWhiteColor(255, 255, 255);
const QColor RegimeGreenColor(0, 128, 0);

// On the main window's screen, in the face the channel sketch leaves there.
int ScreenTextWidth(std::string_view text)
{
    QFont font("Arial");
    font.setPixelSize(11);
    return QFontMetrics(font).horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace

TChannelPage::TChannelPage(QWidget* parent) : TCalculationPage(parent), ui(std::make_unique<Ui::TChannelPage>())
{
    ui->setupUi(this);
    SetBackground(this, SilverColor);
    SetPixelFont(this, "Arial", 13);
    // Auto-exclusive radio buttons would form one group with the buttons of
    // Panel2, which Qt counts as siblings; each bank gets its own group.
    for (auto [angle, slope] : {std::pair{ui->RadioBtnGa, ui->RadioBtnGBS}, {ui->RadioBtnGbeta, ui->RadioBtnGBS2}}) {
        auto* group = new QButtonGroup(this);
        group->addButton(angle);
        group->addButton(slope);
    }
    for (QLabel* power : {ui->GkstSPower, ui->GkstUPower, ui->GkstU2Power})
        SetPixelHeight(power, 9);
    for (QLabel* label : {ui->GQLabel, ui->GIeLabel, ui->GkstDLabel, ui->GbLabel, ui->GhLabel, ui->GaLabel,
                          ui->GBSLabel, ui->GbetaLabel, ui->GBS2Label})
        SetBackground(label, PaleYellowColor);
    for (QLabel* label : {ui->GFtLabel, ui->GhgrLabel, ui->GvLabel, ui->GvgrLabel, ui->GAbfLabel})
        SetBackground(label, YellowColor);
    SetBold(ui->GFtLabel);
    SetBold(ui->GAbfLabel);
    SetTextColor(ui->GAbfLabel, RegimeGreenColor);
    SetTextColor(ui->GErrLabel, ErrorRedColor);
    for (QLineEdit* field : InputFields()) {
        LimitTyping(field, FieldMaxChars);
        SetFieldColor(field, FieldWhiteColor);
        field->installEventFilter(this);
    }

    SetButtonIcon(ui->RadiBtn3, TIcon::Eraser);
    SetButtonIcon(ui->SpeedButton3, TIcon::Table);
    SetButtonIcon(ui->GClipBtn, TIcon::Copy);
    SetButtonIcon(ui->GDruSBtn, TIcon::Printer);

    connect(ui->GFtBtn, &QPushButton::clicked, this, &TChannelPage::GFtBtnClick);
    connect(ui->RadiBtn3, &QToolButton::clicked, this, &TChannelPage::RadiBtn3Click);
    connect(ui->SpeedButton3, &QToolButton::clicked, this, &TChannelPage::SpeedButton3Click);
    connect(ui->GClipBtn, &QToolButton::clicked, this, &TChannelPage::GClipBtnClick);
    connect(ui->GDruSBtn, &QToolButton::clicked, this, &TChannelPage::GDruSBtnClick);
    // A radio button acts when it becomes selected, by mouse or by arrow key.
    const auto onSelect = [this](QRadioButton* button, void (TChannelPage::*handler)()) {
        connect(button, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked)
                (this->*handler)();
        });
    };
    onSelect(ui->RadioBtnGa, &TChannelPage::RadioBtnGaClick);
    onSelect(ui->RadioBtnGBS, &TChannelPage::RadioBtnGBSClick);
    onSelect(ui->RadioBtnGbeta, &TChannelPage::RadioBtnGbetaClick);
    onSelect(ui->RadioBtnGBS2, &TChannelPage::RadioBtnGBS2Click);
}

TChannelPage::~TChannelPage() = default;

void TChannelPage::InitialState()
{
    ui->RadioBtnGa->setChecked(true);
    ui->RadioBtnGbeta->setChecked(true);
    ui->GBSEdit->setEnabled(false);
    SetFieldColor(ui->GBSEdit, FieldGreyColor);
    ui->GaEdit->setEnabled(true);
    ui->GBS2Edit->setEnabled(false);
    SetFieldColor(ui->GBS2Edit, FieldGreyColor);
    ui->GbetaEdit->setEnabled(true);
    ui->GClipBtn->setEnabled(false);
    ui->GDruSBtn->setEnabled(false);
}

void TChannelPage::TabSheet2Show()
{
    emit SketchChanged();
    ui->GQEdit->setFocus();
}

void TChannelPage::PaintSketch(TDrawSurface& surface, TPoint centre, TRect bevel) const
{
    DrawChannelSketch(surface, Sketch(), centre, bevel);
}

bool TChannelPage::eventFilter(QObject* watched, QEvent* event)
{
    if (IsEnterKey(event)) {
        // Tab order of the fields; Enter goes to the next enabled one, and
        // from the right bank back to the discharge. It never calculates.
        const auto chain = InputFields();
        const auto at = std::find(std::begin(chain), std::end(chain), watched);
        if (at != std::end(chain)) {
            QLineEdit* next = ui->GQEdit;
            if (watched != ui->GbetaEdit && watched != ui->GBS2Edit) {
                const auto enabled = std::find_if(std::next(at), std::end(chain),
                                                  [](const QLineEdit* field) { return field->isEnabled(); });
                if (enabled != std::end(chain))
                    next = *enabled;
            }
            next->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TChannelPage::ShowError(const QString& message, QWidget* field)
{
    ui->GErrLabel->setText(message);
    field->setFocus();
}

std::array<QLineEdit*, ChannelRunFieldCount> TChannelPage::InputFields() const
{
    return {ui->GQEdit, ui->GIeEdit, ui->GkstSEdit, ui->GkstUEdit, ui->GkstU2Edit, ui->GbEdit,
            ui->GhEdit, ui->GaEdit,  ui->GBSEdit,   ui->GbetaEdit, ui->GBS2Edit};
}

TChannelPageTexts TChannelPage::FieldTexts() const
{
    return TChannelPageTexts{.Q = FieldText(ui->GQEdit),
                             .Is = FieldText(ui->GIeEdit),
                             .kstBottom = FieldText(ui->GkstSEdit),
                             .kstLeft = FieldText(ui->GkstUEdit),
                             .kstRight = FieldText(ui->GkstU2Edit),
                             .b = FieldText(ui->GbEdit),
                             .hp = FieldText(ui->GhEdit),
                             .leftForm = ui->RadioBtnGa->isChecked() ? TBankForm::ByAngle : TBankForm::BySlope,
                             .leftAngle = FieldText(ui->GaEdit),
                             .leftSlope = FieldText(ui->GBSEdit),
                             .rightForm = ui->RadioBtnGbeta->isChecked() ? TBankForm::ByAngle : TBankForm::BySlope,
                             .rightAngle = FieldText(ui->GbetaEdit),
                             .rightSlope = FieldText(ui->GBS2Edit)};
}

void TChannelPage::ClearUnusedBankFields(const TChannelRun& run)
{
    // The page reads a bank once every field before it has passed.
    const bool rightFailsFirst = !run.Passed() && run.checks.First().field >= ChannelRunRightAngle;
    if (run.fieldsPassed || rightFailsFirst)
        (ui->RadioBtnGa->isChecked() ? ui->GBSEdit : ui->GaEdit)->clear();
    if (run.fieldsPassed)
        (ui->RadioBtnGbeta->isChecked() ? ui->GBS2Edit : ui->GbetaEdit)->clear();
}

void TChannelPage::GFtBtnClick()
{
    ui->GErrLabel->setText(" ");
    TChannelRun run = RunChannel(FieldTexts());
    ClearUnusedBankFields(run);
    if (!run.Passed()) {
        // A rejected run leaves the last result on the page.
        const int field = run.checks.First().field;
        ShowError(FromUtf8(run.checks.First().message),
                  field >= 0 && field < ChannelRunFieldCount ? InputFields()[field] : ui->GQEdit);
        return;
    }
    run_ = std::move(run);
    runState_ = TRunState::Shown;
    ShowRun();
}

void TChannelPage::ShowRun()
{
    const TChannelLabelTexts& labels = run_->labels;
    const std::pair<QLabel*, const std::string*> shown[] = {{ui->GFtLabel, &labels.h},
                                                            {ui->GvLabel, &labels.v},
                                                            {ui->GkstDLabel, &labels.kstMean},
                                                            {ui->GIeLabel, &labels.Is},
                                                            {ui->GQLabel, &labels.Q},
                                                            {ui->GbLabel, &labels.b},
                                                            {ui->GhLabel, &labels.hp},
                                                            {ui->GaLabel, &labels.leftAngle},
                                                            {ui->GBSLabel, &labels.leftSlope},
                                                            {ui->GbetaLabel, &labels.rightAngle},
                                                            {ui->GBS2Label, &labels.rightSlope},
                                                            {ui->GhgrLabel, &labels.hgr},
                                                            {ui->GvgrLabel, &labels.vgr},
                                                            {ui->GAbfLabel, &labels.regime}};
    for (const auto& [label, text] : shown)
        label->setText(FromUtf8(*text));
    emit SketchChanged();
    ui->GClipBtn->setEnabled(true);
    ui->GDruSBtn->setEnabled(true);
    emit RunChanged();
}

void TChannelPage::WithdrawRun(TRunState state)
{
    for (QLabel* label : {ui->GkstDLabel, ui->GIeLabel, ui->GQLabel, ui->GbLabel, ui->GhLabel, ui->GaLabel,
                          ui->GBSLabel, ui->GbetaLabel, ui->GBS2Label, ui->GFtLabel, ui->GvLabel, ui->GhgrLabel,
                          ui->GvgrLabel, ui->GAbfLabel, ui->GErrLabel})
        label->clear();
    // Nothing to copy or print until the next calculation.
    ui->GDruSBtn->setEnabled(false);
    ui->GClipBtn->setEnabled(false);
    runState_ = state;
    emit SketchChanged();
    emit RunChanged();
}

void TChannelPage::RadiBtn3Click()
{
    for (QLineEdit* field : InputFields())
        field->clear();
    WithdrawRun(TRunState::Cleared);
    emit Cleared();
}

void TChannelPage::SpeedButton3Click() { emit KstTableRequested(); }

void TChannelPage::GClipBtnClick() { emit CopyRequested(ChannelClipboardText(ResultLines())); }

void TChannelPage::GDruSBtnClick() { emit PrintRequested(ChannelPrintout(Sketch(), ResultLines(), ScreenTextWidth)); }

std::optional<TChannelRun> TChannelPage::Run() const
{
    if (runState_ != TRunState::Shown)
        return std::nullopt;
    return run_;
}

TChannelSketch TChannelPage::Sketch() const
{
    TChannelSketch sketch = run_ ? run_->sketch : TChannelSketch{};
    if (runState_ != TRunState::Shown)
        sketch.LabelsOnly = 1;
    return sketch;
}

TResultLines TChannelPage::ResultLines() const
{
    TResultLines lines = run_ ? run_->lines : MakeChannelResultLines();
    // The next calculation rewrites all lines before anything reads them.
    if (runState_ == TRunState::Cleared)
        lines.Clear(0, 19);
    return lines;
}

std::optional<TPrintout> TChannelPage::Report() const
{
    if (!Run())
        return std::nullopt;
    return ChannelPrintout(Sketch(), ResultLines(), ScreenTextWidth);
}

void TChannelPage::UseField(QLineEdit* used, QLineEdit* unused)
{
    used->setEnabled(true);
    SetFieldColor(used, FieldWhiteColor);
    used->setFocus();
    unused->setEnabled(false);
    SetFieldColor(unused, FieldGreyColor);
    unused->clear();
}

void TChannelPage::RadioBtnGaClick() { UseField(ui->GaEdit, ui->GBSEdit); }

void TChannelPage::RadioBtnGBSClick() { UseField(ui->GBSEdit, ui->GaEdit); }

void TChannelPage::RadioBtnGbetaClick() { UseField(ui->GbetaEdit, ui->GBS2Edit); }

void TChannelPage::RadioBtnGBS2Click() { UseField(ui->GBS2Edit, ui->GbetaEdit); }

}  // namespace fluvara

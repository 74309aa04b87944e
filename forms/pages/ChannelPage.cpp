#include "ChannelPage.h"
#include "ui_ChannelPage.h"

#include "FormStyle.h"
#include "Icons.h"
#include "InputField.h"

#include "calcerror.h"
#include "channel.h"
#include "channelprintout.h"
#include "clipboardtext.h"
#include "numbercheck.h"
#include "textformat.h"

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

TNumberField Read(const QLineEdit* field) { return ReadNumberField(FieldText(field)); }

QString Echo(const std::string& workingText) { return FromUtf8(Fmt("%s ", workingText)); }

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
    for (QLineEdit* field : {ui->GQEdit, ui->GIeEdit, ui->GkstSEdit, ui->GkstUEdit, ui->GkstU2Edit, ui->GbEdit,
                             ui->GhEdit, ui->GaEdit, ui->GBSEdit, ui->GbetaEdit, ui->GBS2Edit}) {
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
    DrawChannelSketch(surface, sketch_, centre, bevel);
}

bool TChannelPage::eventFilter(QObject* watched, QEvent* event)
{
    if (IsEnterKey(event)) {
        // Tab order of the fields; Enter goes to the next enabled one, and
        // from the right bank back to the discharge. It never calculates.
        QLineEdit* const chain[] = {ui->GQEdit, ui->GIeEdit, ui->GkstSEdit, ui->GkstUEdit, ui->GkstU2Edit, ui->GbEdit,
                                    ui->GhEdit, ui->GaEdit,  ui->GBSEdit,   ui->GbetaEdit, ui->GBS2Edit};
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

TChannelPage::TBankFields TChannelPage::LeftBank() const
{
    return {ui->RadioBtnGa, ui->GaEdit, ui->GBSEdit, LeftBankRules()};
}

TChannelPage::TBankFields TChannelPage::RightBank() const
{
    return {ui->RadioBtnGbeta, ui->GbetaEdit, ui->GBS2Edit, RightBankRules()};
}

bool TChannelPage::ReadBank(const TBankFields& bank, const TNumberField& angle, const TNumberField& slope,
                            std::string& angleText, std::string& slopeText, TBankInclination& result)
{
    if (bank.byAngle->isChecked()) {
        if (const auto message = FieldError(angle, bank.rules.angle)) {
            ShowError(FromUtf8(*message), bank.angleEdit);
            return false;
        }
        bank.slopeEdit->clear();
        // A vertical bank has no slope to show.
        slopeText = angle.value < 90 ? Fmt("%-4.2f", SlopeFromAngle(angle.value)) : " ";
        result = ByAngle(angle.value);
        return true;
    }
    if (const auto message = FieldError(slope, bank.rules.slope)) {
        ShowError(FromUtf8(*message), bank.slopeEdit);
        return false;
    }
    angleText = Fmt("%-4.1f", AngleFromSlope(slope.value));
    bank.angleEdit->clear();
    result = BySlope(slope.value);
    return true;
}

void TChannelPage::GFtBtnClick()
{
    ui->GErrLabel->setText(" ");
    const TNumberField kstS = Read(ui->GkstSEdit);
    const TNumberField kstU = Read(ui->GkstUEdit);
    const TNumberField kstU2 = Read(ui->GkstU2Edit);
    const TNumberField Is = Read(ui->GIeEdit);
    const TNumberField Q = Read(ui->GQEdit);
    const TNumberField hp = Read(ui->GhEdit);
    const TNumberField b = Read(ui->GbEdit);
    const TNumberField leftAngle = Read(ui->GaEdit);
    const TNumberField leftSlope = Read(ui->GBSEdit);
    const TNumberField rightAngle = Read(ui->GbetaEdit);
    const TNumberField rightSlope = Read(ui->GBS2Edit);

    const TNumberField fields[] = {Q, Is, kstS, kstU, kstU2, b, hp};
    QLineEdit* const edits[] = {ui->GQEdit,     ui->GIeEdit, ui->GkstSEdit, ui->GkstUEdit,
                                ui->GkstU2Edit, ui->GbEdit,  ui->GhEdit};
    if (const auto failure = ValidateFields(fields, ChannelFieldRules())) {
        ShowError(FromUtf8(failure->message), edits[failure->index]);
        return;
    }
    TChannelInput input;
    input.Q = Q.value;
    input.Is = Is.value;
    input.kstBottom = kstS.value;
    input.kstLeft = kstU.value;
    input.kstRight = kstU2.value;
    input.b = b.value;
    input.hp = hp.value;
    std::string leftAngleText = leftAngle.working;
    std::string leftSlopeText = leftSlope.working;
    std::string rightAngleText = rightAngle.working;
    std::string rightSlopeText = rightSlope.working;
    if (!ReadBank(LeftBank(), leftAngle, leftSlope, leftAngleText, leftSlopeText, input.left))
        return;
    if (!ReadBank(RightBank(), rightAngle, rightSlope, rightAngleText, rightSlopeText, input.right))
        return;

    TChannelResult r;
    try {
        r = CalculateChannel(input);
    } catch (const CalculationError& e) {
        ShowError(QString::fromUtf8(e.what()), ui->GQEdit);
        return;
    }

    // Picture and printout change only with a result: a rejected run leaves
    // them as the last success drew them.
    sketch_ = TChannelSketch{.hp = input.hp,
                             .b = input.b,
                             .alpha = r.alpha,
                             .beta = r.beta,
                             .h = r.h,
                             .l1 = r.l1,
                             .l2 = r.l2,
                             .bWsp = r.bWsp,
                             .bProfil = r.bProfil,
                             .LabelsOnly = 0};
    ui->GFtLabel->setText(FromUtf8(Fmt("%4.1f ", r.h)));
    ui->GvLabel->setText(FromUtf8(Fmt("%4.2f ", r.v)));
    ui->GkstDLabel->setText(FromUtf8(Fmt("%4.1f ", r.kstMean)));
    ui->GIeLabel->setText(Echo(Is.working));
    ui->GQLabel->setText(Echo(Q.working));
    ui->GbLabel->setText(Echo(b.working));
    ui->GhLabel->setText(Echo(hp.working));
    ui->GaLabel->setText(Echo(leftAngleText));
    ui->GBSLabel->setText(Echo(leftSlopeText));
    ui->GbetaLabel->setText(Echo(rightAngleText));
    ui->GBS2Label->setText(Echo(rightSlopeText));
    ui->GhgrLabel->setText(FromUtf8(Fmt("%4.1f ", r.hgr)));
    ui->GvgrLabel->setText(FromUtf8(Fmt("%4.2f ", r.vgr)));
    ui->GAbfLabel->setText(FromUtf8(ChannelRegimeText(r.regime)));
    emit SketchChanged();

    WriteChannelResultLines(lines_, input, r);
    ui->GClipBtn->setEnabled(true);
    ui->GDruSBtn->setEnabled(true);
    run_ = TChannelRun{input, r};
    emit RunChanged();
}

void TChannelPage::RadiBtn3Click()
{
    for (QLineEdit* field : {ui->GQEdit, ui->GIeEdit, ui->GkstSEdit, ui->GkstUEdit, ui->GkstU2Edit, ui->GbEdit,
                             ui->GhEdit, ui->GaEdit, ui->GBSEdit, ui->GbetaEdit, ui->GBS2Edit})
        field->clear();
    for (QLabel* label : {ui->GkstDLabel, ui->GIeLabel, ui->GQLabel, ui->GbLabel, ui->GhLabel, ui->GaLabel,
                          ui->GBSLabel, ui->GbetaLabel, ui->GBS2Label, ui->GFtLabel, ui->GvLabel, ui->GhgrLabel,
                          ui->GvgrLabel, ui->GAbfLabel, ui->GErrLabel})
        label->clear();
    emit Cleared();
    ui->GDruSBtn->setEnabled(false);
    // The next calculation rewrites all lines before anything reads them.
    lines_.Clear(0, 19);
    ui->GClipBtn->setEnabled(false);
    sketch_.LabelsOnly = 1;
    emit SketchChanged();
    run_.reset();
    emit RunChanged();
}

void TChannelPage::SpeedButton3Click() { emit KstTableRequested(); }

void TChannelPage::GClipBtnClick() { emit CopyRequested(ChannelClipboardText(lines_)); }

void TChannelPage::GDruSBtnClick() { emit PrintRequested(ChannelPrintout(sketch_, lines_, ScreenTextWidth)); }

std::optional<TPrintout> TChannelPage::Report() const
{
    if (!ui->GDruSBtn->isEnabled())
        return std::nullopt;
    return ChannelPrintout(sketch_, lines_, ScreenTextWidth);
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

// The pages and the reach lists: a page's inputs as a list row, a list row
// into a page.
#include "ChannelPage.h"
#include "DesignPage.h"
#include "VerificationPage.h"
#include "ui_ChannelPage.h"
#include "ui_DesignPage.h"
#include "ui_VerificationPage.h"

#include "InputField.h"

namespace fluvara {

namespace {

const std::string& Field(const TPageReach& reach, int field)
{
    static const std::string empty;
    return static_cast<std::size_t>(field) < reach.fields.size() ? reach.fields[static_cast<std::size_t>(field)]
                                                                 : empty;
}

QString FieldQ(const TPageReach& reach, int field) { return FromUtf8(Field(reach, field)); }

const char* YesNo(bool yes) { return yes ? "ja" : "nein"; }

// "1:1,5" is a slope; anything else an angle, "45" or "45°".
bool IsSlope(const std::string& bank) { return bank.find(':') != std::string::npos; }

QString SlopeNumber(const std::string& bank) { return FromUtf8(bank.substr(bank.find(':') + 1)).trimmed(); }

QString AngleNumber(const std::string& bank)
{
    QString angle = FromUtf8(bank).trimmed();
    if (angle.endsWith(QChar(0xB0)))
        angle.chop(1);
    return angle.trimmed();
}

std::string BankText(const QRadioButton* byAngle, const QLineEdit* angle, const QLineEdit* slope)
{
    if (byAngle->isChecked())
        return FieldText(angle);
    const std::string m = FieldText(slope);
    return m.empty() ? std::string() : "1:" + m;
}

}  // namespace

void TVerificationPage::TakeOverReach(const TPageReach& reach)
{
    ui->DNEdit->setText(FieldQ(reach, CircleD));
    ui->kbEdit->setText(FieldQ(reach, CircleKb));
    ui->IeEdit->setText(FieldQ(reach, CircleIs));
    ui->QtEdit->setText(FieldQ(reach, CircleQ));
    for (QLabel* label : {ui->DNLabel, ui->IeLabel, ui->kbLabel, ui->QvLabel, ui->VvLabel, ui->QtLabel, ui->QtvLabel,
                          ui->FhLabel, ui->htvLabel, ui->VtLabel})
        label->clear();
    ui->CBox95->setChecked(ParseYesNo(Field(reach, CircleReduce95), false).value_or(false));
    // The result lines still describe the last pipe: nothing to copy or print until the next full flow.
    ui->NClipBtn->setEnabled(false);
    ui->NDruSBtn->setEnabled(false);
    ForgetPipe();
}

std::optional<TPageReach> TVerificationPage::InputsAsReach() const
{
    TPageReach reach{TReachKind::Circle, std::vector<std::string>(CircleFieldCount), {}};
    reach.fields[CircleD] = FieldText(ui->DNEdit);
    reach.fields[CircleKb] = FieldText(ui->kbEdit);
    reach.fields[CircleIs] = FieldText(ui->IeEdit);
    reach.fields[CircleQ] = FieldText(ui->QtEdit);
    reach.fields[CircleReduce95] = YesNo(ui->CBox95->isChecked());
    reach.held = {CircleD, CircleKb, CircleIs, CircleQ, CircleReduce95};
    return reach;
}

std::optional<TPageReach> TDesignPage::InputsAsReach() const
{
    TPageReach reach{TReachKind::Circle, std::vector<std::string>(CircleFieldCount), {}};
    reach.fields[CircleKb] = FieldText(ui->BkbEdit);
    reach.fields[CircleIs] = FieldText(ui->BIeEdit);
    reach.fields[CircleQ] = FieldText(ui->BQtEdit);
    reach.fields[CircleHdPermitted] = FieldText(ui->BhdEdit);
    reach.fields[CircleUse09] = YesNo(ui->CBox0_9->isChecked());
    reach.held = {CircleKb, CircleIs, CircleQ, CircleHdPermitted, CircleUse09};
    return reach;
}

void TChannelPage::TakeOverReach(const TPageReach& reach)
{
    const std::pair<QLineEdit*, int> fields[] = {
        {ui->GQEdit, ChannelQ},          {ui->GIeEdit, ChannelIs},          {ui->GkstSEdit, ChannelKstBottom},
        {ui->GkstUEdit, ChannelKstLeft}, {ui->GkstU2Edit, ChannelKstRight}, {ui->GbEdit, ChannelB},
        {ui->GhEdit, ChannelHp}};
    for (const auto& [edit, field] : fields)
        edit->setText(FieldQ(reach, field));
    const struct {
        QRadioButton* byAngle;
        QRadioButton* bySlope;
        QLineEdit* angle;
        QLineEdit* slope;
        int field;
    } banks[] = {{ui->RadioBtnGa, ui->RadioBtnGBS, ui->GaEdit, ui->GBSEdit, ChannelBankLeft},
                 {ui->RadioBtnGbeta, ui->RadioBtnGBS2, ui->GbetaEdit, ui->GBS2Edit, ChannelBankRight}};
    for (const auto& bank : banks) {
        const std::string& text = Field(reach, bank.field);
        const bool slope = IsSlope(text);
        (slope ? bank.bySlope : bank.byAngle)->setChecked(true);
        if (slope)
            UseField(bank.slope, bank.angle);
        else
            UseField(bank.angle, bank.slope);
        (slope ? bank.slope : bank.angle)->setText(slope ? SlopeNumber(text) : AngleNumber(text));
    }
    // The results shown no longer belong to the fields, nor does the curve.
    WithdrawRun(TRunState::Withdrawn);
    ui->GQEdit->setFocus();
}

std::optional<TPageReach> TChannelPage::InputsAsReach() const
{
    TPageReach reach{TReachKind::Channel, std::vector<std::string>(ChannelFieldCount), {}};
    reach.fields[ChannelQ] = FieldText(ui->GQEdit);
    reach.fields[ChannelIs] = FieldText(ui->GIeEdit);
    reach.fields[ChannelKstBottom] = FieldText(ui->GkstSEdit);
    reach.fields[ChannelKstLeft] = FieldText(ui->GkstUEdit);
    reach.fields[ChannelKstRight] = FieldText(ui->GkstU2Edit);
    reach.fields[ChannelB] = FieldText(ui->GbEdit);
    reach.fields[ChannelHp] = FieldText(ui->GhEdit);
    reach.fields[ChannelBankLeft] = BankText(ui->RadioBtnGa, ui->GaEdit, ui->GBSEdit);
    reach.fields[ChannelBankRight] = BankText(ui->RadioBtnGbeta, ui->GbetaEdit, ui->GBS2Edit);
    reach.held = {ChannelQ, ChannelIs, ChannelKstBottom, ChannelKstLeft,  ChannelKstRight,
                  ChannelB, ChannelHp, ChannelBankLeft,  ChannelBankRight};
    return reach;
}

}  // namespace fluvara

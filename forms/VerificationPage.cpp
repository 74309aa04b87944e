#include "VerificationPage.h"

#include "FormStyle.h"
#include "Main.h"

namespace fluvara {

TVerificationPage::TVerificationPage(TMainForm& mainForm) : main_(mainForm)
{
    setObjectName("TabSheet1");
    SetBackground(this, SilverColor);
}

void TVerificationPage::InitialState() {}

void TVerificationPage::TabSheet1Show() { main_.DrawCircleSketch(); }

} // namespace fluvara

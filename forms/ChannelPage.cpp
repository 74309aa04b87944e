#include "ChannelPage.h"

#include "FormStyle.h"
#include "Main.h"

namespace fluvara {

TChannelPage::TChannelPage(TMainForm& mainForm) : main_(mainForm)
{
    setObjectName("TabSheet2");
    SetBackground(this, SilverColor);
}

void TChannelPage::InitialState() {}

void TChannelPage::TabSheet2Show() { main_.DrawChannelSketch(); }

} // namespace fluvara

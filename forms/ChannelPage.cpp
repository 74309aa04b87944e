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

void TChannelPage::TabSheet2Show() { main_.DrawCircleSketch(); }

void TChannelPage::DrawSketch(TDrawSurface& surface, TPoint, TRect bevel)
{
    surface.SetBrushColor(Silver);
    surface.FillRect(bevel.left + 1, bevel.top + 1, bevel.left + bevel.width - 1, bevel.top + bevel.height - 1);
}

} // namespace fluvara

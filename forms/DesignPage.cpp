#include "DesignPage.h"

#include "FormStyle.h"
#include "Main.h"

namespace fluvara {

TDesignPage::TDesignPage(TMainForm& mainForm) : main_(mainForm)
{
    setObjectName("TabSheet3");
    SetBackground(this, SilverColor);
}

void TDesignPage::InitialState() {}

void TDesignPage::TabSheet3Show() { main_.DrawCircleSketch(); }

} // namespace fluvara

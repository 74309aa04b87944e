#pragma once
// The program's icon, the same picture the desktop shows in its menus.

#include <QIcon>

namespace fluvara {

// Every size installed in the icon theme, drawn from the one scalable picture.
QIcon ProgramIcon();

}  // namespace fluvara

#include "ProgramIcon.h"

#include <QSize>
#include <QString>

namespace fluvara {

QIcon ProgramIcon()
{
    // The pixel sizes are rendered at build time, so the program needs no SVG support at run time.
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icon/%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace fluvara

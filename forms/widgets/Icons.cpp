#include "Icons.h"

#include <QToolButton>

// Resources of a static library are registered by hand, once.
static void RegisterIconResources() { Q_INIT_RESOURCE(icons); }

namespace fluvara {

namespace {

const char* ResourceName(TIcon icon)
{
    switch (icon) {
    case TIcon::Clipboard:
        return ":/icons/clipboard.svg";
    case TIcon::HeaderLine:
        return ":/icons/headerline.svg";
    case TIcon::Info:
        return ":/icons/info.svg";
    case TIcon::Exit:
        return ":/icons/exit.svg";
    case TIcon::Eraser:
        return ":/icons/eraser.svg";
    case TIcon::Table:
        return ":/icons/table.svg";
    case TIcon::Copy:
        return ":/icons/copy.svg";
    case TIcon::Printer:
        return ":/icons/printer.svg";
    case TIcon::Book:
        return ":/icons/book.svg";
    case TIcon::Transfer:
        return ":/icons/transfer.svg";
    }
    return "";
}

}  // namespace

QString IconResource(TIcon icon)
{
    static const bool registered = (RegisterIconResources(), true);
    (void)registered;
    return QString::fromLatin1(ResourceName(icon));
}

QIcon MakeIcon(TIcon icon) { return QIcon(IconResource(icon)); }

void SetButtonIcon(QToolButton* button, TIcon icon)
{
    button->setIcon(MakeIcon(icon));
    button->setIconSize(QSize(IconSize, IconSize));
}

}  // namespace fluvara

#pragma once
// The program's own pictures for its flat buttons: SVG files among the
// program's resources, drawn at the size the button asks for.

#include <QIcon>
#include <QString>

class QToolButton;

namespace fluvara {

enum class TIcon {
    Clipboard,   // show clipboard content
    HeaderLine,  // edit the header line
    Info,        // info dialog
    Exit,        // end the program
    Eraser,      // clear the inputs
    Table,       // reference table
    Copy,        // copy to clipboard
    Printer,     // print
    Book,        // explanations
    Transfer,    // hand the values to another page
};

inline constexpr int IconSize = 28;  // pixels, the SVGs' own size

// The resource path of the picture (":/icons/….svg").
QString IconResource(TIcon icon);
QIcon MakeIcon(TIcon icon);

// Puts the picture on a flat 36 x 36 tool button.
void SetButtonIcon(QToolButton* button, TIcon icon);

}  // namespace fluvara

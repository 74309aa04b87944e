#pragma once
// Ends the program once its window has been drawn: proves an installation starts.

class QWidget;

namespace fluvara {

// Quits the application's event loop after the window's first paint has finished.
void QuitAfterFirstPaint(QWidget& window);

}  // namespace fluvara

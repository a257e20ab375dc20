#pragma once
// Window-manager hints that Qt has no switch for.
#include <QWidget>

namespace tarvenel::qt {

// Asks the window manager to leave the top-level window out of the taskbar
// and the pager (the EWMH skip states). Call it before the window is shown;
// nothing happens on platforms other than X11.
void KeepOffTaskbar(QWidget& window);

} // namespace tarvenel::qt

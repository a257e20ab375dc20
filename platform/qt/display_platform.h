#pragma once
// Which windowing system the program runs on.
#include <QByteArray>
#include <functional>

namespace tarvenel::qt {

// The main window places itself on the screen and cuts its own shape, which
// a Wayland compositor does not allow a client to do; through XWayland it
// can. True when the user has not chosen a Qt platform and both Wayland and
// an X display are there. `environment` reads one environment variable.
bool PrefersX11(const std::function<QByteArray(const char*)>& environment);

// Makes Qt use X11 when PrefersX11 says so; before the application object.
void PreferX11Display();

// Asks Qt's X11 back end to send the window's pixels over the connection
// instead of through shared memory, unless the user chose otherwise; before
// the application object. Shared memory makes every repaint wait for the X
// server to let go of the previous one, a round trip that wakes the program
// twice more each second of the clock; the window is small, so copying it
// costs nothing.
void PreferPlainImageTransfer();

} // namespace tarvenel::qt

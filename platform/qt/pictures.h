#pragma once
// The embedded artwork as Qt images.
#include <QCursor>
#include <QIcon>
#include <QImage>

#include "resources/artwork.h"

namespace tarvenel::qt {

QImage ArtworkImage(Artwork which);
QCursor HandCursor();
QIcon ProgramIcon();   // the main window's and the tray's
QIcon CountdownIcon(); // the countdown dialog's

} // namespace tarvenel::qt

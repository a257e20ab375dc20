#include "platform/qt/pictures.h"

#include <QPixmap>

#include "platform/qt/qt_text_renderer.h"
#include "raster/png.h"

namespace tarvenel::qt {

// The core's decoder, not Qt's: Qt's image reader first looks through its
// format plug-ins, which the first window would wait for.
QImage ArtworkImage(Artwork which) {
    return ToImage(DecodePng(ArtworkPng(which)));
}

// The pictures asked for again and again (each linked label, each window)
// are decoded once.
QCursor HandCursor() {
    static const QImage hand = ArtworkImage(Artwork::HandCursor);
    return QCursor(QPixmap::fromImage(hand), kHandCursorHotSpotX, kHandCursorHotSpotY);
}

QIcon ProgramIcon() {
    static const QImage small = ArtworkImage(Artwork::Icon16);
    static const QImage large = ArtworkImage(Artwork::Icon32);
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(small));
    icon.addPixmap(QPixmap::fromImage(large));
    return icon;
}

QIcon CountdownIcon() {
    return QIcon(QPixmap::fromImage(ArtworkImage(Artwork::CountdownIcon16)));
}

} // namespace tarvenel::qt

#include "platform/qt/pictures.h"

#include <QPixmap>

namespace tarvenel::qt {

QImage ArtworkImage(Artwork which) {
    const auto png = ArtworkPng(which);
    return QImage::fromData(png.data(), static_cast<int>(png.size()), "PNG");
}

QCursor HandCursor() {
    return QCursor(QPixmap::fromImage(ArtworkImage(Artwork::HandCursor)), kHandCursorHotSpotX,
                   kHandCursorHotSpotY);
}

QIcon ProgramIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(ArtworkImage(Artwork::Icon16)));
    icon.addPixmap(QPixmap::fromImage(ArtworkImage(Artwork::Icon32)));
    return icon;
}

QIcon CountdownIcon() {
    return QIcon(QPixmap::fromImage(ArtworkImage(Artwork::CountdownIcon16)));
}

} // namespace tarvenel::qt

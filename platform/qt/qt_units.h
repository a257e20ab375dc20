#pragma once
// Form twips and OLE colours as Qt wants them.
#include <QColor>
#include <QRect>

#include "app/form_design.h"
#include "raster/colour.h"

namespace tarvenel::qt {

inline QRect PixelRect(const TwipsRect& r) {
    return QRect(TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width),
                 TwipsToPixels(r.height));
}

inline QColor ColourOf(Rgb rgb) {
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>(rgb >> 8 & 0xFF),
                  static_cast<int>(rgb >> 16 & 0xFF));
}

} // namespace tarvenel::qt

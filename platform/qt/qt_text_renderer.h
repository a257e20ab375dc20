#pragma once
// Text into the core's bitmaps with Qt's text engine: lines are broken by the
// core's layout rules, measured and drawn with QFontMetrics and a QPainter on
// a QImage over the bitmap's own pixels.
#include <QImage>
#include <QRegion>

#include "raster/region.h"
#include "raster/text_renderer.h"

namespace tarvenel::qt {

class QtTextRenderer : public TextRenderer {
public:
    TextExtent Measure(std::string_view text, const FontSpec& font, int maxWidth,
                       const TextFormat& format) override;
    void Draw(Canvas& canvas, std::string_view text, const FontSpec& font, const Rect& box,
              const TextFormat& format) override;
};

// The bitmap's pixels as a QImage (no copy; the bitmap must outlive it).
QImage ImageOver(Bitmap& bitmap);
// A copy of the bitmap as an image Qt can keep.
QImage ToImage(const Bitmap& bitmap);
QRegion ToQRegion(const Region& region);

} // namespace tarvenel::qt

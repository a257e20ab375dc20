#include "platform/qt/qt_text_renderer.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "platform/qt/fonts.h"
#include "platform/qt/qt_units.h"
#include "raster/canvas.h"
#include "raster/text_layout.h"

namespace tarvenel::qt {
namespace {

QString FromUcs4(std::u32string_view run) {
    return QString::fromUcs4(run.data(), static_cast<qsizetype>(run.size()));
}

MeasureRun MeasureWith(const QFontMetrics& metrics) {
    return [&metrics](std::u32string_view run) { return metrics.horizontalAdvance(FromUcs4(run)); };
}

} // namespace

QImage ImageOver(Bitmap& bitmap) {
    // Every pixel the canvas draws is opaque, which is what RGB32 holds.
    return QImage(reinterpret_cast<uchar*>(bitmap.Row(0)), bitmap.Width(), bitmap.Height(),
                  static_cast<qsizetype>(bitmap.Stride()) * 4, QImage::Format_RGB32);
}

QImage ToImage(const Bitmap& bitmap) {
    QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_ARGB32);
    for (int y = 0; y < bitmap.Height(); ++y)
        std::copy_n(bitmap.Row(y), bitmap.Width(), reinterpret_cast<Pixel*>(image.scanLine(y)));
    return image;
}

QRegion ToQRegion(const Region& region) {
    QRegion out;
    for (const Rect& r : region.Rectangles())
        out += QRect(r.left, r.top, r.Width(), r.Height());
    return out;
}

TextExtent QtTextRenderer::Measure(std::string_view text, const FontSpec& font, int maxWidth,
                                   const TextFormat& format) {
    const QFontMetrics metrics(ToQFont(font));
    const auto lines = LayoutText(text, maxWidth, format, MeasureWith(metrics));
    TextExtent extent;
    for (const TextLine& line : lines)
        extent.width = std::max(extent.width, line.width);
    extent.height = static_cast<int>(lines.size()) * metrics.height();
    return extent;
}

void QtTextRenderer::Draw(Canvas& canvas, std::string_view text, const FontSpec& font,
                          const Rect& box, const TextFormat& format) {
    Bitmap& target = canvas.Target();
    if (target.Empty() || target.Stride() <= 0)
        return;
    const QFont qfont = ToQFont(font);
    const QFontMetrics metrics(qfont);
    const auto lines = LayoutText(text, box.Width(), format, MeasureWith(metrics));

    QImage image = ImageOver(target);
    QPainter painter(&image);
    painter.setFont(qfont);
    painter.setPen(ColourOf(canvas.TextColour()));
    if (canvas.ClipRegion())
        painter.setClipRegion(ToQRegion(*canvas.ClipRegion()));
    int y = box.top;
    for (const TextLine& line : lines) {
        int x = box.left;
        if (format.align == TextAlign::Centre)
            x += (box.Width() - line.width) / 2;
        else if (format.align == TextAlign::Right)
            x = box.right - line.width;
        if (!canvas.TransparentBackground())
            painter.fillRect(QRect(x, y, line.width, metrics.height()),
                             ColourOf(canvas.BackgroundColour()));
        painter.drawText(QPoint(x, y + metrics.ascent()), FromUcs4(line.text));
        // The "&" prefix underlines single characters.
        for (std::size_t i = 0; i < line.underline.size(); ++i) {
            if (!line.underline[i])
                continue;
            const int left = x + metrics.horizontalAdvance(
                                     FromUcs4(std::u32string_view(line.text).substr(0, i)));
            const int width =
                metrics.horizontalAdvance(FromUcs4(std::u32string_view(line.text).substr(i, 1)));
            const int underY = y + metrics.ascent() + metrics.underlinePos();
            painter.drawLine(left, underY, left + width - 1, underY);
        }
        y += metrics.height();
    }
}

} // namespace tarvenel::qt

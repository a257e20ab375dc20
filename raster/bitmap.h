#pragma once
// A 32-bit bitmap: rows of 0xAARRGGBB pixels with a stride. It either owns its
// pixels or wraps memory that belongs to someone else (a Win32 DIB section, a
// QImage), so the same pixels can be drawn here and shown there without a copy.
#include <cstdint>
#include <vector>

#include "raster/colour.h"

namespace tarvenel {

using Pixel = std::uint32_t; // 0xAARRGGBB, straight (not premultiplied) alpha

inline constexpr Pixel kOpaque = 0xFF000000u;

// 0x00BBGGRR (the colour as GDI and the forms give it) to an opaque pixel.
constexpr Pixel PixelFromRgb(Rgb rgb) {
    return kOpaque | (rgb & 0xFFu) << 16 | (rgb & 0xFF00u) | (rgb >> 16 & 0xFFu);
}
// The colour part of a pixel as 0x00BBGGRR; the alpha is dropped.
constexpr Rgb RgbFromPixel(Pixel p) {
    return (p >> 16 & 0xFFu) | (p & 0xFF00u) | (p & 0xFFu) << 16;
}

class Bitmap {
public:
    Bitmap() = default;
    // An owning bitmap of the given size, every pixel set to fill.
    Bitmap(int width, int height, Pixel fill = kOpaque);
    // A view of pixels owned elsewhere; stride is in pixels (bytes per line / 4)
    // and may be negative for bottom-up memory. The memory must outlive the view.
    static Bitmap Wrap(Pixel* pixels, int width, int height, int stridePixels);

    // Copies always own their pixels, also when the original is a view.
    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;
    ~Bitmap() = default;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Stride() const { return stride_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }
    bool OwnsPixels() const { return !owned_.empty() || Empty(); }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Pixel* Row(int y) { return pixels_ + static_cast<std::ptrdiff_t>(y) * stride_; }
    const Pixel* Row(int y) const { return pixels_ + static_cast<std::ptrdiff_t>(y) * stride_; }
    // Unchecked access; callers keep inside the bitmap.
    Pixel At(int x, int y) const { return Row(y)[x]; }
    void Set(int x, int y, Pixel p) { Row(y)[x] = p; }

    void Fill(Pixel p);
    // Same size and the same pixels (stride and ownership do not matter).
    bool SamePixels(const Bitmap& other) const;

private:
    void CopyFrom(const Bitmap& other);

    std::vector<Pixel> owned_;
    Pixel* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
};

} // namespace tarvenel

#include "raster/png.h"

#include <climits>
#include <cstdint>
#include <string_view>
#include <vector>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#include <stb/stb_image.h>

namespace tarvenel {
namespace {

struct StbPixels {
    stbi_uc* data = nullptr;
    ~StbPixels() { stbi_image_free(data); }
};

std::uint32_t BigEndian(const unsigned char* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

// The decoder keeps the palette in memory it never clears, so a pixel naming
// an entry the file's palette lacks showed whatever was there before. The
// palette is padded to its full 256 entries with opaque black instead (the
// decoder ignores the chunk checksums, so the copy needs none).
std::vector<unsigned char> WithFullPalette(std::span<const unsigned char> png) {
    std::vector<unsigned char> out(png.begin(), png.end());
    constexpr std::size_t kSignature = 8, kFullPalette = 256 * 3;
    for (std::size_t at = kSignature; at + 8 <= png.size();) {
        const std::size_t length = BigEndian(&png[at]);
        const std::string_view type(reinterpret_cast<const char*>(&png[at + 4]), 4);
        if (type == "IDAT" || png.size() - at - 8 < length)
            break;
        if (type == "PLTE") {
            // A palette the decoder refuses anyway stays as it is.
            if (length < kFullPalette && length % 3 == 0) {
                const auto end = out.begin() + static_cast<std::ptrdiff_t>(at + 8 + length);
                out.insert(end, kFullPalette - length, 0);
                out[at] = 0;
                out[at + 1] = 0;
                out[at + 2] = kFullPalette >> 8;
                out[at + 3] = kFullPalette & 0xFF;
            }
            break;
        }
        at += 12 + length;
    }
    return out;
}

} // namespace

Bitmap DecodePng(std::span<const unsigned char> bytes) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX))
        return {};
    int width = 0;
    int height = 0;
    int channels = 0;
    const std::vector<unsigned char> png = WithFullPalette(bytes);
    StbPixels pixels{stbi_load_from_memory(png.data(), static_cast<int>(png.size()), &width,
                                           &height, &channels, 4)};
    if (pixels.data == nullptr)
        return {};
    Bitmap bitmap(width, height);
    const stbi_uc* in = pixels.data;
    for (int y = 0; y < height; ++y) {
        Pixel* row = bitmap.Row(y);
        for (int x = 0; x < width; ++x, in += 4)
            row[x] = Pixel{in[3]} << 24 | Pixel{in[0]} << 16 | Pixel{in[1]} << 8 | in[2];
    }
    return bitmap;
}

} // namespace tarvenel

#include "raster/png.h"

#include <algorithm>
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

// The bytes as the decoder gets them, with two of its faults kept away. It
// keeps the palette in memory it never clears, so a pixel naming an entry
// the file's palette lacks showed whatever was there before: the palette is
// padded to its full 256 entries with opaque black. And it copies an empty
// IDAT chunk into a buffer it has not made yet: empty ones carry nothing and
// are left out; so is a chunk cut short. The decoder ignores the chunk checksums, so none is
// redone.
std::vector<unsigned char> Prepared(std::span<const unsigned char> png) {
    constexpr std::size_t kSignature = 8, kFullPalette = 256 * 3;
    std::vector<unsigned char> out(png.begin(), png.begin() + std::min(png.size(), kSignature));
    std::size_t at = kSignature;
    while (at + 8 <= png.size()) {
        const std::size_t length = BigEndian(&png[at]);
        const std::string_view type(reinterpret_cast<const char*>(&png[at + 4]), 4);
        // A chunk longer than the bytes left made the decoder ask for that
        // much memory at once (2 GB from a 439-byte file) before failing to
        // read it: it ends the file here instead.
        if (png.size() - at - 8 < length)
            return out;
        const std::size_t next = std::min(png.size(), at + 12 + length);
        if (type == "PLTE" && length < kFullPalette && length % 3 == 0) {
            const unsigned char header[] = {
                0, 0, kFullPalette >> 8, kFullPalette & 0xFF, 'P', 'L', 'T', 'E'};
            out.insert(out.end(), std::begin(header), std::end(header));
            out.insert(out.end(), png.begin() + at + 8, png.begin() + at + 8 + length);
            out.insert(out.end(), kFullPalette - length, 0);
            out.insert(out.end(), png.begin() + at + 8 + length, png.begin() + next);
        } else if (type != "IDAT" || length != 0) {
            out.insert(out.end(), png.begin() + at, png.begin() + next);
        }
        at = next;
    }
    if (at < png.size())
        out.insert(out.end(), png.begin() + at, png.end());
    return out;
}

} // namespace

Bitmap DecodePng(std::span<const unsigned char> bytes) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX))
        return {};
    int width = 0;
    int height = 0;
    int channels = 0;
    const std::vector<unsigned char> png = Prepared(bytes);
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

#include "raster/png.h"

#include <climits>

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

} // namespace

Bitmap DecodePng(std::span<const unsigned char> bytes) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX))
        return {};
    int width = 0;
    int height = 0;
    int channels = 0;
    StbPixels pixels{stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width,
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

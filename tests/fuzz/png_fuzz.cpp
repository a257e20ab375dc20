// Any bytes given to the PNG decoder: an empty bitmap or a whole one whose
// every pixel can be read (ASan sees any read past the input or the pixels),
// and the same bytes always give the same picture.
#include <cstdint>
#include <span>

#include "fuzz/fuzz_check.h"
#include "raster/png.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvenel;
    const std::span<const unsigned char> bytes(data, size);
    const Bitmap bitmap = DecodePng(bytes);
    if (bitmap.Empty()) {
        FUZZ_CHECK(bitmap.Width() == 0 && bitmap.Height() == 0);
        return 0;
    }
    std::uint32_t mix = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            mix = mix * 31 + bitmap.At(x, y);
    // Keeps the reads above from being optimised away.
    asm volatile("" : : "r"(mix));
    FUZZ_CHECK(DecodePng(bytes).SamePixels(bitmap));
    return 0;
}

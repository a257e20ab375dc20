#pragma once
// A picture the button shows beside its caption, or a cursor for its surface.
// The model needs only its kind and pixel size; the painter draws the pixels.
#include <cstdint>
#include <memory>
#include <vector>

namespace tarvenel {

enum class PictureKind { Bitmap = 0, Icon = 1 };

struct ButtonPicture {
    PictureKind kind = PictureKind::Bitmap;
    int width = 0;
    int height = 0;
    // Rows top to bottom, `width` pixels each, 0xAARRGGBB; may be empty when
    // only the size matters.
    std::shared_ptr<const std::vector<std::uint32_t>> pixels;
};

// Pictures are shared and never changed once made; none is a null pointer.
using PicturePtr = std::shared_ptr<const ButtonPicture>;

} // namespace tarvenel

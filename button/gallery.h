#pragma once
// Sheets that show what the button can look like: for one look, every shape
// in every pose, as a command button and as a check box off and on.
#include <string>

#include "raster/bitmap.h"
#include "raster/text_renderer.h"

namespace tarvenel {

struct GallerySettings {
    int buttonWidth = 64;
    int buttonHeight = 24;
    int gap = 4;
    Pixel background = 0xFFECE9D8; // the container behind the buttons
    std::string caption = "OK";
};

// Rows: the seven shapes. Columns: the five poses (normal, hover, pressed,
// default, disabled) as a command button, then as a check box that is off,
// then as one that is on.
Bitmap LookSheet(int style, TextRenderer& text, const GallerySettings& settings = {});

// The eight look sheets one under the other.
Bitmap FullGallery(TextRenderer& text, const GallerySettings& settings = {});

} // namespace tarvenel

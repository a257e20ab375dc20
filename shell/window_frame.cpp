#include "shell/window_frame.h"

#include "raster/font.h"
#include "raster/png.h"
#include "resources/artwork.h"

namespace tarvenel {
namespace {

// The caption bar's text: the form's font, bold so it reads on the blue bar.
FontSpec CaptionFont() {
    FontSpec font;
    font.weight = 700;
    return font;
}

} // namespace

void WindowFrame::Centre(int widthTwips, int heightTwips) {
    const TwipsRect screen = screen_.Area();
    position_.left = screen.left + (screen.width - widthTwips) / 2;
    position_.top = screen.top + (screen.height - heightTwips) / 2;
}

void WindowFrame::Form_Resize() {
    if (skin_.Empty())
        skin_ = DecodePng(ArtworkPng(Artwork::Skin));
    if (icon_.Empty())
        icon_ = DecodePng(ArtworkPng(Artwork::Icon16));
    const TwipsRect screen = screen_.Area();
    const MainWindowResizeInput input{
        form_.Width(),
        form_.Height(),
        credit_.Width(),
        credit_.Height(),
        skin_,
        icon_,
        CaptionFont(),
        form_.Caption(),
        {static_cast<double>(screen.left), static_cast<double>(screen.top),
         static_cast<double>(screen.width), static_cast<double>(screen.height)}};
    ResizeMainWindow(input, position_, surface_, text_);
}

} // namespace tarvenel

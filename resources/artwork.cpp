#include "resources/artwork.h"

#include <cstddef>

// Defined in the sources that the build generates from resources/art/*.png.
#define TARVENEL_EMBEDDED(name)                                                                    \
    extern const unsigned char name##_png[];                                                       \
    extern const std::size_t name##_png_size;

namespace tarvenel {
namespace embedded {
TARVENEL_EMBEDDED(skin)
TARVENEL_EMBEDDED(icon16)
TARVENEL_EMBEDDED(icon32)
TARVENEL_EMBEDDED(min_hover)
TARVENEL_EMBEDDED(min_pressed)
TARVENEL_EMBEDDED(close_hover)
TARVENEL_EMBEDDED(close_pressed)
TARVENEL_EMBEDDED(hand_cursor)
TARVENEL_EMBEDDED(tick)
TARVENEL_EMBEDDED(countdown_icon16)
} // namespace embedded
#undef TARVENEL_EMBEDDED

std::span<const unsigned char> ArtworkPng(Artwork which) {
    using namespace embedded;
    switch (which) {
    case Artwork::Skin:
        return {skin_png, skin_png_size};
    case Artwork::Icon16:
        return {icon16_png, icon16_png_size};
    case Artwork::Icon32:
        return {icon32_png, icon32_png_size};
    case Artwork::MinHover:
        return {min_hover_png, min_hover_png_size};
    case Artwork::MinPressed:
        return {min_pressed_png, min_pressed_png_size};
    case Artwork::CloseHover:
        return {close_hover_png, close_hover_png_size};
    case Artwork::ClosePressed:
        return {close_pressed_png, close_pressed_png_size};
    case Artwork::HandCursor:
        return {hand_cursor_png, hand_cursor_png_size};
    case Artwork::Tick:
        return {tick_png, tick_png_size};
    case Artwork::CountdownIcon16:
        return {countdown_icon16_png, countdown_icon16_png_size};
    }
    return {};
}

} // namespace tarvenel

#pragma once
// The program's pictures, embedded in the executable as PNG files (8-bit RGBA).
#include <span>

namespace tarvenel {

enum class Artwork {
    Skin,            // 271 x 218 window frame, stretched over the main window
    Icon16,          // 16 x 16 program icon, drawn in the caption bar
    Icon32,          // 32 x 32 program icon, the notification-area icon
    MinHover,        // 16 x 16 minimise face under the pointer
    MinPressed,      // 16 x 16 minimise face while a mouse button is held
    CloseHover,      // 16 x 16 close face under the pointer
    ClosePressed,    // 16 x 16 close face while a mouse button is held
    HandCursor,      // 32 x 32 pointing hand over the link labels
    Tick,            // 53 x 29 tick shown while a shutdown is armed
    CountdownIcon16, // 16 x 16 icon of the countdown dialog
};

// The embedded PNG file's bytes; empty for a value outside the enumeration.
std::span<const unsigned char> ArtworkPng(Artwork which);

// The hand cursor points with the tip of its index finger.
inline constexpr int kHandCursorHotSpotX = 6;
inline constexpr int kHandCursorHotSpotY = 2;

} // namespace tarvenel

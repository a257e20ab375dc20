#pragma once
// Ternary raster operations: how a blit combines the brush (pattern P), the
// source (S) and the destination (D). The third byte of the code is the truth
// table over P, S and D; the operations the program uses run on fast paths.
#include <cstdint>

#include "raster/bitmap.h"

namespace tarvenel {

enum class Rop : std::uint32_t {
    SrcCopy = 0x00CC0020,   // S
    SrcAnd = 0x008800C6,    // S & D (a mask punches black)
    SrcPaint = 0x00EE0086,  // S | D (paints into the punched hole)
    PatCopy = 0x00F00021,   // P
    PatInvert = 0x005A0049, // P ^ D
    DstInvert = 0x00550009, // ~D
    Blackness = 0x00000042,
    Whiteness = 0x00FF0062,
    // P ^ (S & (D ^ P)): the brush where the source is black, the destination
    // where it is white (the etched look of a disabled picture).
    Psdpxax = 0x00B8074A,
};

// Combines the colour bits of pattern, source and destination; the result is
// opaque.
inline Pixel ApplyRop(Rop rop, Pixel p, Pixel s, Pixel d) {
    switch (rop) {
    case Rop::SrcCopy:
        return s | kOpaque;
    case Rop::SrcAnd:
        return (s & d) | kOpaque;
    case Rop::SrcPaint:
        return s | d | kOpaque;
    case Rop::Psdpxax:
        return (p ^ (s & (d ^ p))) | kOpaque;
    case Rop::Whiteness:
        return 0xFFFFFFFFu;
    case Rop::Blackness:
        return kOpaque;
    default:
        break;
    }
    const std::uint32_t table = static_cast<std::uint32_t>(rop) >> 16 & 0xFF;
    std::uint32_t result = 0;
    for (int i = 0; i < 8; ++i) {
        if ((table >> i & 1) == 0)
            continue;
        result |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    }
    return result | kOpaque;
}

} // namespace tarvenel

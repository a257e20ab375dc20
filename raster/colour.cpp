#include "raster/colour.h"

namespace tarvenel {

SystemColours::SystemColours()
    : table_{0xC8D0D4, 0x6E3A00, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
             0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
             0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
             0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0xFF0000, 0xEFE9E8} {}

SystemColours& SystemColours::Instance() {
    static SystemColours colours;
    return colours;
}

Rgb TranslateColour(OleColour colour) {
    if (colour & 0x80000000u)
        return SystemColours::Instance().Get(static_cast<int>(colour & 0xFF));
    return colour & 0x00FFFFFFu;
}

} // namespace tarvenel

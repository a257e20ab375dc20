#include "shell/tray_tip.h"

#include "app/version.h"

namespace tarvenel {

std::string TrayTipText(const std::string& targetCaption) {
    const std::string full = TitleWithVersion() + "\r\n" + targetCaption;
    int units = 0;
    std::size_t i = 0;
    while (i < full.size()) {
        const unsigned char lead = static_cast<unsigned char>(full[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const int needed = length == 4 ? 2 : 1; // outside the BMP: a surrogate pair
        if (units + needed > kTrayTipField - 1)
            break;
        units += needed;
        i += length;
    }
    return full.substr(0, i);
}

} // namespace tarvenel

#include "shell/tray_tip.h"

#include "app/text.h"
#include "app/version.h"

namespace tarvenel {

std::string TrayTipText(const std::string& targetCaption) {
    // Counted in the units the field holds; malformed bytes become U+FFFD on
    // the way, so what comes out is always valid UTF-8.
    std::u16string tip = Utf16Of(TitleWithVersion() + "\r\n" + targetCaption);
    if (tip.size() > kTrayTipField - 1) {
        std::size_t length = kTrayTipField - 1;
        // Never half a surrogate pair.
        if (tip[length - 1] >= 0xD800 && tip[length - 1] < 0xDC00)
            --length;
        tip.resize(length);
    }
    return Utf8Of(tip);
}

} // namespace tarvenel

// The notification icon's tip for any target text: valid UTF-8 of at most 63
// UTF-16 units, never a character cut in two, and for valid text the longest
// whole-character start of the full tip that fits.
#include <cstdint>
#include <optional>

#include "app/text.h"
#include "app/version.h"
#include "fuzz/fuzz_check.h"
#include "shell/tray_tip.h"

namespace tarvenel::fuzz {
namespace {

// Strict UTF-8: shortest forms, no surrogates, nothing above U+10FFFF. The
// lengths in UTF-16 units of its characters, or nothing when invalid.
std::optional<std::vector<int>> Utf16Units(std::string_view text) {
    std::vector<int> units;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80                   ? 1
                           : lead >= 0xC2 && lead < 0xE0 ? 2
                           : lead >= 0xE0 && lead < 0xF0 ? 3
                           : lead >= 0xF0 && lead < 0xF5 ? 4
                                                         : 0;
        if (length == 0 || i + length > text.size())
            return std::nullopt;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            code = code << 6 | (next & 0x3F);
        }
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))
            return std::nullopt;
        units.push_back(code >= 0x10000 ? 2 : 1);
        i += length;
    }
    return units;
}

} // namespace
} // namespace tarvenel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvenel;
    const std::string caption(reinterpret_cast<const char*>(data), size);
    const std::string tip = TrayTipText(caption);
    const auto units = fuzz::Utf16Units(tip);
    FUZZ_CHECK(units.has_value());
    int total = 0;
    for (int u : *units)
        total += u;
    FUZZ_CHECK(total <= kTrayTipField - 1);

    const std::string full = TitleWithVersion() + "\r\n" + caption;
    if (const auto fullUnits = fuzz::Utf16Units(full)) {
        FUZZ_CHECK(full.starts_with(tip));
        // Cut only where the next character would not fit.
        if (tip.size() < full.size())
            FUZZ_CHECK(total + (*fullUnits)[units->size()] > kTrayTipField - 1);
    }
    return 0;
}

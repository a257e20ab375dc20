#include "app/text.h"

#include <cmath>

namespace tarvenel {

std::string DropLastCharacter(std::string_view text) {
    if (text.empty())
        return {};
    std::size_t end = text.size() - 1;
    // Step back over UTF-8 continuation bytes (10xxxxxx) to the lead byte.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return std::string(text.substr(0, end));
}

std::optional<std::int16_t> ToInt16(std::string_view text) {
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (text.empty())
        return std::nullopt;

    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    double whole = 0;
    std::size_t digits = 0;
    std::size_t i = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits)
        whole = whole * 10 + (text[i] - '0');
    double fraction = 0;
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
            fraction += (text[i] - '0') * scale;
            scale /= 10;
        }
    }
    if (digits == 0 || i != text.size() || whole > 1e6)
        return std::nullopt;

    double value = std::nearbyint(whole + fraction); // default rounding mode: ties to even
    if (negative)
        value = -value;
    if (value < -32768 || value > 32767)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

} // namespace tarvenel

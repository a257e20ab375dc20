#pragma once
// The line breaking and "&" prefix rules of DrawTextA, independent of how
// characters are measured, so every text renderer breaks lines alike.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "raster/text_renderer.h"

namespace tarvenel {

struct TextLine {
    std::u32string text;         // without the prefix marks and trailing blanks
    std::vector<bool> underline; // one flag per character of text
    int width = 0;
};

// Width in pixels of a run of characters in the font being used.
using MeasureRun = std::function<int(std::u32string_view)>;

// UTF-8 to code points; a malformed byte becomes U+FFFD.
std::u32string DecodeUtf8(std::string_view text);
// East Asian wide characters (CJK ideographs, kana, Hangul, full-width forms).
bool IsWideCharacter(char32_t c);

std::vector<TextLine> LayoutText(std::string_view text, int maxWidth, const TextFormat& format,
                                 const MeasureRun& measure);

} // namespace tarvenel

#include "raster/text_layout.h"

namespace tarvenel {
namespace {

bool IsBlank(char32_t c) {
    return c == U' ' || c == U'\t';
}

struct Marked {
    std::u32string chars;
    std::vector<bool> underline;
};

Marked ApplyPrefixes(const std::u32string& text, bool prefix) {
    Marked out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool underline = false;
        if (prefix && text[i] == U'&') {
            if (i + 1 == text.size())
                break; // a lone "&" at the end shows nothing
            ++i;
            underline = text[i] != U'&';
        }
        out.chars.push_back(text[i]);
        out.underline.push_back(underline);
    }
    return out;
}

} // namespace

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        char32_t c = lead;
        if (lead >= 0xC2 && lead < 0xE0) {
            extra = 1;
            c = lead & 0x1F;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            extra = 2;
            c = lead & 0x0F;
        } else if (lead >= 0xF0 && lead < 0xF5) {
            extra = 3;
            c = lead & 0x07;
        }
        bool ok = lead < 0x80 || extra > 0;
        ok = ok && i + extra < text.size();
        for (std::size_t k = 1; ok && k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            ok = (next & 0xC0) == 0x80;
            c = c << 6 | (next & 0x3F);
        }
        if (!ok) {
            out.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        out.push_back(c);
        i += extra + 1;
    }
    return out;
}

bool IsWideCharacter(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
           (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

std::vector<TextLine> LayoutText(std::string_view text, int maxWidth, const TextFormat& format,
                                 const MeasureRun& measure) {
    const Marked marked = ApplyPrefixes(DecodeUtf8(text), format.prefix);
    const std::u32string& s = marked.chars;
    std::vector<TextLine> lines;
    if (s.empty())
        return lines;

    auto emit = [&](std::size_t begin, std::size_t end) {
        if (format.wordBreak)
            while (end > begin && IsBlank(s[end - 1]))
                --end;
        TextLine line;
        line.text = s.substr(begin, end - begin);
        line.underline.assign(marked.underline.begin() + static_cast<std::ptrdiff_t>(begin),
                              marked.underline.begin() + static_cast<std::ptrdiff_t>(end));
        line.width = measure(line.text);
        lines.push_back(std::move(line));
    };
    auto width = [&](std::size_t begin, std::size_t end) {
        return measure(std::u32string_view(s).substr(begin, end - begin));
    };

    std::size_t pos = 0;
    while (pos <= s.size()) {
        // One hard line: up to CR, LF or CR LF.
        std::size_t end = pos;
        while (end < s.size() && s[end] != U'\r' && s[end] != U'\n')
            ++end;
        if (!format.wordBreak) {
            emit(pos, end);
        } else {
            std::size_t lineStart = pos;
            std::size_t i = pos;
            bool lineHasText = false;
            while (i < end) {
                // The next piece: one wide character or a run of other
                // non-blank characters, then the blanks that follow.
                std::size_t wordEnd = i;
                if (IsWideCharacter(s[wordEnd]))
                    ++wordEnd;
                else
                    while (wordEnd < end && !IsBlank(s[wordEnd]) && !IsWideCharacter(s[wordEnd]))
                        ++wordEnd;
                std::size_t next = wordEnd;
                while (next < end && IsBlank(s[next]))
                    ++next;
                if (lineHasText && wordEnd > i && width(lineStart, wordEnd) > maxWidth) {
                    emit(lineStart, i);
                    lineStart = i;
                }
                lineHasText = lineHasText || wordEnd > i;
                i = next;
            }
            emit(lineStart, end);
        }
        if (end >= s.size())
            break;
        pos = end + (s[end] == U'\r' && end + 1 < s.size() && s[end + 1] == U'\n' ? 2 : 1);
        if (pos == s.size())
            break; // a break at the very end starts no further line
    }
    return lines;
}

} // namespace tarvenel

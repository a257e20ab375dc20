#include "support/pixel_art.h"

#include <sstream>
#include <vector>

namespace tarvenel::test {

std::string Art(std::string_view text) {
    std::vector<std::string> rows;
    std::istringstream in{std::string(text)};
    std::string line;
    while (std::getline(in, line)) {
        const auto first = line.find_first_not_of(" \t");
        if (first != std::string::npos)
            rows.push_back(line.substr(first, line.find_last_not_of(" \t") - first + 1));
    }
    std::string out;
    for (std::size_t i = 0; i < rows.size(); ++i)
        out += (i ? "\n" : "") + rows[i];
    return out;
}

std::string RegionArt(const Region& region, const Rect& window) {
    std::string out;
    for (int y = window.top; y < window.bottom; ++y) {
        if (y != window.top)
            out += '\n';
        for (int x = window.left; x < window.right; ++x)
            out += region.Contains(x, y) ? '#' : '.';
    }
    return out;
}

std::string BitmapArt(const Bitmap& bitmap, const Rect& window,
                      const std::map<Rgb, char>& palette) {
    std::string out;
    for (int y = window.top; y < window.bottom; ++y) {
        if (y != window.top)
            out += '\n';
        for (int x = window.left; x < window.right; ++x) {
            if (!bitmap.Contains(x, y)) {
                out += ' ';
                continue;
            }
            const auto it = palette.find(RgbFromPixel(bitmap.At(x, y)));
            out += it == palette.end() ? '?' : it->second;
        }
    }
    return out;
}

} // namespace tarvenel::test

#include "platform/qt/fonts.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/qt/qt_string.h"

namespace tarvenel::qt {

QFont ToQFont(const FontSpec& spec) {
    QFont font(ToQt(spec.name));
    font.setPointSizeF(spec.sizePoints);
    font.setWeight(spec.weight >= 600 ? QFont::Bold : QFont::Normal);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikethrough);
    return font;
}

void UseShippedFontConfig() {
    if (std::getenv("FONTCONFIG_FILE"))
        return;
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return;
    const auto conf = exe.parent_path() / "fonts.conf";
    if (std::filesystem::exists(conf, error))
        ::setenv("FONTCONFIG_FILE", conf.c_str(), 1);
}

} // namespace tarvenel::qt

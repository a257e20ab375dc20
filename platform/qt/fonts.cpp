#include "platform/qt/fonts.h"

#include <QApplication>
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

// The forms, their lists' fields, message boxes and tips all in one font,
// as on the Chinese desktops the forms were drawn for. A field or box left in
// the toolkit's default would also load a second family, with its fallbacks
// for Chinese, before the first window could show.
void UseFormsFont() {
    const QFont forms = ToQFont(FontSpec{});
    if (QApplication::font() != forms)
        QApplication::setFont(forms);
}

// fonts.conf lies beside the executable in the build tree and in
// <prefix>/share/tarvenel once installed; both are found from the executable,
// so that any prefix works.
void UseShippedFontConfig() {
    if (std::getenv("FONTCONFIG_FILE"))
        return;
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return;
    const auto dir = exe.parent_path();
    for (const auto& conf : {dir / "fonts.conf", dir.parent_path() / "share/tarvenel/fonts.conf"}) {
        if (std::filesystem::exists(conf, error)) {
            ::setenv("FONTCONFIG_FILE", conf.c_str(), 1);
            return;
        }
    }
}

} // namespace tarvenel::qt

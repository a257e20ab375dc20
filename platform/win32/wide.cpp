#include "platform/win32/wide.h"

#include "app/text.h"

namespace tarvenel::win32 {

// wchar_t is a UTF-16 unit on Windows: the core's conversion serves both ways.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring Widen(std::string_view utf8) {
    const std::u16string wide = Utf16Of(utf8);
    return std::wstring(wide.begin(), wide.end());
}

std::string Narrow(std::wstring_view wide) {
    return Utf8Of(std::u16string(wide.begin(), wide.end()));
}

} // namespace tarvenel::win32

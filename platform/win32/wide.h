#pragma once
// The core speaks UTF-8; Windows speaks UTF-16. Conversions happen here only,
// at the edge, so that every Chinese text is right on any system code page.
#include <string>
#include <string_view>

namespace tarvenel::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

} // namespace tarvenel::win32

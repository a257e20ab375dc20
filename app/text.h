#pragma once
// Text helpers. Text in the core is UTF-8; "a character" is a code point.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvenel {

// The text without its last character (code point), never a partial byte.
std::string DropLastCharacter(std::string_view text);

// Decimal text to a 16-bit signed integer the way the settings and selector
// entries are read: blanks around the number are allowed, a fraction rounds
// to the nearest integer with ties to even. Empty text, anything that is not
// a number, and values outside -32768..32767 give no result.
std::optional<std::int16_t> ToInt16(std::string_view text);

// A list entry: a number and its unit, such as 23时.
std::string EntryText(int value, const char* unit);
// The entries first to last, both included.
std::vector<std::string> EntryTexts(int first, int last, const char* unit);

// UTF-8 and UTF-16 (what the system's wide-character calls take) both ways.
// A malformed sequence becomes U+FFFD, so nothing is silently dropped.
std::u16string Utf16Of(std::string_view utf8);
std::string Utf8Of(std::u16string_view utf16);

} // namespace tarvenel

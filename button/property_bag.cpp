#include "button/property_bag.h"

#include <algorithm>

namespace tarvenel {

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool SameKey(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

MemoryPropertyBag::MemoryPropertyBag(std::vector<std::pair<std::string, PropertyValue>> entries) {
    for (auto& [key, value] : entries)
        Write(key, std::move(value));
}

const PropertyValue* MemoryPropertyBag::Find(std::string_view key) const {
    for (const auto& entry : entries_)
        if (SameKey(entry.first, key))
            return &entry.second;
    return nullptr;
}

void MemoryPropertyBag::Write(std::string_view key, PropertyValue value) {
    for (auto& entry : entries_)
        if (SameKey(entry.first, key)) {
            entry.second = std::move(value);
            return;
        }
    entries_.emplace_back(std::string(key), std::move(value));
}

std::vector<std::string> MemoryPropertyBag::Keys() const {
    std::vector<std::string> keys;
    for (const auto& entry : entries_)
        keys.push_back(entry.first);
    return keys;
}

std::int64_t ReadInteger(const PropertyBag& bag, std::string_view key, std::int64_t fallback) {
    const PropertyValue* value = bag.Find(key);
    if (!value)
        return fallback;
    if (const auto* number = std::get_if<std::int64_t>(value))
        return *number;
    if (const auto* flag = std::get_if<bool>(value))
        return *flag ? -1 : 0;
    return fallback;
}

bool ReadBoolean(const PropertyBag& bag, std::string_view key, bool fallback) {
    const PropertyValue* value = bag.Find(key);
    if (!value)
        return fallback;
    if (const auto* flag = std::get_if<bool>(value))
        return *flag;
    if (const auto* number = std::get_if<std::int64_t>(value))
        return *number != 0;
    return fallback;
}

OleColour ReadColour(const PropertyBag& bag, std::string_view key, OleColour fallback) {
    const PropertyValue* value = bag.Find(key);
    if (const auto* number = value ? std::get_if<std::int64_t>(value) : nullptr)
        return static_cast<OleColour>(*number); // a signed 32-bit store reads the same
    return fallback;
}

std::string ReadText(const PropertyBag& bag, std::string_view key, const std::string& fallback) {
    const PropertyValue* value = bag.Find(key);
    if (const auto* text = value ? std::get_if<std::string>(value) : nullptr)
        return *text;
    return fallback;
}

FontSpec ReadFont(const PropertyBag& bag, std::string_view key, const FontSpec& fallback) {
    const PropertyValue* value = bag.Find(key);
    if (const auto* font = value ? std::get_if<FontSpec>(value) : nullptr)
        return *font;
    return fallback;
}

PicturePtr ReadPicture(const PropertyBag& bag, std::string_view key, const PicturePtr& fallback) {
    const PropertyValue* value = bag.Find(key);
    if (const auto* picture = value ? std::get_if<PicturePtr>(value) : nullptr)
        return *picture;
    return fallback;
}

} // namespace tarvenel

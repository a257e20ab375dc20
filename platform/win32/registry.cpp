#include "platform/win32/registry.h"

#include <charconv>

namespace tarvenel::module2 {
namespace {

// The first `count` characters (code points) of UTF-8 text: sizes of text
// values count characters, not bytes.
std::string FirstCharacters(const std::string& text, std::uint32_t count) {
    std::size_t end = 0;
    for (std::uint32_t seen = 0; end < text.size(); ++end) {
        if ((static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            continue;
        if (seen++ == count)
            break;
    }
    return text.substr(0, end);
}

} // namespace

RegStatus WriteValueToKey(Registry& registry, RegKey key, const std::string& name,
                          std::uint32_t type, const std::string& text, std::uint32_t number) {
    if (type == reg::kSz)
        return registry.SetString(key, name, text);
    if (type == reg::kDword)
        return registry.SetDword(key, name, number);
    return reg::kSuccess;
}

ReadResult ReadValueFromKey(Registry& registry, RegKey key, const std::string& name) {
    std::uint32_t type = reg::kNone;
    std::uint32_t size = 0;
    ReadResult result;
    result.status = registry.QueryValueInfo(key, name, type, size);
    if (result.status != reg::kSuccess)
        return result;
    if (type == reg::kSz) {
        std::string text;
        result.status = registry.QueryString(key, name, size, text);
        if (result.status == reg::kSuccess)
            result.value = FirstCharacters(text, size);
    } else if (type == reg::kDword) {
        std::uint32_t number = 0;
        result.status = registry.QueryDword(key, name, number);
        if (result.status == reg::kSuccess)
            result.value = std::to_string(number);
    } else {
        result.status = reg::kUnsupportedType;
    }
    return result;
}

RegStatus EnsureKey(Registry& registry, RootKey root, const std::string& subKey) {
    RegKey key = 0;
    const RegStatus status =
        registry.CreateKey(root, subKey, reg::kOptionNonVolatile, reg::kAccessMask, key);
    if (status == reg::kSuccess)
        registry.CloseKey(key);
    return status;
}

RegStatus WriteRegistryValue(Registry& registry, RootKey root, const std::string& subKey,
                             const std::string& name, const std::string& value,
                             std::uint32_t type) {
    RegKey key = 0;
    RegStatus status = registry.OpenKey(root, subKey, reg::kAccessMask, key);
    if (status != reg::kSuccess)
        return status;
    std::uint32_t number = 0;
    if (type == reg::kDword) {
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), number);
        if (error != std::errc() || end != value.data() + value.size()) {
            registry.CloseKey(key);
            return reg::kInvalidParameter;
        }
    }
    status = WriteValueToKey(registry, key, name, type, value, number);
    registry.CloseKey(key);
    return status;
}

std::string ReadRegistryValue(Registry& registry, RootKey root, const std::string& subKey,
                              const std::string& name) {
    RegKey key = 0;
    // Read rights only: asking for write rights too would make a standard
    // user read nothing from the machine-wide start-up list.
    if (registry.OpenKey(root, subKey, reg::kReadAccess, key) != reg::kSuccess)
        return {};
    const ReadResult result = ReadValueFromKey(registry, key, name);
    registry.CloseKey(key);
    return result.status == reg::kSuccess ? result.value : std::string();
}

} // namespace tarvenel::module2

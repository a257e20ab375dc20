#pragma once
// A small view of the Windows registry: the primitives the start-up entry
// needs, with the system's status codes. The Windows build calls the real
// registry; tests use an in-memory one that behaves alike.
#include <cstdint>
#include <string>

namespace tarvenel {

enum class RootKey { CurrentUser, LocalMachine };

using RegKey = std::uintptr_t;
using RegStatus = long;

namespace reg {
inline constexpr RegStatus kSuccess = 0;
inline constexpr RegStatus kFileNotFound = 2;
inline constexpr RegStatus kAccessDenied = 5;
inline constexpr RegStatus kInvalidHandle = 6;
inline constexpr RegStatus kInvalidParameter = 87;
inline constexpr RegStatus kMoreData = 234;
inline constexpr RegStatus kUnsupportedType = -1; // our own: neither text nor number

inline constexpr std::uint32_t kNone = 0;
inline constexpr std::uint32_t kSz = 1;
inline constexpr std::uint32_t kBinary = 3;
inline constexpr std::uint32_t kDword = 4;

inline constexpr std::uint32_t kOptionNonVolatile = 0;
// Query, set, create sub-key, enumerate, notify, create link.
inline constexpr std::uint32_t kAccessMask = 0x3F;
// Reading only (KEY_READ): what a standard user is granted on the machine's
// keys, where 0x3F is refused.
inline constexpr std::uint32_t kReadAccess = 0x20019;
} // namespace reg

class Registry {
public:
    virtual ~Registry() = default;
    virtual RegStatus OpenKey(RootKey root, const std::string& subKey, std::uint32_t access,
                              RegKey& key) = 0;
    virtual RegStatus CreateKey(RootKey root, const std::string& subKey, std::uint32_t options,
                                std::uint32_t access, RegKey& key) = 0;
    // Type and size of a value; the size of text counts characters.
    virtual RegStatus QueryValueInfo(RegKey key, const std::string& name, std::uint32_t& type,
                                     std::uint32_t& size) = 0;
    // Text of a value into a buffer of `capacity` characters (kMoreData when
    // too small). The text may hold NUL characters.
    virtual RegStatus QueryString(RegKey key, const std::string& name, std::uint32_t capacity,
                                  std::string& text) = 0;
    virtual RegStatus QueryDword(RegKey key, const std::string& name, std::uint32_t& value) = 0;
    virtual RegStatus SetString(RegKey key, const std::string& name, const std::string& text) = 0;
    virtual RegStatus SetDword(RegKey key, const std::string& name, std::uint32_t value) = 0;
    virtual RegStatus CloseKey(RegKey key) = 0;
};

// The registry operations of the program (Module2).
namespace module2 {

// Writes a text (type kSz) or a number (kDword) into an open key; any other
// type writes nothing and reports success.
RegStatus WriteValueToKey(Registry& registry, RegKey key, const std::string& name,
                          std::uint32_t type, const std::string& text, std::uint32_t number = 0);

struct ReadResult {
    RegStatus status = reg::kSuccess;
    std::string value; // empty whenever status is not success
};

// Reads text, or a number as decimal text, from an open key.
ReadResult ReadValueFromKey(Registry& registry, RegKey key, const std::string& name);

// Creates the key when it is missing (and closes it again).
RegStatus EnsureKey(Registry& registry, RootKey root, const std::string& subKey);

RegStatus WriteRegistryValue(Registry& registry, RootKey root, const std::string& subKey,
                             const std::string& name, const std::string& value, std::uint32_t type);

// The value's text, empty on any failure.
std::string ReadRegistryValue(Registry& registry, RootKey root, const std::string& subKey,
                              const std::string& name);

} // namespace module2
} // namespace tarvenel

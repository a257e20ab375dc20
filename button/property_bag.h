#pragma once
// The name/value pairs under which a form stores each of its buttons. Keys are
// matched without regard to case, as the classic form files do.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "button/picture.h"
#include "raster/colour.h"
#include "raster/font.h"

namespace tarvenel {

// Numbers (colours included) are stored as integers; a colour keeps its
// 0x00BBGGRR or 0x800000nn value.
using PropertyValue = std::variant<std::int64_t, bool, std::string, FontSpec, PicturePtr>;

class PropertyBag {
public:
    virtual ~PropertyBag() = default;
    // The stored value, or null when the key is missing.
    virtual const PropertyValue* Find(std::string_view key) const = 0;
    // Stores the value, replacing one stored under the same key in any case.
    virtual void Write(std::string_view key, PropertyValue value) = 0;
};

// Keeps the pairs in the order they were first written, with the key spelt
// as it was written.
class MemoryPropertyBag : public PropertyBag {
public:
    MemoryPropertyBag() = default;
    MemoryPropertyBag(std::vector<std::pair<std::string, PropertyValue>> entries);

    const PropertyValue* Find(std::string_view key) const override;
    void Write(std::string_view key, PropertyValue value) override;

    const std::vector<std::pair<std::string, PropertyValue>>& Entries() const { return entries_; }
    std::vector<std::string> Keys() const;
    bool operator==(const MemoryPropertyBag& other) const { return entries_ == other.entries_; }

private:
    std::vector<std::pair<std::string, PropertyValue>> entries_;
};

bool SameKey(std::string_view a, std::string_view b);

// Typed reading: a missing key, or a value of a kind that cannot stand for
// the wanted one, gives the fallback. Booleans read as integers are 0 and -1.
std::int64_t ReadInteger(const PropertyBag& bag, std::string_view key, std::int64_t fallback);
bool ReadBoolean(const PropertyBag& bag, std::string_view key, bool fallback);
OleColour ReadColour(const PropertyBag& bag, std::string_view key, OleColour fallback);
std::string ReadText(const PropertyBag& bag, std::string_view key, const std::string& fallback);
FontSpec ReadFont(const PropertyBag& bag, std::string_view key, const FontSpec& fallback);
PicturePtr ReadPicture(const PropertyBag& bag, std::string_view key, const PicturePtr& fallback);

} // namespace tarvenel

#pragma once
// The access key a caption marks with "&".
#include <optional>
#include <string>

namespace tarvenel {

// The character after the last "&" ("Save &As" gives "A", "a&&b" gives "b",
// a trailing "&" gives ""); nothing when the caption holds no "&", so the
// previous key stays. A character is a whole UTF-8 sequence.
std::optional<std::string> AccessKeyOf(const std::string& caption);

} // namespace tarvenel

#pragma once
#include <string>

namespace tarvenel {

// Characters the notification icon's tip can hold, its terminating NUL
// included (UTF-16 code units).
inline constexpr int kTrayTipField = 64;

// The tip: title and version, a line break, then the target label. Cut to the
// field without splitting a character.
std::string TrayTipText(const std::string& targetCaption);

} // namespace tarvenel

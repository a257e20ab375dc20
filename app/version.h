#pragma once
#include <string>

namespace tarvenel {

inline constexpr const char* kAppTitle = "Tarvenel";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 5;
inline constexpr int kVersionRevision = 0;

// "Tarvenel 1.5.0": the window caption and the start of the tray tip.
inline std::string TitleWithVersion() {
    return std::string(kAppTitle) + " " + std::to_string(kVersionMajor) + "." +
           std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision);
}

} // namespace tarvenel

#pragma once
// Every web address the program shows or opens. None of them belongs to a
// third party.

namespace tarvenel {

inline constexpr const char* kProductPageUrl = "https://tarvenel.example.org/";
inline constexpr const char* kMakerHomeUrl = "https://www.example.org/";
inline constexpr const char* kMakerSiteName = "www.example.org";

// The credit label in the bottom-right corner of the main window.
inline constexpr const char* kCreditLine = "Tarvenel 工作室出品 www.example.org";

} // namespace tarvenel

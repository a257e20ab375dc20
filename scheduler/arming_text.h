#pragma once
// The arm button's refusals, which the command line repeats word for word.

namespace tarvenel {

inline constexpr const char* kTooSoon = "设定的关机时间必须在当前时间30秒以后！";
inline constexpr const char* kInvalidTarget = "设定的关机时间无效！";
// What the window adds to kInvalidTarget: the lists are where to fix it.
inline constexpr const char* kInvalidTargetHint =
    "\r\n请从列表中选择年、月、日、时、分、秒，组成一个真实存在的日期和时间。";

} // namespace tarvenel

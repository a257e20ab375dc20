#pragma once
// The clock line shows whole seconds of the wall clock. A once-a-second timer
// that runs just after each second begins changes the line when the second
// changes, and sees an armed target at the start of its second instead of up
// to a second late.
namespace tarvenel {

// How far into the new second the tick lands, so that it never reads the
// clock a hair before the second turns.
inline constexpr int kPastSecondMs = 5;

// The delay from `msIntoSecond` (0 to 999) milliseconds into the wall
// clock's current second until just after the next second begins.
constexpr int MsUntilNextSecond(int msIntoSecond) {
    return 1000 - msIntoSecond + kPastSecondMs;
}

} // namespace tarvenel

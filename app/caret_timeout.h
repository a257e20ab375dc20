#pragma once
// How long a text caret blinks after the last key, click or focus change
// before it stays lit, as with Windows' caret time-out: a caret that blinks
// all day wakes an idle program twice a second.
namespace tarvenel {

inline constexpr int kCaretBlinkTimeoutMs = 5000;

} // namespace tarvenel

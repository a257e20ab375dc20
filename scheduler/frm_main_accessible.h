#pragma once
// The main window's drawn controls as screen readers see them (the buttons
// describe themselves; the lists, option boxes and time lines are native).
#include <cstddef>
#include <string>

#include "app/accessible.h"

namespace tarvenel {

// Label0 to LbBR by their place in the form's table: the time lines are
// labels, the others links; each is named by the text it shows.
AccessibleInfo DescribeMainWindowLabel(std::size_t index, const std::string& text);
// Immin and Imclose: push buttons named by their tool-tips.
AccessibleInfo DescribeCaptionImage(std::size_t index);
// Image1, the tick shown while a shutdown is armed.
AccessibleInfo DescribeArmedTick();

} // namespace tarvenel

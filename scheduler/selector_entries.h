#pragma once
// Entries of the selector lists: a number in plain decimal followed by its
// unit character ("2026年", "9日", "0时").
#include <string>

#include "app/controls.h"

namespace tarvenel {

inline std::string EntryText(int value, const char* unit) {
    return std::to_string(value) + unit;
}

// Adds first..last, in ascending order.
inline void FillNumbered(ComboBox& combo, int first, int last, const char* unit) {
    for (int i = first; i <= last; ++i)
        combo.AddItem(EntryText(i, unit));
}

} // namespace tarvenel

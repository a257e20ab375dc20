#pragma once
// Qt's input in the classic numbers the forms use.
#include <Qt>

namespace tarvenel::qt {

// Mouse buttons: left 1, right 2, middle 4; shift keys: Shift 1, Ctrl 2, Alt 4.
int ButtonNumber(Qt::MouseButton button);
int ButtonsNumber(Qt::MouseButtons buttons);
int ShiftNumber(Qt::KeyboardModifiers modifiers);
// The classic virtual-key number of a Qt key (0 for keys the forms never see).
int VirtualKeyOf(int qtKey);

} // namespace tarvenel::qt

#pragma once
// The eight looks of ButtonStyle. Each chooses its colours and then paints
// background, bevel (or the elliptic extras), focus, caption and picture.
#include "button/painter.h"

namespace tarvenel {

// Paints the whole face of the button in the look of its ButtonStyle.
void PaintLook(ButtonPainter& painter);

} // namespace tarvenel

#pragma once
// Fonts: the forms' font descriptions as QFonts, and the fontconfig file
// shipped beside the program that maps the Windows CJK font names.
#include <QFont>

#include "raster/font.h"

namespace tarvenel::qt {

QFont ToQFont(const FontSpec& spec);

// Points fontconfig at the file beside the executable, unless the user has
// chosen a configuration. Must run before the first font is used.
void UseShippedFontConfig();

} // namespace tarvenel::qt

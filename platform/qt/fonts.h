#pragma once
// Fonts: the forms' font descriptions as QFonts, and the fontconfig file
// shipped beside the program that maps the Windows CJK font names, and the
// application's font.
#include <QFont>

#include "raster/font.h"

namespace tarvenel::qt {

QFont ToQFont(const FontSpec& spec);

// Points fontconfig at the file beside the executable, unless the user has
// chosen a configuration. Must run before the first font is used.
void UseShippedFontConfig();

// Makes the forms' font the application's, for every widget made after;
// each form does so when made.
void UseFormsFont();

} // namespace tarvenel::qt

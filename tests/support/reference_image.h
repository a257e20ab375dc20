#pragma once
// Reference images: whole pictures compared pixel for pixel with PNG files
// under tests/reference. Run with TARVENEL_RECORD=1 to (re)write the expected
// files from what the code draws now; check the new pictures before
// committing them. A mismatch leaves NAME.actual.png and NAME.diff.png (the
// differing pixels in red) in the test's working directory.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "raster/bitmap.h"

namespace tarvenel::test {

std::vector<unsigned char> EncodePng(const Bitmap& bitmap);
bool WritePng(const std::filesystem::path& path, const Bitmap& bitmap);
Bitmap ReadPng(const std::filesystem::path& path); // empty when missing or unreadable

::testing::AssertionResult MatchesReference(const Bitmap& actual, const std::string& name);

} // namespace tarvenel::test

#include "support/reference_image.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

#include "raster/png.h"

namespace tarvenel::test {
namespace {

void Append(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<unsigned char>*>(context);
    const auto* bytes = static_cast<const unsigned char*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

bool Recording() {
    const char* value = std::getenv("TARVENEL_RECORD");
    return value != nullptr && std::string(value) == "1";
}

} // namespace

std::vector<unsigned char> EncodePng(const Bitmap& bitmap) {
    std::vector<unsigned char> rgba;
    rgba.reserve(static_cast<std::size_t>(bitmap.Width()) * bitmap.Height() * 4);
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            const Pixel p = bitmap.At(x, y);
            rgba.push_back(static_cast<unsigned char>(p >> 16));
            rgba.push_back(static_cast<unsigned char>(p >> 8));
            rgba.push_back(static_cast<unsigned char>(p));
            rgba.push_back(static_cast<unsigned char>(p >> 24));
        }
    std::vector<unsigned char> png;
    if (!bitmap.Empty())
        stbi_write_png_to_func(Append, &png, bitmap.Width(), bitmap.Height(), 4, rgba.data(),
                               bitmap.Width() * 4);
    return png;
}

bool WritePng(const std::filesystem::path& path, const Bitmap& bitmap) {
    const auto png = EncodePng(bitmap);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    return !png.empty() && out.good();
}

Bitmap ReadPng(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in),
                                           std::istreambuf_iterator<char>()};
    return DecodePng(bytes);
}

::testing::AssertionResult MatchesReference(const Bitmap& actual, const std::string& name) {
    const std::filesystem::path expectedPath =
        std::filesystem::path(TARVENEL_REFERENCE_DIR) / (name + ".png");
    if (Recording()) {
        std::error_code ignored;
        std::filesystem::create_directories(expectedPath.parent_path(), ignored);
        if (!WritePng(expectedPath, actual))
            return ::testing::AssertionFailure() << "could not record " << expectedPath;
        return ::testing::AssertionSuccess() << "recorded " << expectedPath;
    }
    const Bitmap expected = ReadPng(expectedPath);
    if (expected.Empty())
        return ::testing::AssertionFailure()
               << "no reference image " << expectedPath << " (record it with TARVENEL_RECORD=1)";
    if (expected.SamePixels(actual))
        return ::testing::AssertionSuccess();

    int differing = 0;
    Bitmap diff(actual.Width(), actual.Height());
    for (int y = 0; y < actual.Height(); ++y)
        for (int x = 0; x < actual.Width(); ++x) {
            const Pixel a = actual.At(x, y);
            const bool same = expected.Contains(x, y) && expected.At(x, y) == a;
            const Pixel grey = ((a >> 16 & 0xFF) + (a >> 8 & 0xFF) + (a & 0xFF)) / 6 + 128;
            diff.Set(x, y, same ? kOpaque | grey << 16 | grey << 8 | grey : 0xFFFF0000u);
            differing += same ? 0 : 1;
        }
    const auto actualPath = std::filesystem::absolute(name + ".actual.png");
    const auto diffPath = std::filesystem::absolute(name + ".diff.png");
    std::error_code ignored;
    std::filesystem::create_directories(actualPath.parent_path(), ignored);
    WritePng(actualPath, actual);
    WritePng(diffPath, diff);
    return ::testing::AssertionFailure()
           << name << ": " << differing << " pixels differ from " << expectedPath << " (expected "
           << expected.Width() << "x" << expected.Height() << ", actual " << actual.Width() << "x"
           << actual.Height() << "); see " << actualPath << " and " << diffPath;
}

} // namespace tarvenel::test

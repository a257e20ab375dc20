#include "raster/bitmap.h"

#include <algorithm>
#include <utility>

namespace tarvenel {

Bitmap::Bitmap(int width, int height, Pixel fill) {
    if (width <= 0 || height <= 0)
        return;
    owned_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
    pixels_ = owned_.data();
    width_ = width;
    height_ = height;
    stride_ = width;
}

Bitmap Bitmap::Wrap(Pixel* pixels, int width, int height, int stridePixels) {
    Bitmap view;
    if (pixels == nullptr || width <= 0 || height <= 0)
        return view;
    view.pixels_ = pixels;
    view.width_ = width;
    view.height_ = height;
    view.stride_ = stridePixels;
    return view;
}

Bitmap::Bitmap(const Bitmap& other) {
    CopyFrom(other);
}

Bitmap& Bitmap::operator=(const Bitmap& other) {
    if (this != &other) {
        Bitmap copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Bitmap::Bitmap(Bitmap&& other) noexcept {
    *this = std::move(other);
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this == &other)
        return *this;
    const bool owning = !other.owned_.empty();
    owned_ = std::move(other.owned_);
    // Moving a vector keeps its buffer, so the pointer stays valid either way.
    pixels_ = owning ? owned_.data() : other.pixels_;
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    stride_ = std::exchange(other.stride_, 0);
    other.pixels_ = nullptr;
    other.owned_.clear();
    return *this;
}

void Bitmap::CopyFrom(const Bitmap& other) {
    if (other.Empty())
        return;
    owned_.resize(static_cast<std::size_t>(other.width_) * static_cast<std::size_t>(other.height_));
    pixels_ = owned_.data();
    width_ = other.width_;
    height_ = other.height_;
    stride_ = other.width_;
    for (int y = 0; y < height_; ++y)
        std::copy_n(other.Row(y), width_, Row(y));
}

void Bitmap::Fill(Pixel p) {
    for (int y = 0; y < height_; ++y)
        std::fill_n(Row(y), width_, p);
}

bool Bitmap::SamePixels(const Bitmap& other) const {
    if (width_ != other.width_ || height_ != other.height_)
        return false;
    for (int y = 0; y < height_; ++y)
        if (!std::equal(Row(y), Row(y) + width_, other.Row(y)))
            return false;
    return true;
}

} // namespace tarvenel

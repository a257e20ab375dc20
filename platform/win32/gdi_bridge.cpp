#include "platform/win32/gdi_bridge.h"

#include <algorithm>
#include <vector>

namespace tarvenel::win32 {
namespace {

BITMAPINFO TopDownInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // rows top to bottom, like Bitmap
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

} // namespace

HRGN CreateGdiRegion(const Region& region) {
    const std::vector<Rect> rects = region.Rectangles();
    std::vector<char> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(rects.size());
    const Rect bounds = region.Bounds();
    header->rcBound = {bounds.left, bounds.top, bounds.right, bounds.bottom};
    auto* out = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    for (std::size_t i = 0; i < rects.size(); ++i)
        out[i] = {rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
    return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                           reinterpret_cast<const RGNDATA*>(data.data()));
}

HBITMAP CreateDibSection(const Bitmap& bitmap) {
    const BITMAPINFO info = TopDownInfo(bitmap.Width(), bitmap.Height());
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib)
        return nullptr;
    auto* pixels = static_cast<Pixel*>(bits);
    for (int y = 0; y < bitmap.Height(); ++y)
        std::copy_n(bitmap.Row(y), bitmap.Width(),
                    pixels + static_cast<std::ptrdiff_t>(y) * bitmap.Width());
    return dib;
}

void DrawBitmap(HDC dc, int x, int y, const Bitmap& bitmap) {
    if (bitmap.Empty())
        return;
    // SetDIBitsToDevice wants the rows packed: copy when the bitmap is a view.
    const Bitmap packed = bitmap.Stride() == bitmap.Width() ? Bitmap() : bitmap;
    const Bitmap& source = packed.Empty() ? bitmap : packed;
    const BITMAPINFO info = TopDownInfo(source.Width(), source.Height());
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(source.Width()),
                      static_cast<DWORD>(source.Height()), 0, 0, 0,
                      static_cast<UINT>(source.Height()), source.Row(0), &info, DIB_RGB_COLORS);
}

} // namespace tarvenel::win32

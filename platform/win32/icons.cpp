#include "platform/win32/icons.h"

#include <utility>

namespace tarvenel::win32 {
namespace {

long BigEndian32(const unsigned char* p) {
    return static_cast<long>(static_cast<unsigned long>(p[0]) << 24 | p[1] << 16 | p[2] << 8 |
                             p[3]);
}

} // namespace

IconHandle& IconHandle::operator=(IconHandle&& other) noexcept {
    std::swap(icon_, other.icon_);
    return *this;
}

IconHandle::~IconHandle() {
    if (icon_)
        DestroyIcon(icon_);
}

SIZE ArtworkSize(Artwork which) {
    const auto png = ArtworkPng(which);
    // Signature (8 bytes), chunk length and type (8), then width and height.
    if (png.size() < 24)
        return {0, 0};
    return {BigEndian32(png.data() + 16), BigEndian32(png.data() + 20)};
}

IconHandle ArtworkIcon(Artwork which) {
    const auto png = ArtworkPng(which);
    const SIZE size = ArtworkSize(which);
    HICON icon =
        CreateIconFromResourceEx(const_cast<BYTE*>(png.data()), static_cast<DWORD>(png.size()),
                                 TRUE, 0x00030000, size.cx, size.cy, LR_DEFAULTCOLOR);
    return IconHandle(icon);
}

IconHandle ArtworkCursor(Artwork which, int hotSpotX, int hotSpotY) {
    const IconHandle icon = ArtworkIcon(which);
    ICONINFO info{};
    if (!icon.Get() || !GetIconInfo(icon.Get(), &info))
        return {};
    info.fIcon = FALSE;
    info.xHotspot = static_cast<DWORD>(hotSpotX);
    info.yHotspot = static_cast<DWORD>(hotSpotY);
    HICON cursor = CreateIconIndirect(&info);
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    return IconHandle(cursor);
}

} // namespace tarvenel::win32

#pragma once
// Icons and cursors made at run time from the embedded PNG artwork: the
// system takes PNG data as an icon image directly, alpha channel included.
#include "platform/win32/win_api.h"

#include "resources/artwork.h"

namespace tarvenel::win32 {

// Owns one icon or cursor handle.
class IconHandle {
public:
    IconHandle() = default;
    explicit IconHandle(HICON icon) : icon_(icon) {}
    IconHandle(IconHandle&& other) noexcept : icon_(other.icon_) { other.icon_ = nullptr; }
    IconHandle& operator=(IconHandle&& other) noexcept;
    IconHandle(const IconHandle&) = delete;
    IconHandle& operator=(const IconHandle&) = delete;
    ~IconHandle();
    HICON Get() const { return icon_; }

private:
    HICON icon_ = nullptr;
};

// The picture's pixel size, read from its PNG header (0 x 0 when it is none).
SIZE ArtworkSize(Artwork which);
IconHandle ArtworkIcon(Artwork which);
IconHandle ArtworkCursor(Artwork which, int hotSpotX, int hotSpotY);

} // namespace tarvenel::win32

#include "support/main_window_harness.h"

#include <algorithm>
#include <stdexcept>

#include "raster/png.h"
#include "resources/artwork.h"

namespace tarvenel::test {
namespace {

// True when `shown` has `picture`'s colour wherever the picture is opaque
// (anything else in it lies over the background).
bool ShowsOpaquePart(const Bitmap& shown, const Bitmap& picture) {
    bool any = false;
    for (int y = 0; y < picture.Height() && y < shown.Height(); ++y)
        for (int x = 0; x < picture.Width() && x < shown.Width(); ++x)
            if ((picture.At(x, y) >> 24) == 0xFF) {
                if (shown.At(x, y) != picture.At(x, y))
                    return false;
                any = true;
            }
    return any;
}

} // namespace

void MainWindowHarness::Choose(const std::string& list, const std::string& entry) {
    const auto& entries = (*this)[list].entries;
    const auto found = std::find(entries.begin(), entries.end(), entry);
    if (found == entries.end())
        throw std::out_of_range(list + " has no entry " + entry);
    Choose(list, static_cast<int>(found - entries.begin()));
}

void MainWindowHarness::Choose(const std::string& list, int index) {
    (*this)[list].Choose(index);
    native.Send({native.Find(list), FormEventKind::Chosen});
}

void MainWindowHarness::ClickBox(const std::string& name, float x, float y, int button) {
    const int id = native.Find(name);
    FakeNativeForm::Control& box = native.Get(id);
    native.Send({id, FormEventKind::MouseDown, button, 0, 5, 5});
    const bool inside = x >= 0 && y >= 0 && x < TwipsToPixels(box.place.width) &&
                        y < TwipsToPixels(box.place.height);
    if (button == 1 && inside)
        box.checked = !box.checked;
    native.Send({id, FormEventKind::MouseUp, button, 0, x, y});
}

void MainWindowHarness::SpaceOnBox(const std::string& name) {
    const int id = native.Find(name);
    native.Get(id).checked = !native.Get(id).checked;
    native.Send({id, FormEventKind::Toggled, 1});
}

int MainWindowHarness::ClockTimer() {
    // The window adds the clock line's timer just before the restore timer,
    // whose number shows when it starts; a new window runs the first.
    const auto before = native.due;
    Timer2.SetEnabled(true);
    int restore = -1;
    for (const auto& [timer, due] : native.due)
        if (!before.count(timer))
            restore = timer;
    Timer2.SetEnabled(false);
    if (!native.due.count(restore - 1))
        throw std::logic_error("the clock line's timer is not running in a new window");
    return restore - 1;
}

ImageFace MainWindowHarness::FaceOf(const std::string& name) {
    const FakeNativeForm::Control& image = (*this)[name];
    const bool min = name == "Immin";
    const Bitmap hover = DecodePng(ArtworkPng(min ? Artwork::MinHover : Artwork::CloseHover));
    const Bitmap pressed = DecodePng(ArtworkPng(min ? Artwork::MinPressed : Artwork::ClosePressed));
    // With no face the image shows the window's background where it stands.
    const Bitmap& background = native.window.face;
    const int left = TwipsToPixels(image.place.left);
    const int top = TwipsToPixels(image.place.top);
    bool plain = true;
    for (int y = 0; y < image.face.Height() && plain; ++y)
        for (int x = 0; x < image.face.Width() && plain; ++x)
            if (background.Contains(left + x, top + y))
                plain = image.face.At(x, y) == (background.At(left + x, top + y) | kOpaque);
    if (plain && !ShowsOpaquePart(image.face, hover) && !ShowsOpaquePart(image.face, pressed))
        return ImageFace::None;
    if (ShowsOpaquePart(image.face, hover) && !ShowsOpaquePart(image.face, pressed))
        return ImageFace::Hover;
    if (ShowsOpaquePart(image.face, pressed) && !ShowsOpaquePart(image.face, hover))
        return ImageFace::Pressed;
    throw std::logic_error(name + " shows none of its three faces");
}

} // namespace tarvenel::test

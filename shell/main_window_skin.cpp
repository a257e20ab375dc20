#include "shell/main_window_skin.h"

#include <cmath>

#include "raster/canvas.h"
#include "shell/window_shape.h"

namespace tarvenel {
namespace {

int ToPixels(double twips) {
    return static_cast<int>(std::nearbyint(twips / kFormTwipsPerPixel));
}

// One skin piece: destination and source rectangles in twips (x, y, w, h).
struct Piece {
    int dx, dy, dw, dh;
    int sx, sy, sw, sh;
};

// Runs one step of the resize handler; a failing step is skipped.
template <typename Step> void Skip(Step step) {
    try {
        step();
    } catch (...) {
    }
}

} // namespace

MainWindowLayout LayOutMainWindow(int width, int height, int creditWidth, int creditHeight) {
    MainWindowLayout layout;
    layout.creditTop = height - creditHeight - 75;
    layout.creditLeft = width - creditWidth - 120;
    layout.captionStripWidth = width - 675;
    layout.minimiseTop = 75;
    layout.minimiseLeft = width - 630;
    layout.closeTop = 75;
    layout.closeLeft = width - 315;
    return layout;
}

Bitmap ComposeMainWindowBackground(int width, int height, const Bitmap& skin, const Bitmap& icon,
                                   TextRenderer& text, const FontSpec& font,
                                   const std::string& caption) {
    Bitmap background(ToPixels(width), ToPixels(height), PixelFromRgb(kMainBackColour));
    if (background.Empty())
        return background;
    Canvas canvas(background);

    const int W = width;
    const int H = height;
    const int PW = skin.Width() * kFormTwipsPerPixel;
    const int PH = skin.Height() * kFormTwipsPerPixel;
    // The edges stretch a narrow band of the skin over the whole length; the
    // corners, painted last, cover the ends of the edges.
    const Piece pieces[] = {
        {420, 0, W, 600, 420, 0, 120, 600},                // top edge
        {420, H - 600, W, 600, 420, PH - 600, 120, 600},   // bottom edge
        {0, 0, 200, H, 0, 880, 200, 40},                   // left edge
        {W - 200, 0, 200, H, PW - 200, 880, 200, 40},      // right edge
        {0, 0, 450, 600, 0, 0, 450, 600},                  // top-left corner
        {0, H - 600, 450, 600, 0, PH - 600, 450, 600},     // bottom-left corner
        {W - 1665, 0, 1665, 435, PW - 1665, 0, 1665, 435}, // top-right, caption buttons
        {W - 1665, H - 525, 1665, 525, PW - 1665, PH - 525, 1665, 525}, // bottom-right corner
    };
    for (const Piece& p : pieces)
        canvas.TransparentBlt(ToPixels(p.dx), ToPixels(p.dy), ToPixels(p.dw), ToPixels(p.dh), skin,
                              ToPixels(p.sx), ToPixels(p.sy), ToPixels(p.sw), ToPixels(p.sh));

    canvas.TransparentBlt(ToPixels(100), ToPixels(80), ToPixels(240), ToPixels(240), icon, 0, 0,
                          ToPixels(240), ToPixels(240));

    Skip([&] {
        canvas.SetTextColour(kCaptionTextColour);
        canvas.SetTransparentBackground(true);
        const int x = ToPixels(420);
        const int y = ToPixels(100);
        text.Draw(canvas, caption, font, {x, y, background.Width(), background.Height()},
                  {TextAlign::Left, /*wordBreak=*/false, /*prefix=*/false});
    });
    return background;
}

WindowPosition ClampWindowPosition(WindowPosition stored, double width, double height,
                                   const ScreenArea& screen) {
    auto whole = [](double value) { return static_cast<std::int32_t>(std::nearbyint(value)); };
    if (stored.left < screen.left)
        stored.left = whole(screen.left);
    if (stored.top < screen.top)
        stored.top = whole(screen.top);
    if (screen.left + screen.width - width < stored.left)
        stored.left = whole(screen.left + screen.width - width);
    if (screen.top + screen.height - height < stored.top)
        stored.top = whole(screen.top + screen.height - height);
    return stored;
}

void ResizeMainWindow(const MainWindowResizeInput& in, WindowPosition& stored,
                      MainWindowSurface& surface, TextRenderer& text) {
    const MainWindowLayout layout =
        LayOutMainWindow(in.width, in.height, in.creditWidth, in.creditHeight);
    Skip([&] { surface.PlaceCredit(layout.creditLeft, layout.creditTop, kCreditForeColour); });
    Skip([&] { surface.SetCaptionStripWidth(layout.captionStripWidth); });
    Skip([&] { surface.PlaceMinimise(layout.minimiseLeft, layout.minimiseTop); });
    Skip([&] { surface.PlaceClose(layout.closeLeft, layout.closeTop); });
    Skip([&] {
        surface.SetBackground(ComposeMainWindowBackground(in.width, in.height, in.skin, in.icon,
                                                          text, in.font, in.caption));
    });
    Skip([&] { surface.SetRegion(MainWindowRegion(in.width, in.height)); });
    Skip([&] {
        stored = ClampWindowPosition(stored, in.width, in.height, in.screen);
        surface.MoveTo(stored.left, stored.top);
    });
}

} // namespace tarvenel

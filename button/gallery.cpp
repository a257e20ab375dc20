#include "button/gallery.h"

#include "button/offscreen_host.h"
#include "raster/canvas.h"

namespace tarvenel {

namespace {

constexpr int kShapes = 7;
constexpr int kStyles = 8;
constexpr ButtonPose kPoses[] = {ButtonPose::Normal, ButtonPose::Hover, ButtonPose::Pressed,
                                 ButtonPose::Default, ButtonPose::Disabled};
constexpr int kPoseCount = 5;

struct Variant {
    int mode;
    bool value;
};
constexpr Variant kVariants[] = {{0, false}, {1, false}, {1, true}};

Bitmap DrawOne(int style, int shape, Variant variant, ButtonPose pose, TextRenderer& text,
               const GallerySettings& s) {
    ButtonContainer container(RgbFromPixel(s.background));
    OffscreenButton b(container, s.buttonWidth, s.buttonHeight, text);
    XPButton& button = b.button;
    button.InitProperties();
    button.DelayDrawing(true);
    button.SetBackColor(kSysButtonFace);
    button.SetCaption(s.caption);
    button.SetButtonStyle(style);
    button.SetMode(variant.mode);
    button.SetValue(variant.value);
    button.SetButtonShape(shape); // clears the delay and runs the resize sequence
    b.Pose(pose);
    return b.host.Shown(s.background);
}

} // namespace

Bitmap LookSheet(int style, TextRenderer& text, const GallerySettings& s) {
    const int columns = kPoseCount * 3;
    const int cellW = s.buttonWidth + s.gap;
    const int cellH = s.buttonHeight + s.gap;
    // Slanted buttons may grow; leave them room.
    Bitmap sheet(columns * cellW + s.gap + 3 * s.gap, kShapes * cellH + s.gap, s.background);
    Canvas canvas(sheet);
    for (int shape = 0; shape < kShapes; ++shape) {
        for (int v = 0; v < 3; ++v) {
            for (int p = 0; p < kPoseCount; ++p) {
                const Bitmap one = DrawOne(style, shape, kVariants[v], kPoses[p], text, s);
                const int x = s.gap + (v * kPoseCount + p) * cellW + v * s.gap;
                const int y = s.gap + shape * cellH;
                canvas.BitBlt(x, y, std::min(one.Width(), cellW - 1), one.Height(), one, 0, 0,
                              Rop::SrcCopy);
            }
        }
    }
    return sheet;
}

Bitmap FullGallery(TextRenderer& text, const GallerySettings& s) {
    Bitmap first = LookSheet(0, text, s);
    Bitmap all(first.Width(), first.Height() * kStyles, s.background);
    Canvas canvas(all);
    for (int style = 0; style < kStyles; ++style) {
        const Bitmap sheet = style == 0 ? first : LookSheet(style, text, s);
        canvas.BitBlt(0, style * first.Height(), sheet.Width(), sheet.Height(), sheet, 0, 0,
                      Rop::SrcCopy);
    }
    return all;
}

} // namespace tarvenel

#include "button/layout.h"

#include <algorithm>

namespace tarvenel {

namespace {

int Half(int x) {
    return x / 2; // toward zero, also for negative values
}

ButtonRect Clamp(ButtonRect r, int rightLimit, int height) {
    r.top = std::max(r.top, 6);
    r.left = std::max(r.left, 6);
    r.right = std::min(r.right, rightLimit);
    r.bottom = std::min(r.bottom, height - 6);
    return r;
}

} // namespace

TextBand TextBandOf(int shape, int width, int leftInset, int rightBound) {
    TextBand band;
    switch (shape) {
    case 1:
        band.left = leftInset - leftInset / 3;
        band.width = width - band.left;
        band.right = width;
        break;
    case 2:
        band.right = rightBound + (width - rightBound) / 3;
        band.width = band.right;
        band.left = 0;
        break;
    case 3:
        band.left = leftInset - leftInset / 3;
        band.right = rightBound + (width - rightBound) / 3;
        band.width = band.right - band.left;
        break;
    default:
        band.left = 0;
        band.width = rightBound;
        band.right = width;
        break;
    }
    return band;
}

std::string CaptionText(const std::string& caption) {
    std::string out;
    out.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption.compare(i, 2, "||") == 0) {
            out += "\r\n";
            ++i;
        } else {
            out += caption[i];
        }
    }
    return out;
}

void LayOutCaptionAndPicture(XPButton& button, TextRenderer& text, const FontSpec& font) {
    ButtonLayout& layout = button.MutableLayout();
    const int w = button.Host().ScaleWidth();
    const int h = button.Host().ScaleHeight();
    const TextBand band = TextBandOf(button.ButtonShape(), w, layout.leftInset, layout.rightBound);
    const int x0 = band.left;
    const int b = band.width;
    const int rightLimit = band.right;

    const bool hasPicture = button.Picture() != nullptr;
    const int s = button.PictureSizePixels();
    const int align = button.PictureAlign();
    int leftReserve = 0;
    int rightReserve = 0;
    // A picture above or below reserves height, which word breaking does
    // not need: the measured height is whatever the lines take.
    if (hasPicture && button.PictureSize() <= 2) {
        if (align == 0 || align == 1)
            leftReserve = s;
        else if (align == 2 || align == 3)
            rightReserve = s;
    }

    int tw = 0;
    int th = -3;
    const bool hasCaption = !button.Caption().empty();
    if (hasCaption) {
        const TextExtent extent =
            text.Measure(CaptionText(button.Caption()), font, b - 12 - leftReserve - rightReserve,
                         TextFormat{.wordBreak = true});
        tw = extent.width;
        th = extent.height;
        if (button.CaptionStyle() != 0) {
            tw += 2;
            th += 2;
        }
    }

    int cx = 0;
    switch (button.CaptionAlign()) {
    case xpb::kAlignLeft:
        cx = x0 + leftReserve + 6 + (leftReserve ? 6 : 0);
        break;
    case xpb::kAlignRight:
        cx = rightLimit - rightReserve - tw - 6 - (rightReserve ? 6 : 0);
        break;
    default:
        if (leftReserve && align == 1)
            cx = x0 + Half(b - (tw + s + 6)) + s + 6;
        else if (rightReserve && align == 3)
            cx = x0 + Half(b - (tw + s + 6));
        else
            cx = x0 + leftReserve + Half(b - leftReserve - rightReserve - tw);
        break;
    }

    int cy = Half(h - th);
    ButtonRect picture;
    if (hasPicture) {
        int px = 0;
        switch (align) {
        case 0:
            px = x0 + 6;
            break;
        case 1:
            px = hasCaption ? cx - s - 6 : x0 + 6;
            break;
        case 2:
            px = rightLimit - s - 6;
            break;
        case 3:
            px = hasCaption ? cx + tw + 6 : rightLimit - s - 6;
            break;
        default:
            px = x0 + Half(b - s);
            break;
        }
        int py = Half(h - s);
        if (align == xpb::kPictureTopCentre) {
            const int t = Half(h - (th + s));
            py = t;
            cy = t + s + 2;
        } else if (align == xpb::kPictureBottomCentre) {
            const int t = Half(h - (th + s));
            cy = t + 1;
            py = th + t + 3;
        }
        picture = Clamp({px, py, px + s, py + s}, rightLimit, h);
    }
    layout.caption = Clamp({cx, cy, cx + tw, cy + th}, rightLimit, h);
    layout.picture = picture;
}

} // namespace tarvenel

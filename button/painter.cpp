#include "button/painter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "button/colours.h"
#include "button/layout.h"

namespace tarvenel {

namespace {

constexpr ShiftOptions kProportional{.proportionalBlue = true};

int Half(int x) {
    return x / 2;
}

// The picture at another size, each pixel taken from under its centre; the
// alpha stays, so an icon can still be blended.
Bitmap ScaledCopy(const ButtonPicture& picture, int width, int height) {
    Bitmap out(width, height, 0);
    const auto& pixels = *picture.pixels;
    for (int y = 0; y < height; ++y) {
        const int sy = static_cast<int>((2 * std::int64_t{y} + 1) * picture.height / (2 * height));
        for (int x = 0; x < width; ++x) {
            const int sx =
                static_cast<int>((2 * std::int64_t{x} + 1) * picture.width / (2 * width));
            out.Set(x, y, pixels[static_cast<std::size_t>(sy) * picture.width + sx]);
        }
    }
    return out;
}

// An icon blends by its alpha; a bitmap lets its top-left colour show the
// face through.
void DrawPictureCopy(Canvas& canvas, const Bitmap& copy, PictureKind kind, int x, int y) {
    const int w = copy.Width();
    const int h = copy.Height();
    if (kind == PictureKind::Icon)
        canvas.TransparentBlt(x, y, w, h, copy, 0, 0, w, h);
    else
        canvas.TransparentBlt(x, y, w, h, copy, 0, 0, w, h, RgbFromPixel(copy.At(0, 0)));
}

TextAlign AlignOf(int captionAlign) {
    switch (captionAlign) {
    case xpb::kAlignLeft:
        return TextAlign::Left;
    case xpb::kAlignRight:
        return TextAlign::Right;
    default:
        return TextAlign::Centre;
    }
}

} // namespace

ButtonPainter::ButtonPainter(XPButton& button, Canvas& canvas, TextRenderer& text,
                             const FontSpec& font, const std::optional<Region>& clip,
                             const ButtonScreen& screen)
    : button_(button), canvas_(canvas), text_(text), font_(font), clip_(clip), screen_(screen),
      w_(canvas.Target().Width()), h_(canvas.Target().Height()) {}

bool ButtonPainter::PressedAndHovering() const {
    const ButtonVisualState& s = button_.VisualState();
    return s.pressed && s.hover;
}

bool ButtonPainter::Toggled() const {
    return button_.Value() || (button_.VisualState().pressLook && button_.Mode() != xpb::kCommand);
}

void ButtonPainter::SelectPen(Rgb colour, int width, PenStyle style) {
    canvas_.SelectPen({colour, width, style});
}

void ButtonPainter::SelectClip(bool on) {
    canvas_.SelectClipRegion(on ? clip_ : std::nullopt);
}

int ButtonPainter::PaintBackground(Rgb fill, Rgb gradient, Rgb hover) {
    const ButtonVisualState& st = button_.VisualState();
    const bool pressedHover = PressedAndHovering();
    const int state = pressedHover ? 2 : st.defaultLook ? 1 : 0;
    if (gradient == kNoColour)
        gradient = fill;
    if (hover == kNoColour)
        hover = fill;
    const bool active = button_.Mode() == xpb::kCommand ? pressedHover : button_.Value();
    const Rgb f = !st.hoverTimer || active ? fill : hover;

    if (Elliptic()) {
        SelectClip(false);
        if (st.hoverTimer || pressedHover || button_.ButtonStyle() != 5) {
            if (Shape() == 6) {
                SelectPen(kBlack, 2);
                canvas_.Arc(0, 0, w_, h_);
            } else if (Shape() == 4 || !pressedHover) {
                // Light above and dark below; a pressed button turns it over.
                const Rgb container = button_.ContainerColour();
                Gradient(ShiftColour(container, 172), ShiftColour(container, -32),
                         pressedHover ? 4 : 3);
            }
            SelectClip(true);
        }
    }

    if (button_.Value() || button_.GradientMode() == 0) {
        if (button_.ButtonStyle() == 2 && (button_.Enabled() || button_.Mode() != xpb::kCommand)) {
            // Darker by up to 25 toward the bottom; row 0 and the outer
            // columns belong to the bevel.
            for (int i = 1; i < h_; ++i) {
                const int delta = static_cast<int>(std::nearbyint(-25.0 * i / h_));
                const Rgb row = ShiftColour(f, delta, kProportional);
                DrawBar(1, i, w_ - 1, i + 1, row, row);
            }
        } else {
            DrawBar(0, 0, w_, h_, f, f);
        }
    } else if (!st.hoverTimer || pressedHover ||
               button_.GradientColor() == button_.HoverBackColor()) {
        Gradient(fill, gradient, button_.GradientMode());
    } else {
        DrawBar(0, 0, w_, h_, hover, hover);
    }
    return state;
}

void ButtonPainter::DrawBar(int left, int top, int right, int bottom, Rgb fill, Rgb border) {
    if (border != kNoColour)
        SelectPen(border);
    canvas_.SelectBrush({fill});
    if (border == kNoColour)
        SelectPen(fill);
    canvas_.Rectangle(left, top, right, bottom);
}

void ButtonPainter::Gradient(Rgb from, Rgb to, int direction) {
    const bool horizontal = direction == 1 || direction == 2;
    const int size = horizontal ? w_ : h_;
    if (size <= 0)
        return;
    const int screenSize = horizontal ? screen_.widthPixels : screen_.heightPixels;
    int n = size;
    int band = 1;
    // A control larger than a quarter of the screen takes bands twice as wide.
    if (screenSize / size < 4) {
        n /= 2;
        band = 2;
    }
    if (n <= 0)
        return;

    std::vector<Rgb> table(static_cast<std::size_t>(n));
    table[0] = from;
    const double start[3] = {static_cast<double>(from & 0xFF), (from & 0xFF00) / 255.0,
                             (from & 0xFF0000) / 65280.0};
    const double end[3] = {static_cast<double>(to & 0xFF), std::nearbyint((to & 0xFF00) / 255.0),
                           std::nearbyint((to & 0xFF0000) / 65280.0)};
    for (int k = 1; k < n; ++k) {
        Rgb entry = 0;
        for (int c = 0; c < 3; ++c) {
            const double v = std::clamp(start[c] + (end[c] - start[c]) * k / (n - 1), 0.0, 255.0);
            entry |= static_cast<Rgb>(std::floor(v)) << (8 * c);
        }
        table[static_cast<std::size_t>(k)] = entry;
    }

    const bool reversed = direction == 2 || direction == 4;
    for (int k = 0; k < n; ++k) {
        const Rgb c = table[static_cast<std::size_t>(reversed ? n - 1 - k : k)];
        // Halved bands leave an odd size's last pixel over: the last band
        // takes it, so that no column or row stays unpainted.
        const int end = k == n - 1 ? size : k * band + band;
        if (horizontal)
            DrawBar(k * band, 0, end, h_, c, c);
        else
            DrawBar(0, k * band, w_, end, c, c);
    }
}

void ButtonPainter::PaintBevel(const BevelColours& colours, PenStyle outerStyle) {
    const ButtonLayout& layout = button_.Layout();
    const int l = layout.leftInset;
    const int r = layout.rightBound;
    const int k = Shape() == 1 || Shape() == 3 ? 1 : 0;
    const int m = Shape() == 2 || Shape() == 3 ? 1 : 0;
    const int w = w_;
    const int h = h_;
    Point p[16];
    p[0] = {l + 2 - 4 * k, h - 3};
    p[1] = {2 * k + 2, 2};
    p[2] = {r + 3 * m - 3, 2};
    p[3] = {w - 3 - 3 * m, h - 3};
    p[4] = {l - 4 * k + 1, h - 3};
    p[5] = {p[0].x + k - 1, h - 2};
    p[6] = {p[1].x - k - 1, 1};
    p[7] = {p[2].x + 1 - m, 1};
    p[8] = {p[3].x + m + 1, h - 2};
    p[9] = {p[4].x - 1, h - 2};
    p[10] = {l - k, h - 1 + k};
    p[11] = {0, 0};
    p[12] = {r + m - 1, 0};
    p[13] = {w - 1, h - 1 + m};
    p[14] = {l - 2 * k - 1, h - 1};
    p[15] = {w - 1, h - 1};
    static constexpr int kFrom[12] = {0, 1, 2, 3, 5, 6, 7, 8, 10, 11, 12, 13};
    static constexpr int kTo[12] = {1, 2, 3, 4, 6, 7, 8, 9, 11, 12, 13, 14};

    std::optional<Pen> current;
    for (int i = 0; i < 12; ++i) {
        const Rgb colour = colours[i + 1];
        if (colour == kNoColour)
            continue;
        const Pen pen{colour, 1, i >= 8 ? outerStyle : PenStyle::Solid};
        if (!current || *current != pen) {
            canvas_.SelectPen(pen);
            current = pen;
        }
        const Point line[] = {p[kFrom[i]], p[kTo[i]]};
        canvas_.Polyline(line);
    }
    // The bottom line misses its last pixel; the pen of the last line
    // finishes it (and nothing does when no line was drawn).
    if (current) {
        const Point line[] = {p[14], p[15]};
        canvas_.Polyline(line);
    }
}

void ButtonPainter::PaintFocus(Rgb colour, bool outline, bool aroundCaption) {
    if (!button_.VisualState().defaultLook)
        return;
    const ButtonLayout& layout = button_.Layout();
    const int l = layout.leftInset;
    const int r = layout.rightBound;
    const int w = w_;
    const int h = h_;
    if (Slanted()) {
        const int k = l != 0 ? 1 : 0;
        const int m = w > r ? 1 : 0;
        const Point points[] = {{l + 4 - 6 * k, h - 5},
                                {4 * k + 4, 4},
                                {r + 4 * m - 5, 4},
                                {w - 5 - 6 * m, h - 5},
                                {l + 3 - 4 * k, h - 5}};
        SelectPen(colour);
        canvas_.Polyline(points);
        return;
    }
    if (Elliptic()) {
        const int j = Shape() == 6 ? 1 : 0;
        SelectClip(false);
        SelectPen(colour);
        canvas_.Arc(3 - j, 3 - j, w - 3 + j, h - 3 + j);
        SelectClip(true);
        return;
    }
    if (aroundCaption) {
        const ButtonRect box = button_.Caption().empty() ? layout.picture : layout.caption;
        if (outline) {
            const Point points[] = {{box.left - 3, box.top - 3},
                                    {box.right + 3, box.top - 3},
                                    {box.right + 3, box.bottom + 3},
                                    {box.left - 3, box.bottom + 3},
                                    {box.left - 3, box.top - 3}};
            SelectPen(colour);
            canvas_.Polyline(points);
        } else {
            const int j = button_.Value() || PressedAndHovering() ? 1 : 0;
            canvas_.DrawFocusRect(
                {box.left + j - 3, box.top + j - 3, box.right + j + 3, box.bottom + j + 3});
        }
        return;
    }
    const Rect box{l + 4, 4, r - 4, h - 4};
    if (!outline) {
        canvas_.DrawFocusRect(box);
        return;
    }
    const Point points[] = {{box.left, box.top},
                            {box.right, box.top},
                            {box.right, box.bottom},
                            {box.left, box.bottom},
                            {box.left, box.top}};
    SelectPen(colour);
    canvas_.Polyline(points);
}

void ButtonPainter::PaintCaptionAndPicture(Rgb effect, Rgb disabled, bool pressed,
                                           bool singleDisabled) {
    const ButtonLayout& layout = button_.Layout();
    ButtonRect caption = layout.caption;
    ButtonRect picture = layout.picture;
    if ((pressed || PressedAndHovering()) && button_.ButtonStyle() != 3) {
        const int dx = Elliptic() ? 0 : 1;
        for (ButtonRect* r : {&caption, &picture}) {
            r->left += dx;
            r->right += dx;
            r->top += 1;
            r->bottom += 1;
        }
    }
    DrawPicture(picture);
    if (button_.Caption().empty())
        return;
    const std::string text = CaptionText(button_.Caption());

    if (button_.Enabled()) {
        const ButtonVisualState& st = button_.VisualState();
        Rgb colour;
        if (st.hoverTimer && !PressedAndHovering())
            colour = hoverForeOverride_ ? *hoverForeOverride_
                                        : TranslateColour(button_.HoverForeColor());
        else if (button_.ButtonStyle() == 7 && button_.GradientMode() == 0)
            colour = disabled;
        else
            colour = TranslateColour(button_.ForeColor());
        if (button_.CaptionStyle() != 0) {
            const int t = button_.CaptionStyle() == 1 ? -40 : 40;
            DrawText(text, caption, ShiftColour(effect, t), -1, 0);
            DrawText(text, caption, ShiftColour(effect, -t), 1, 2);
            DrawText(text, caption, colour, 0, 1);
        } else {
            DrawText(text, caption, colour, 0, 0);
        }
        return;
    }
    if (disabled == kNoColour || button_.GradientMode() != 0) {
        DrawText(text, caption, kWhite, 1, 1);
        DrawText(text, caption, kGrey, 0, 0);
        return;
    }
    DrawText(text, caption, disabled, 0, 0);
    if (!singleDisabled)
        DrawText(text, caption, kGrey, -1, -1);
}

void ButtonPainter::DrawText(const std::string& text, ButtonRect box, Rgb colour, int dx, int dy) {
    const Rect r{box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
    // The text stays inside its rectangle, as DrawTextA clips it.
    const std::optional<Region> saved = canvas_.ClipRegion();
    const Region boxRegion = Region::FromRect(r);
    canvas_.SelectClipRegion(saved ? saved->Intersect(boxRegion) : boxRegion);
    canvas_.SetTextColour(colour);
    text_.Draw(canvas_, text, font_, r,
               TextFormat{.align = AlignOf(button_.CaptionAlign()), .wordBreak = true});
    canvas_.SelectClipRegion(saved);
}

void ButtonPainter::DrawPicture(ButtonRect target) {
    const PicturePtr& picture = button_.Picture();
    if (!picture || picture->width <= 0 || picture->height <= 0 || !picture->pixels ||
        picture->pixels->size() < static_cast<std::size_t>(picture->width) * picture->height)
        return;
    const ButtonLayout& layout = button_.Layout();
    const int k = target.left != layout.picture.left ? 1 : 0;
    int x = target.left;
    int y = target.top;
    int w = button_.PictureSizePixels();
    int h = w;
    if (button_.PictureSize() == 3) {
        x = y = k;
        w = w_ - k;
        h = h_ - k;
    } else if (button_.PictureSize() == 4) {
        const TextBand band = TextBandOf(Shape(), w_, layout.leftInset, layout.rightBound);
        const double scale = std::min(static_cast<double>(band.width - 12) / picture->width,
                                      static_cast<double>(h_ - 12) / picture->height);
        w = static_cast<int>(std::nearbyint(scale * picture->width));
        h = static_cast<int>(std::nearbyint(scale * picture->height));
        x = band.left + Half(band.width - w) + k;
        y = Half(h_ - h) + k;
    }
    if (w <= 0 || h <= 0)
        return; // no copy of that size can be made
    const Bitmap copy = ScaledCopy(*picture, w, h);

    if (button_.Enabled()) {
        DrawPictureCopy(canvas_, copy, picture->kind, x, y);
        return;
    }
    // Disabled: the dark parts of the picture as a two-tone etched silhouette.
    Bitmap silhouette(w + 1, h + 1, 0xFFFFFFFFu);
    Canvas scratch(silhouette);
    DrawPictureCopy(scratch, copy, picture->kind, 0, 0);
    const Rgb savedBackground = canvas_.BackgroundColour();
    const Brush savedBrush = canvas_.CurrentBrush();
    canvas_.SetBackgroundColour(kWhite);
    canvas_.SelectBrush({ShiftColour(0xC0C0C0, 36)});
    canvas_.BitBlt(x - 1, y - 1, w + 1, h + 1, silhouette, 0, 0, Rop::Psdpxax);
    canvas_.SelectBrush({ShiftColour(0xC0C0C0, -36)});
    canvas_.BitBlt(x, y, w + 1, h + 1, silhouette, 0, 0, Rop::Psdpxax);
    canvas_.SelectBrush(savedBrush);
    canvas_.SetBackgroundColour(savedBackground);
}

} // namespace tarvenel

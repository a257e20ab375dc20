#include "button/looks.h"

#include "button/colours.h"

namespace tarvenel {

namespace {

constexpr ShiftOptions kProportional{.proportionalBlue = true};

Rgb S(Rgb colour, int delta) {
    return ShiftColour(colour, delta);
}
Rgb SP(Rgb colour, int delta) {
    return ShiftColour(colour, delta, kProportional);
}

bool CommandMode(XPButton& b) {
    return b.Mode() == xpb::kCommand;
}

// What most looks share: the face, the focus colour and the caption colours.
struct Common {
    Rgb p = 0;  // face colour
    Rgb fc = 0; // focus colour
    Rgb d = 0;  // disabled caption colour, or kNoColour
    bool singleDisabled = false;
};

Common CommonChoices(ButtonPainter& painter) {
    XPButton& b = painter.Button();
    Common c;
    c.p = painter.OnToggle() ? b.Colours().onFace : b.Colours().face;
    c.fc = 0;
    c.d = b.Enabled() || CommandMode(b) ? kNoColour : kGrey;
    c.singleDisabled = !CommandMode(b);
    if (painter.Slanted() && !painter.Toggled())
        c.fc = S(c.p, -48);
    return c;
}

int CommonBackground(ButtonPainter& painter, Rgb p) {
    XPButton& b = painter.Button();
    return painter.PaintBackground(p, TranslateColour(b.GradientColor()), b.Colours().hoverFace);
}

// The last two steps of every look but the shaded one.
void FinishCommon(ButtonPainter& painter, const Common& c) {
    XPButton& b = painter.Button();
    painter.PaintFocus(c.fc, b.Value(), false);
    painter.PaintCaptionAndPicture(c.p, c.d, b.Value(), c.singleDisabled);
}

// Style 0: classic raised bevel.
void PaintClassic(ButtonPainter& painter) {
    XPButton& b = painter.Button();
    Common c = CommonChoices(painter);
    int state = CommonBackground(painter, c.p);
    Rgb light = painter.PressedAndHovering() ? c.p : 0xE9E9E9;
    if (painter.Toggled()) {
        state = 3;
        light = 0xE9E9E9;
        c.fc = kBlack;
    }
    if (!painter.Elliptic()) {
        BevelColours col;
        const Rgb outerTopLeft = b.VisualState().defaultLook ? kBlack : kWhite;
        switch (state) {
        case 0:
            col.Set(5, 6, light);
            col.Set(7, 8, kGrey);
            col.Set(9, 10, outerTopLeft);
            col.Set(11, 12, kBlack);
            break;
        case 1:
            col.Set(1, 2, light);
            col.Set(3, 4, kGrey);
            col.Set(5, 6, kWhite);
            col.Set(7, 8, kBlack);
            col.Set(9, 10, outerTopLeft);
            col.Set(11, 12, kBlack);
            break;
        case 2:
            col.Set(7, 8, kGrey);
            col.Set(9, 10, outerTopLeft);
            col.Set(11, 12, kBlack);
            break;
        default:
            col.Set(7, 8, light);
            col.Set(9, 10, kBlack);
            col.Set(11, 12, kWhite);
            break;
        }
        painter.PaintBevel(col);
    }
    FinishCommon(painter, c);
}

// The two-colour frames of styles 1, 4 and 5: light top-left in state 1,
// turned round in state 2.
Rgb Light(int state) {
    return state == 1 ? kWhite : kGrey;
}
Rgb Dark(int state) {
    return state == 1 ? kGrey : kWhite;
}

// State 2 when toggled or pressed under the mouse, else 1.
int RaisedOrSunken(ButtonPainter& painter, Common& c) {
    if (painter.Toggled()) {
        c.fc = kBlack;
        return 2;
    }
    return painter.PressedAndHovering() ? 2 : 1;
}

// Style 1: plain bevel with a black frame.
void PaintPlain(ButtonPainter& painter) {
    Common c = CommonChoices(painter);
    CommonBackground(painter, c.p);
    const int state = RaisedOrSunken(painter, c);
    if (!painter.Elliptic()) {
        BevelColours col;
        col.Set(1, 2, Light(state));
        col.Set(5, 6, Light(state));
        col.Set(3, 4, Dark(state));
        col.Set(7, 8, Dark(state));
        col.Set(9, 12, kBlack);
        painter.PaintBevel(col);
    }
    FinishCommon(painter, c);
}

// Style 3: flat grey face, etched frame, a focus box round the caption.
void PaintFlat(ButtonPainter& painter) {
    XPButton& b = painter.Button();
    Common c = CommonChoices(painter);
    c.p = b.Colours().face;
    if (CommandMode(b) && painter.PressedAndHovering())
        c.p = b.Colours().pressedFace;
    else if (painter.OnToggle())
        c.p = b.Colours().onFace;
    int state = CommonBackground(painter, c.p);
    const Rgb dark = S(kGrey, -26);
    BevelColours col;
    if (b.Enabled() || !CommandMode(b)) {
        if (!CommandMode(b))
            state = b.Value() || b.VisualState().pressLook ? 2 : 3;
        if (state < 2)
            state = 1;
        col.Set(5, 6, state == 2 ? c.p : kWhite);
        col.Set(7, 10, dark);
        col.Set(11, 12, kWhite);
        if (!b.Enabled())
            c.d = S(kGrey, -16);
    } else {
        col.Set(1, 8, c.p);
        col.Set(9, 12, dark);
        c.d = kGrey;
    }
    if (!painter.Elliptic())
        painter.PaintBevel(col);
    painter.PaintFocus(0xCC9999, true, true);
    // This look never moves its caption when pressed.
    painter.PaintCaptionAndPicture(c.p, c.d, false, true);
}

// Style 4: thin single-line bevel.
void PaintThin(ButtonPainter& painter) {
    Common c = CommonChoices(painter);
    CommonBackground(painter, c.p);
    const int state = RaisedOrSunken(painter, c);
    if (!painter.Elliptic()) {
        BevelColours col;
        col.Set(9, 10, Light(state));
        col.Set(11, 12, Dark(state));
        painter.PaintBevel(col);
    }
    FinishCommon(painter, c);
}

// Style 5: flat face with a frame only under the mouse.
void PaintHoverFrame(ButtonPainter& painter) {
    XPButton& b = painter.Button();
    Common c = CommonChoices(painter);
    const Rgb container = b.ContainerColour();
    if (painter.Slanted() && !painter.OnToggle())
        c.fc = S(container, -32);
    CommonBackground(painter, c.p);
    const bool design = b.Host().DesignMode();
    if (!painter.Elliptic()) {
        BevelColours col;
        if (b.VisualState().hover || b.Value()) {
            const int state = painter.Toggled() || painter.PressedAndHovering() ? 2 : 1;
            col.Set(9, 10, Light(state));
            col.Set(11, 12, Dark(state));
        } else if (design) {
            // A designer still needs to see where the button is.
            const Rgb outline = S(container, -64);
            col.Set(9, 12, outline == kBlack ? kWhite : outline);
        }
        painter.PaintBevel(col, design ? PenStyle::Dot : PenStyle::Solid);
    } else if (design && c.p == container) {
        painter.SelectClip(false);
        painter.SelectPen(kWhite, 1, PenStyle::Dot);
        painter.Surface().Arc(0, 0, painter.W(), painter.H());
    }
    FinishCommon(painter, c);
}

// Style 6: soft double bevel.
void PaintSoft(ButtonPainter& painter) {
    Common c = CommonChoices(painter);
    CommonBackground(painter, c.p);
    int state = painter.PressedAndHovering() ? 1 : 0;
    if (painter.Toggled()) {
        state = 1;
        c.fc = kBlack;
    }
    if (!painter.Elliptic()) {
        const Rgb light = S(0xDFDFDF, 8);
        const Rgb first = state == 0 ? light : kGrey;
        const Rgb second = state == 0 ? kGrey : light;
        BevelColours col;
        col.Set(5, 6, first);
        col.Set(9, 10, first);
        col.Set(7, 8, second);
        col.Set(11, 12, second);
        painter.PaintBevel(col);
    }
    FinishCommon(painter, c);
}

// Style 7: bright face, black frame, inverse when pressed.
void PaintBright(ButtonPainter& painter) {
    XPButton& b = painter.Button();
    const DerivedColours& dc = b.Colours();
    const bool gradient = b.GradientMode() != 0;
    Common c = CommonChoices(painter);
    if (CommandMode(b)) {
        c.p = painter.PressedAndHovering() ? dc.pressedFace : dc.face;
        c.fc = painter.Slanted() ? S(c.p, -64) : 0;
    } else if (b.Value()) {
        c.p = dc.onFace;
        c.fc = S(kGrey, -32);
    } else {
        c.p = dc.face;
        c.fc = kBlack;
    }
    const Rgb g = gradient ? S(TranslateColour(b.GradientColor()), 31) : c.p;
    int state = painter.PaintBackground(c.p, g, dc.hoverFace);
    if (painter.Toggled())
        state = b.Value() ? 2 : 0;

    Rgb a = kWhite;
    Rgb light = SP(c.p, 31);
    Rgb dark = SP(c.p, -64);
    if (state == 2) {
        const Rgb v = gradient ? dc.face : kGrey;
        c.p = v;
        a = S(v, -32);
        light = S(v, -64);
        dark = S(v, -16);
    }
    if (!painter.Elliptic()) {
        BevelColours col;
        col.Set(1, 2, a);
        col.Set(3, 4, c.p);
        col.Set(5, 6, light);
        col.Set(7, 8, dark);
        col.Set(9, 12, kBlack);
        painter.PaintBevel(col);
        const int w = painter.W();
        const int h = painter.H();
        if (painter.LeftStraight()) {
            painter.SetPixel(3, 3, a);
            painter.SetPixel(1, h - 3, c.p);
            painter.SetPixel(2, 2, light);
            painter.SetPixel(1, h - 2, kBlack);
            painter.SetPixel(1, 1, kBlack);
        }
        if (painter.RightStraight()) {
            painter.SetPixel(w - 4, h - 4, c.p);
            painter.SetPixel(w - 3, 1, c.p);
            painter.SetPixel(w - 3, h - 3, dark);
            painter.SetPixel(w - 2, h - 2, kBlack);
            painter.SetPixel(w - 2, 1, kBlack);
        }
    }
    painter.PaintFocus(c.fc, b.Value(), true);

    const bool active = CommandMode(b) ? painter.PressedAndHovering() : b.Value();
    if (active)
        c.d = b.Enabled() ? dc.face : SP(c.p, -32);
    else if (b.Enabled())
        c.d = TranslateColour(b.ForeColor());
    else
        c.d = !CommandMode(b) && !b.Value() ? kGrey : kNoColour;
    // A toggled-on caption keeps its colour under the mouse.
    if (b.Value() && b.HoverForeColor() == b.ForeColor())
        painter.OverrideHoverForeColour(c.d);
    painter.PaintCaptionAndPicture(c.p, c.d, b.Value(), c.singleDisabled);
    painter.OverrideHoverForeColour(std::nullopt);
}

// Style 2: shaded face, dark blue frame, blue glow on the default button and
// orange under the mouse.
void PaintShaded(ButtonPainter& painter) {
    XPButton& b = painter.Button();
    const DerivedColours& dc = b.Colours();
    const ButtonVisualState& st = b.VisualState();
    Rgb base;
    Rgb p;
    if (CommandMode(b)) {
        base = dc.face;
        if (painter.PressedAndHovering() && b.GradientMode() == 0)
            p = dc.pressedFace;
        else
            p = b.Enabled() ? base : SP(base, -24);
    } else {
        base = p = b.Value() ? dc.onFace : dc.face;
    }
    const Rgb d = b.Enabled() ? 0 : SP(p, -104);
    const Rgb g = b.GradientMode() != 0 ? SP(TranslateColour(b.GradientColor()), 48) : p;
    int state = painter.PaintBackground(p, g, dc.hoverFace);

    if (!painter.Elliptic()) {
        BevelColours col;
        Rgb outer;
        if (b.Enabled()) {
            if ((st.pressLook && !CommandMode(b)) || b.Value())
                state = st.defaultLook ? 1 : 2;
            if (st.hover && !st.pressed)
                state = 3;
            else if (state == 1 && !b.ShowFocusRect())
                state = 0;
            static constexpr Rgb kDefaultGlow[8] = {0xF0D1B5, 0xF7D7BD, 0xF0D1B5, 0xE7AE8C,
                                                    0xE7AE8C, 0xFFDFBF, 0xE7AE8C, 0xEF826B};
            static constexpr Rgb kHoverGlow[8] = {0x6BCBFF, 0x8CDBFF, 0x6BCBFF, 0x31B2FF,
                                                  0x31B2FF, 0xA6E9FF, 0x31B2FF, 0x0096E7};
            static constexpr int kNormal[8] = {-10, 10, -24, -32, -5, 16, -36, -48};
            static constexpr int kPressed[8] = {-22, -24, 0, 10, -32, -32, 5, 16};
            for (int i = 0; i < 8; ++i) {
                switch (state) {
                case 0:
                    col[i + 1] = SP(base, kNormal[i]);
                    break;
                case 1:
                    col[i + 1] = kDefaultGlow[i];
                    break;
                case 2:
                    col[i + 1] = i == 2 ? base : SP(base, kPressed[i]);
                    break;
                default:
                    col[i + 1] = kHoverGlow[i];
                    break;
                }
            }
            outer = 0x733C00;
        } else {
            outer = SP(base, -84);
        }
        col.Set(9, 12, outer);
        painter.PaintBevel(col);
        const int w = painter.W();
        const int h = painter.H();
        if (painter.LeftStraight()) {
            painter.SetPixel(1, h - 2, outer);
            painter.SetPixel(1, 1, outer);
        }
        if (painter.RightStraight()) {
            painter.SetPixel(w - 2, h - 2, outer);
            painter.SetPixel(w - 2, 1, outer);
        }
    } else if (st.hoverTimer) {
        painter.PaintFocus(0x0096E7, false, false);
    } else {
        painter.PaintFocus(0xEF826B, false, false);
    }
    painter.PaintCaptionAndPicture(p, d, b.Value(), true);
}

} // namespace

void PaintLook(ButtonPainter& painter) {
    switch (painter.Button().ButtonStyle()) {
    case 0:
        PaintClassic(painter);
        break;
    case 1:
        PaintPlain(painter);
        break;
    case 2:
        PaintShaded(painter);
        break;
    case 3:
        PaintFlat(painter);
        break;
    case 4:
        PaintThin(painter);
        break;
    case 5:
        PaintHoverFrame(painter);
        break;
    case 6:
        PaintSoft(painter);
        break;
    default:
        PaintBright(painter);
        break;
    }
}

} // namespace tarvenel

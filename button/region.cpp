#include "button/region.h"

namespace tarvenel {

namespace {

bool LeftSlanted(int shape) {
    return shape == 1 || shape == 3;
}
bool RightSlanted(int shape) {
    return shape == 2 || shape == 3;
}
bool Elliptic(int shape) {
    return shape >= 4;
}

Region Pixel(int x, int y) {
    return Region::FromRect({x, y, x + 1, y + 1});
}

Region Triangle(Point a, Point b, Point c) {
    const Point points[] = {a, b, c};
    return Region::FromPolygon(points);
}

// The pieces each look cuts from the left and the right corners.
Region LeftCorners(int style, int h) {
    switch (style) {
    case 1:
        return Pixel(0, 0).Union(Pixel(0, h - 1));
    case 3:
        return Pixel(0, h - 1);
    case 2:
    case 7:
        return Triangle({0, 0}, {2, 0}, {0, 2}).Union(Triangle({0, h}, {3, h}, {0, h - 3}));
    default:
        return {};
    }
}

Region RightCorners(int style, int w, int h) {
    switch (style) {
    case 1:
        return Pixel(w - 1, h - 1).Union(Pixel(w - 1, 0));
    case 3:
        return Pixel(w - 1, 0);
    case 2:
    case 7:
        return Triangle({w, 0}, {w - 2, 0}, {w, 2}).Union(Triangle({w, h}, {w - 3, h}, {w, h - 3}));
    default:
        return {};
    }
}

} // namespace

int SlantRun(int height) {
    return height + 1;
}

int SlantedMinimumWidth(int shape, int width, int height) {
    if (!LeftSlanted(shape) && !RightSlanted(shape))
        return width;
    while (width - SlantRun(height) < 5)
        width += 5;
    return width;
}

ButtonOutline BuildOutline(int shape, int style, bool enabled, int w, int h) {
    ButtonOutline out;
    out.leftInset = 0;
    out.rightBound = w;
    if (Elliptic(shape)) {
        out.window = Region::FromEllipse({0, 0, w + 1, h + 1});
        const int k = shape == 6 ? 0 : 1;
        out.clip = Region::FromEllipse({2 - k, 2 - k, w - 1 + k, h - 1 + k});
        return out;
    }
    if (shape == 0) {
        out.window = Region::FromRect({0, 0, w + 1, h + 1});
    } else {
        const int d = SlantRun(h);
        Point corners[] = {{0, 0}, {0, h + 1}, {w + 1, h + 1}, {w + 1, 0}};
        if (LeftSlanted(shape)) {
            corners[1] = {d, h + 1};
            out.leftInset = d;
        }
        if (RightSlanted(shape)) {
            corners[3] = {w - d + 1, 0};
            out.rightBound = w - d;
        }
        out.window = Region::FromPolygon(corners, FillMode::Winding);
    }
    // The flat grey look shows its corners square while disabled.
    if (style != 3 || enabled) {
        if (!LeftSlanted(shape))
            out.window = out.window.Difference(LeftCorners(style, h));
        if (!RightSlanted(shape))
            out.window = out.window.Difference(RightCorners(style, w, h));
    }
    if (out.rightBound == 0)
        out.rightBound = w;
    return out;
}

} // namespace tarvenel

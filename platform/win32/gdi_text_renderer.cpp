#include "platform/win32/gdi_text_renderer.h"

#include <cmath>
#include <cstring>

#include "platform/win32/wide.h"

namespace tarvenel::win32 {
namespace {

UINT Flags(const TextFormat& format) {
    UINT flags = format.align == TextAlign::Centre  ? DT_CENTER
                 : format.align == TextAlign::Right ? DT_RIGHT
                                                    : DT_LEFT;
    if (format.wordBreak)
        flags |= DT_WORDBREAK;
    if (!format.prefix)
        flags |= DT_NOPREFIX;
    return flags;
}

} // namespace

HFONT CreateFontFor(const FontSpec& font) {
    LOGFONTW f{};
    f.lfHeight = -static_cast<LONG>(std::lround(font.sizePoints * 96.0 / 72.0));
    f.lfWeight = font.weight;
    f.lfItalic = font.italic;
    f.lfUnderline = font.underline;
    f.lfStrikeOut = font.strikethrough;
    f.lfCharSet = static_cast<BYTE>(font.charset);
    const std::wstring name = Widen(font.name);
    name.copy(f.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&f);
}

GdiTextRenderer::GdiTextRenderer() : dc_(CreateCompatibleDC(nullptr)) {}

GdiTextRenderer::~GdiTextRenderer() {
    DeleteDC(dc_);
    for (auto& [spec, font] : fonts_)
        DeleteObject(font);
}

HFONT GdiTextRenderer::FontFor(const FontSpec& font) {
    for (auto& [spec, handle] : fonts_)
        if (spec == font)
            return handle;
    fonts_.emplace_back(font, CreateFontFor(font));
    return fonts_.back().second;
}

TextExtent GdiTextRenderer::Measure(std::string_view text, const FontSpec& font, int maxWidth,
                                    const TextFormat& format) {
    if (text.empty())
        return {};
    const std::wstring wide = Widen(text);
    HGDIOBJ old = SelectObject(dc_, FontFor(font));
    RECT r{0, 0, maxWidth, 0};
    DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &r, DT_CALCRECT | Flags(format));
    SelectObject(dc_, old);
    return {r.right - r.left, r.bottom - r.top};
}

void GdiTextRenderer::Draw(Canvas& canvas, std::string_view text, const FontSpec& font,
                           const Rect& box, const TextFormat& format) {
    Bitmap& target = canvas.Target();
    const Rect area = box.Intersect({0, 0, target.Width(), target.Height()});
    if (text.empty() || area.Empty())
        return;
    // The part of the bitmap under the box goes into a DIB section, GDI
    // draws on it, and the pixels come back inside the canvas's clip region.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = area.Width();
    info.bmiHeader.biHeight = -area.Height(); // top-down rows, like Bitmap
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib)
        return;
    Bitmap view =
        Bitmap::Wrap(static_cast<Pixel*>(bits), area.Width(), area.Height(), area.Width());
    for (int y = 0; y < area.Height(); ++y)
        std::memcpy(view.Row(y), target.Row(area.top + y) + area.left,
                    sizeof(Pixel) * static_cast<std::size_t>(area.Width()));

    HGDIOBJ oldBitmap = SelectObject(dc_, dib);
    HGDIOBJ oldFont = SelectObject(dc_, FontFor(font));
    SetTextColor(dc_, canvas.TextColour()); // both 0x00BBGGRR
    SetBkColor(dc_, canvas.BackgroundColour());
    SetBkMode(dc_, canvas.TransparentBackground() ? TRANSPARENT : OPAQUE);
    RECT r{box.left - area.left, box.top - area.top, box.right - area.left, box.bottom - area.top};
    const std::wstring wide = Widen(text);
    DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &r, Flags(format));
    GdiFlush();
    SelectObject(dc_, oldFont);
    SelectObject(dc_, oldBitmap);

    const auto& clip = canvas.ClipRegion();
    for (int y = 0; y < area.Height(); ++y)
        for (int x = 0; x < area.Width(); ++x)
            if (!clip || clip->Contains(area.left + x, area.top + y))
                target.Set(area.left + x, area.top + y, view.At(x, y) | kOpaque);
    DeleteObject(dib);
}

} // namespace tarvenel::win32

// A button loaded from any stored pairs paints in every look and pose, its
// face filling the window, and saving it then loading the saved pairs into a
// fresh button saves the same pairs again.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

#include "button/render_rig.h"
#include "fuzz/fuzz_check.h"

namespace tarvenel::fuzz {
namespace {

constexpr const char* kKeys[] = {
    "Caption", "CapAlign", "BackStyle", "Shape",    "Gradient", "cGradient", "cFore",   "Font",
    "Focus",   "Mode",     "Value",     "Image",    "ImgSize",  "ImgAlign",  "cFHover", "Enabled",
    "cBack",   "cBHover",  "LockHover", "CapStyle", "mIcon",    "mPointer"};

std::string AnyCase(FuzzedDataProvider& in, std::string key) {
    for (char& c : key)
        if (in.ConsumeBool())
            c = static_cast<char>(c ^ 0x20 * ((c | 0x20) >= 'a' && (c | 0x20) <= 'z'));
    return key;
}

PicturePtr AnyPicture(FuzzedDataProvider& in) {
    auto picture = std::make_shared<ButtonPicture>();
    picture->kind = in.ConsumeBool() ? PictureKind::Icon : PictureKind::Bitmap;
    picture->width = in.ConsumeIntegralInRange(0, 64);
    picture->height = in.ConsumeIntegralInRange(0, 64);
    if (in.ConsumeBool()) {
        auto pixels = std::make_shared<std::vector<std::uint32_t>>(
            static_cast<std::size_t>(picture->width * picture->height));
        for (auto& p : *pixels)
            p = in.ConsumeIntegral<std::uint32_t>();
        picture->pixels = pixels;
    }
    return picture;
}

PropertyValue AnyValue(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 4)) {
    case 0:
        return in.ConsumeIntegral<std::int64_t>();
    case 1:
        return in.ConsumeBool();
    case 2:
        return in.ConsumeRandomLengthString(40);
    case 3: {
        FontSpec font;
        font.name = in.ConsumeRandomLengthString(20);
        font.sizePoints = in.ConsumeFloatingPoint<double>();
        font.weight = in.ConsumeIntegral<int>();
        font.italic = in.ConsumeBool();
        font.underline = in.ConsumeBool();
        font.strikethrough = in.ConsumeBool();
        font.charset = in.ConsumeIntegral<int>();
        return font;
    }
    default:
        return AnyPicture(in);
    }
}

void PaintEveryLook(test::RenderRig& rig) {
    for (int style = 0; style <= 7; ++style) {
        rig.button.SetButtonStyle(style);
        rig.button.OnPaint();
        rig.Hover();
        rig.button.OnMouseDown(1, 0, 5, 5);
        rig.button.OnMouseUp(1, 0, 5, 5);
        rig.MakeDefault();
        const Bitmap& face = rig.host.shown;
        FUZZ_CHECK(face.Width() == rig.host.width && face.Height() == rig.host.height);
        rig.host.displayAsDefault = false;
        rig.button.OnAmbientChanged("DisplayAsDefault");
    }
}

} // namespace
} // namespace tarvenel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvenel;
    FuzzedDataProvider in(data, size);
    test::RenderRig rig(in.ConsumeIntegralInRange(1, 160), in.ConsumeIntegralInRange(1, 80),
                        in.ConsumeIntegral<std::uint32_t>());
    MemoryPropertyBag bag;
    const int pairs = in.ConsumeIntegralInRange(0, 24);
    for (int i = 0; i < pairs && in.remaining_bytes() > 0; ++i) {
        const std::string key = in.ConsumeBool()
                                    ? fuzz::AnyCase(in, in.PickValueInArray(fuzz::kKeys))
                                    : in.ConsumeRandomLengthString(12);
        bag.Write(key, fuzz::AnyValue(in));
    }
    rig.button.ReadProperties(bag);
    rig.button.OnResize();
    fuzz::PaintEveryLook(rig);

    MemoryPropertyBag saved;
    rig.button.WriteProperties(saved);
    test::RenderRig again(rig.host.width, rig.host.height, rig.container.BackColour());
    again.button.ReadProperties(saved);
    MemoryPropertyBag savedAgain;
    again.button.WriteProperties(savedAgain);
    FUZZ_CHECK(saved == savedAgain);
    return 0;
}

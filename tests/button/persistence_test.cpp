#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "button/command_button.h"
#include "button/main_window_buttons.h"
#include "support/fake_button_host.h"

namespace tarvenel::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A stored button loaded on its own in-memory window.
struct Loaded {
    Loaded(ButtonContainer& container, const PropertyBag& bag) : host(container), button(host) {
        host.button = &button;
        button.SetRenderHooks(&host);
        button.ReadProperties(bag);
    }
    FakeButtonHost host;
    XPButton button;
};

MemoryPropertyBag Saved(const XPButton& button) {
    MemoryPropertyBag bag;
    button.WriteProperties(bag);
    return bag;
}

TEST(ButtonPersistence, ANewButtonIsNamedAfterItselfAndReportsItsDefaults) {
    ButtonContainer container(0x00C0FFEE & 0xFFFFFF);
    FakeButtonHost host(container, "XPButton7");
    XPButton button(host);
    button.InitProperties();
    EXPECT_EQ(button.Caption(), "XPButton7");
    EXPECT_EQ(button.CaptionAlign(), xpb::kAlignCentre);
    EXPECT_EQ(button.BackColor(), kSysButtonFace);
    EXPECT_EQ(button.GradientColor(), 0u);
    EXPECT_EQ(button.ContainerColour(), 0xC0FFEEu);
    EXPECT_EQ(button.Container(), &container);
    EXPECT_THAT(host.changed, ElementsAre("Caption", "CapAlign", "Focus", "cFHover", "cBHover"));
    // Saved, it stores little more than its caption.
    EXPECT_THAT(Saved(button).Keys(),
                ElementsAre("Caption", "Font", "cGradient", "Mode", "Value", "cBack"));
}

TEST(ButtonPersistence, WritesEveryChangedValueInItsOrder) {
    ButtonContainer container;
    ButtonRig r(container);
    XPButton& b = r.button;
    b.SetCaption("&Go");
    b.SetCaptionAlign(xpb::kAlignLeft);
    b.SetButtonStyle(6);
    b.SetButtonShape(5);
    b.SetForeColor(0x010203);
    b.SetHoverForeColor(0x040506);
    b.SetHoverBackColor(0x070809);
    b.SetShowFocusRect(false);
    b.SetGradientColor(0x0A0B0C);
    b.SetGradientMode(4);
    b.SetCaptionStyle(1);
    b.SetMode(xpb::kCheckBox);
    b.SetValue(true);
    b.SetPicture(std::make_shared<ButtonPicture>(ButtonPicture{PictureKind::Icon, 24, 24, {}}));
    b.SetPictureAlign(3);
    b.SetPictureSize(1);
    b.SetEnabled(false);
    b.SetBackColor(0x0D0E0F);
    b.SetMouseIcon(std::make_shared<ButtonPicture>(ButtonPicture{PictureKind::Icon, 32, 32, {}}));
    b.SetHoverColorLocks(3);
    const MemoryPropertyBag bag = Saved(b);
    EXPECT_THAT(bag.Keys(),
                ElementsAre("Caption", "CapAlign", "BackStyle", "Shape", "Font", "cFore", "cFHover",
                            "cBhover", "Focus", "LockHover", "cGradient", "Gradient", "CapStyle",
                            "Mode", "Value", "ImgAlign", "Image", "ImgSize", "Enabled", "cBack",
                            "mPointer", "mIcon"));

    // Read back on another button, everything is as it was and saves the same.
    ButtonContainer other;
    Loaded copy(other, bag);
    const XPButton& c = copy.button;
    EXPECT_EQ(c.Caption(), "&Go");
    EXPECT_EQ(c.AccessKeys(), "G");
    EXPECT_EQ(c.CaptionAlign(), xpb::kAlignLeft);
    EXPECT_EQ(c.ButtonStyle(), 6);
    EXPECT_EQ(c.ButtonShape(), 5);
    EXPECT_EQ(c.ForeColor(), 0x010203u);
    EXPECT_EQ(c.HoverForeColor(), 0x040506u);
    EXPECT_EQ(c.HoverBackColor(), 0x070809u);
    EXPECT_FALSE(c.ShowFocusRect());
    EXPECT_EQ(c.GradientColor(), 0x0A0B0Cu);
    EXPECT_EQ(c.GradientMode(), 4);
    EXPECT_EQ(c.CaptionStyle(), 1);
    EXPECT_EQ(c.Mode(), xpb::kCheckBox);
    EXPECT_TRUE(c.Value());
    EXPECT_EQ(c.Picture(), b.Picture());
    EXPECT_EQ(c.PictureWidth(), 24);
    EXPECT_EQ(c.PictureKindOf(), PictureKind::Icon);
    EXPECT_EQ(c.PictureAlign(), 3);
    EXPECT_EQ(c.PictureSize(), 1);
    EXPECT_FALSE(c.Enabled());
    EXPECT_FALSE(copy.host.surfaceEnabled);
    EXPECT_EQ(c.BackColor(), 0x0D0E0Fu);
    EXPECT_EQ(c.MousePointer(), xpb::kCustomPointer);
    EXPECT_EQ(copy.host.mousePointer, xpb::kCustomPointer);
    EXPECT_EQ(c.HoverColorLocks(), 3);
    EXPECT_EQ(c.Colours(), b.Colours());
    EXPECT_EQ(Saved(c), bag);
}

TEST(ButtonPersistence, ValuesAtTheirDefaultAreNotWritten) {
    ButtonContainer container;
    ButtonRig r(container);
    r.button.SetCaptionAlign(xpb::kAlignLeft);
    EXPECT_EQ(ReadInteger(Saved(r.button), "CapAlign", -1), 0);
    r.button.SetCaptionAlign(xpb::kAlignCentre);
    EXPECT_EQ(Saved(r.button).Find("CapAlign"), nullptr);
    // The hover back colour is written only where it differs from BackColor,
    // under its lower-case spelling.
    r.button.SetBackColor(0x112233);
    EXPECT_EQ(Saved(r.button).Find("cBhover"), nullptr);
    r.button.SetHoverBackColor(0x332211);
    const auto keys = Saved(r.button).Keys();
    EXPECT_NE(std::find(keys.begin(), keys.end(), "cBhover"), keys.end());
}

TEST(ButtonPersistence, PictureSizeIsStoredInPixels) {
    ButtonContainer container;
    ButtonRig r(container);
    r.button.SetPictureSize(2);
    EXPECT_EQ(r.button.PictureSizePixels(), 32);
    EXPECT_EQ(ReadInteger(Saved(r.button), "ImgSize", -1), 32);
    r.button.SetPictureSize(0);
    EXPECT_EQ(Saved(r.button).Find("ImgSize"), nullptr);

    const std::pair<std::int64_t, int> stored[] = {{16, 0},
                                                   {24, 1},
                                                   {32, 2},
                                                   {40, 3},
                                                   {48, 4},
                                                   // damaged values read as the default
                                                   {0, 0},
                                                   {20, 0},
                                                   {56, 0},
                                                   {-8, 0}};
    for (auto [pixels, size] : stored) {
        Loaded l(container, MemoryPropertyBag({{"ImgSize", pixels}}));
        EXPECT_EQ(l.button.PictureSize(), size) << pixels;
    }
}

TEST(ButtonPersistence, MissingColoursComeFromTheContainerAndTheBackColour) {
    ButtonContainer container(0x336699);
    Loaded l(container, MemoryPropertyBag({{"Caption", std::string("x")}}));
    EXPECT_EQ(l.button.BackColor(), 0x336699u);
    EXPECT_EQ(l.button.HoverBackColor(), 0x336699u);
    EXPECT_EQ(l.button.GradientColor(), kSysButtonFace);
    EXPECT_EQ(l.button.ForeColor(), kSysButtonText);
    EXPECT_EQ(l.button.HoverForeColor(), kSysButtonText);
    EXPECT_EQ(l.button.ContainerColour(), 0x336699u);

    Loaded red(container, MemoryPropertyBag({{"cBack", std::int64_t{0x0000FF}}}));
    EXPECT_EQ(red.button.HoverBackColor(), 0x0000FFu);
}

TEST(ButtonPersistence, KeysAreMatchedWithoutRegardToCase) {
    ButtonContainer container;
    Loaded l(container, MemoryPropertyBag({{"CAPTION", std::string("Save &As")},
                                           {"backstyle", std::int64_t{7}},
                                           {"CBHOVER", std::int64_t{0x00FF00}},
                                           {"enabled", false}}));
    EXPECT_EQ(l.button.Caption(), "Save &As");
    EXPECT_EQ(l.button.AccessKeys(), "A");
    EXPECT_EQ(l.host.accessKeys, "A");
    EXPECT_EQ(l.button.ButtonStyle(), 7);
    EXPECT_EQ(l.button.HoverBackColor(), 0x00FF00u);
    EXPECT_FALSE(l.button.Enabled());
}

TEST(ButtonPersistence, LoadingDrawsOnceAfterTheWholeResizeSequence) {
    ButtonContainer container;
    Loaded l(container, MemoryPropertyBag({{"Caption", std::string("a")}}));
    EXPECT_EQ(l.host.Redraws(), 1);
    EXPECT_THAT(std::vector(l.host.calls.end() - 4, l.host.calls.end()),
                ElementsAre("Region", "BackBuffer", "Layout", "Redraw"));
    EXPECT_FALSE(l.button.VisualState().drawingDelayed);
}

TEST(ButtonPersistence, DamagedValuesLoadAsTheirDefaults) {
    ButtonContainer container;
    Loaded l(container, MemoryPropertyBag({{"BackStyle", std::int64_t{9}},
                                           {"Shape", std::int64_t{-1}},
                                           {"Mode", std::string("two")},
                                           {"Value", true},
                                           {"Caption", std::int64_t{5}}}));
    EXPECT_EQ(l.button.ButtonStyle(), 0);
    EXPECT_EQ(l.button.ButtonShape(), 0);
    EXPECT_EQ(l.button.Mode(), xpb::kCommand);
    EXPECT_FALSE(l.button.Value()); // a command button is never on
    EXPECT_EQ(l.button.Caption(), "");
}

TEST(ButtonPersistence, ColoursStoredAsSignedNumbersReadTheSame) {
    ButtonContainer container;
    const std::int64_t signedButtonText = static_cast<std::int32_t>(kSysButtonText);
    Loaded l(container, MemoryPropertyBag({{"cFore", signedButtonText}}));
    EXPECT_EQ(l.button.ForeColor(), kSysButtonText);
}

TEST(MainWindowButtons, LoadAsStored) {
    const auto stored = MainWindowButtons();
    const char* captions[] = {"确 定", "取 消", "重 置"};
    const char* tips[] = {"确定开始运行定时关机", "取消定时关机", "重新设置归位至当前时间"};
    ButtonContainer form;
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(stored[i].name);
        EXPECT_EQ(stored[i].name, "XPButton" + std::to_string(i + 1));
        EXPECT_EQ(stored[i].toolTip, tips[i]);
        Loaded l(form, stored[i].properties);
        const XPButton& b = l.button;
        EXPECT_EQ(b.Caption(), captions[i]);
        EXPECT_EQ(b.ButtonStyle(), 2);
        EXPECT_EQ(b.CaptionAlign(), xpb::kAlignCentre);
        EXPECT_EQ(b.Mode(), xpb::kCommand);
        EXPECT_EQ(b.BackColor(), 0xFFFFFFu);
        EXPECT_EQ(b.HoverBackColor(), 0xFFFFFFu);
        EXPECT_EQ(b.HoverColorLocks(), 0);
        EXPECT_EQ(b.Font(), (FontSpec{.name = "宋体", .sizePoints = 9.0, .charset = 134}));
        EXPECT_EQ(b.Colours().pressedFace, 0xD6E0DFu);
        EXPECT_EQ(b.Enabled(), i != 1);
        EXPECT_EQ(l.host.surfaceEnabled, i != 1);
        EXPECT_EQ(Saved(b), stored[i].properties);
    }
    EXPECT_EQ(form.Options().Count(), 0);
}

TEST(MainWindowButtons, ServeTheFormAsCommandButtons) {
    ButtonContainer form;
    Loaded cancel(form, MainWindowButtons()[1].properties);
    XPButtonCommand command(cancel.button);
    EXPECT_EQ(command.Caption(), "取 消");
    EXPECT_FALSE(command.Enabled());
    cancel.host.ClearRecords();
    command.SetEnabled(true);
    EXPECT_TRUE(cancel.host.surfaceEnabled);
    EXPECT_EQ(cancel.host.Redraws(), 1);
    command.SetCaption("&Stop");
    EXPECT_EQ(cancel.button.AccessKeys(), "S");
    command.SetFocus();
    EXPECT_EQ(cancel.host.calls.back(), "SetFocus");
}

} // namespace
} // namespace tarvenel::test

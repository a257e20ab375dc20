#include <functional>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/dialogs.h"
#include "support/fake_button_host.h"

namespace tarvenel::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr OleColour kRed = 0x0000FF;
constexpr OleColour kBlue = 0xFF0000;
constexpr OleColour kGreen = 0x00FF00;

struct Rig : ButtonRig {
    Rig() : ButtonRig(container) {}
    ButtonContainer container;
};

PicturePtr Icon16() {
    return std::make_shared<ButtonPicture>(ButtonPicture{PictureKind::Icon, 16, 16, nullptr});
}

TEST(ButtonProperties, OutOfRangeValuesChangeNothingAndDrawNothing) {
    ButtonContainer container;
    struct Case {
        const char* name;
        std::function<void(XPButton&, int)> set;
        std::function<int(const XPButton&)> get;
        int lowest, highest;
    };
    const Case cases[] = {
        {"ButtonStyle", &XPButton::SetButtonStyle, &XPButton::ButtonStyle, 0, 7},
        {"Mode", &XPButton::SetMode, &XPButton::Mode, 0, 2},
        {"CaptionAlign", &XPButton::SetCaptionAlign, &XPButton::CaptionAlign, 0, 2},
        {"CaptionStyle", &XPButton::SetCaptionStyle, &XPButton::CaptionStyle, 0, 2},
        {"ButtonShape", &XPButton::SetButtonShape, &XPButton::ButtonShape, 0, 6},
        {"PictureAlign", &XPButton::SetPictureAlign, &XPButton::PictureAlign, 0, 5},
        {"PictureSize", &XPButton::SetPictureSize, &XPButton::PictureSize, 0, 4},
        {"GradientMode", &XPButton::SetGradientMode, &XPButton::GradientMode, 0, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonRig r(container);
        c.set(r.button, 1); // away from the initial value
        r.host.ClearRecords();
        for (int bad : {c.lowest - 1, c.highest + 1}) {
            c.set(r.button, bad);
            EXPECT_EQ(c.get(r.button), 1);
        }
        EXPECT_THAT(r.host.calls, IsEmpty());
        EXPECT_THAT(r.host.changed, IsEmpty());
        c.set(r.button, c.highest);
        EXPECT_EQ(c.get(r.button), c.highest);
        EXPECT_FALSE(r.host.changed.empty());
    }
}

TEST(ButtonProperties, ValueTrueIsRefusedOnACommandButton) {
    Rig r;
    r.button.SetValue(true);
    EXPECT_FALSE(r.button.Value());
    EXPECT_THAT(r.host.messages, IsEmpty());
    EXPECT_THAT(r.host.calls, IsEmpty());
    EXPECT_THAT(r.host.changed, IsEmpty());
    r.button.SetValue(false);
    EXPECT_THAT(r.host.changed, ElementsAre("Value"));

    r.host.designMode = true;
    r.button.SetValue(true);
    EXPECT_FALSE(r.button.Value());
    ASSERT_EQ(r.host.messages.size(), 1u);
    EXPECT_EQ(r.host.messages[0].text, "This property is not applicable for command button modes.");
    EXPECT_EQ(r.host.messages[0].style, mb::kOk | mb::kIconInformation);
}

TEST(ButtonProperties, AccessKeyFollowsTheLastAmpersand) {
    Rig r;
    r.button.SetCaption("Save &As");
    EXPECT_EQ(r.button.AccessKeys(), "A");
    EXPECT_EQ(r.host.accessKeys, "A");
    r.button.SetCaption("a&&b");
    EXPECT_EQ(r.button.AccessKeys(), "b");
    r.button.SetCaption("no key here");
    EXPECT_EQ(r.button.AccessKeys(), "b");
    r.button.SetCaption("确&定");
    EXPECT_EQ(r.button.AccessKeys(), "定");
    r.button.SetCaption("end&");
    EXPECT_EQ(r.button.AccessKeys(), "");
    EXPECT_EQ(r.host.accessKeys, "");
}

TEST(ButtonProperties, HoverBackColourFollowsUntilSetApart) {
    Rig r;
    r.button.SetBackColor(kRed);
    EXPECT_EQ(r.button.HoverBackColor(), kRed);
    EXPECT_EQ(r.button.HoverColorLocks(), 0);
    r.button.SetHoverBackColor(kBlue);
    EXPECT_EQ(r.button.HoverColorLocks(), 1);
    r.button.SetBackColor(kGreen);
    EXPECT_EQ(r.button.HoverBackColor(), kBlue);
    // Setting the caption hover colour apart as well frees both.
    r.button.SetHoverForeColor(kRed);
    EXPECT_EQ(r.button.HoverColorLocks(), 3);
}

TEST(ButtonProperties, HoverForeColourFollowsUntilSetApart) {
    Rig r;
    r.button.SetForeColor(kRed);
    EXPECT_EQ(r.button.HoverForeColor(), kRed);
    r.button.SetHoverForeColor(kBlue);
    EXPECT_EQ(r.button.HoverColorLocks(), 2);
    r.button.SetForeColor(kGreen);
    EXPECT_EQ(r.button.HoverForeColor(), kBlue);
    // Back colour still follows under lock 2, then 2 becomes 3 when set apart.
    r.button.SetBackColor(kGreen);
    EXPECT_EQ(r.button.HoverBackColor(), kGreen);
    r.button.SetHoverBackColor(kRed);
    EXPECT_EQ(r.button.HoverColorLocks(), 3);
}

TEST(ButtonProperties, SettingTheLocksBringsTheFollowingColoursBack) {
    Rig r;
    r.button.SetBackColor(kRed);
    r.button.SetForeColor(kGreen);
    r.button.SetHoverBackColor(kBlue);
    r.button.SetHoverForeColor(kBlue);
    ASSERT_EQ(r.button.HoverColorLocks(), 3);
    r.host.ClearRecords();
    r.button.SetHoverColorLocks(1); // caption colour follows again
    EXPECT_EQ(r.button.HoverForeColor(), kGreen);
    EXPECT_EQ(r.button.HoverBackColor(), kBlue);
    EXPECT_THAT(r.host.changed, ElementsAre("cFHover", "LockHover"));
    r.button.SetHoverColorLocks(0);
    EXPECT_EQ(r.button.HoverBackColor(), kRed);
    EXPECT_EQ(r.host.Redraws(), 0);
}

TEST(ButtonProperties, HoverBackColourFollowsTheGradient) {
    Rig r;
    r.button.SetGradientColor(kBlue);
    EXPECT_EQ(r.button.HoverBackColor(), kSysButtonFace); // no gradient yet
    r.button.SetGradientMode(3);
    EXPECT_EQ(r.button.HoverBackColor(), kBlue);
    r.button.SetGradientColor(kGreen);
    EXPECT_EQ(r.button.HoverBackColor(), kGreen);
    r.button.SetGradientMode(0);
    EXPECT_EQ(r.button.HoverBackColor(), r.button.BackColor());
}

TEST(ButtonProperties, GradientColourRedrawsOnlyWhenAGradientShows) {
    Rig r;
    r.button.SetGradientColor(kBlue);
    EXPECT_EQ(r.host.Redraws(), 0);
    EXPECT_THAT(r.host.changed, ElementsAre("cGradient"));
    r.button.SetGradientMode(1);
    r.host.ClearRecords();
    r.button.SetGradientColor(kRed);
    EXPECT_EQ(r.host.Redraws(), 1);
}

TEST(ButtonProperties, BackColourKeepsTheRgbOfASystemColour) {
    Rig r;
    r.button.SetBackColor(kSysButtonFace);
    EXPECT_EQ(r.button.BackColor(), TranslateColour(kSysButtonFace));
    EXPECT_EQ(r.button.Colours().face, TranslateColour(kSysButtonFace));
    r.button.SetButtonStyle(2);
    r.button.SetBackColor(0x808080);
    EXPECT_EQ(r.button.Colours().face, ShiftColour(0x808080, 48, {.proportionalBlue = true}));
}

TEST(ButtonProperties, ResetDefaultColoursOnlyInADesignerAndDrawsOnce) {
    Rig r;
    r.button.SetBackColor(kRed);
    r.button.SetForeColor(kGreen);
    r.button.SetGradientMode(2);
    r.button.SetHoverBackColor(kBlue);
    r.host.ClearRecords();
    r.button.SetResetDefaultColors(true); // at run time
    EXPECT_EQ(r.button.BackColor(), kRed);
    EXPECT_THAT(r.host.calls, IsEmpty());

    r.host.designMode = true;
    r.button.SetResetDefaultColors(false);
    EXPECT_EQ(r.button.BackColor(), kRed);
    r.button.SetResetDefaultColors(true);
    EXPECT_EQ(r.button.BackColor(), kSysButtonFace); // the system colour itself
    EXPECT_EQ(r.button.ForeColor(), kSysButtonText);
    EXPECT_EQ(r.button.GradientColor(), kSysButtonFace);
    EXPECT_EQ(r.button.GradientMode(), 0);
    EXPECT_EQ(r.button.HoverColorLocks(), 0);
    EXPECT_EQ(r.button.HoverBackColor(), kSysButtonFace);
    EXPECT_EQ(r.button.HoverForeColor(), kSysButtonText);
    EXPECT_EQ(r.host.Redraws(), 1);
    EXPECT_FALSE(r.button.VisualState().drawingDelayed);
    EXPECT_FALSE(r.button.ResetDefaultColors());
}

TEST(ButtonProperties, SlantingBothSidesCentresTheCaptionAndRebuildsEverything) {
    Rig r;
    r.button.SetCaptionAlign(xpb::kAlignLeft);
    r.button.DelayDrawing(true);
    r.host.ClearRecords();
    r.button.SetButtonShape(3);
    EXPECT_EQ(r.button.CaptionAlign(), xpb::kAlignCentre);
    EXPECT_THAT(r.host.calls, ElementsAre("Region", "BackBuffer", "Layout", "Redraw"));
    EXPECT_THAT(r.host.changed, ElementsAre("Shape"));
}

TEST(ButtonProperties, CaptionStaysCentredUnderAStackedPicture) {
    Rig r;
    r.button.SetCaptionAlign(xpb::kAlignLeft);
    r.button.SetPicture(Icon16());
    r.button.SetPictureAlign(xpb::kPictureTopCentre);
    EXPECT_EQ(r.button.CaptionAlign(), xpb::kAlignCentre);

    r.host.ClearRecords();
    r.button.SetCaptionAlign(xpb::kAlignRight);
    EXPECT_EQ(r.button.CaptionAlign(), xpb::kAlignCentre);
    EXPECT_THAT(r.host.messages, IsEmpty());
    EXPECT_THAT(r.host.calls, IsEmpty());

    r.host.designMode = true;
    r.button.SetCaptionAlign(xpb::kAlignLeft);
    ASSERT_EQ(r.host.messages.size(), 1u);
    EXPECT_EQ(r.host.messages[0].text, "When button images are aligned top/bottom center, \r\n"
                                       "button captions can only be center aligned");

    r.button.SetPictureAlign(1); // beside the caption: any alignment again
    r.button.SetCaptionAlign(xpb::kAlignLeft);
    EXPECT_EQ(r.button.CaptionAlign(), xpb::kAlignLeft);
}

TEST(ButtonProperties, PictureGivesKindAndSize) {
    Rig r;
    r.button.SetPicture(
        std::make_shared<ButtonPicture>(ButtonPicture{PictureKind::Bitmap, 40, 30, nullptr}));
    EXPECT_EQ(r.button.PictureKindOf(), PictureKind::Bitmap);
    EXPECT_EQ(r.button.PictureWidth(), 40);
    EXPECT_EQ(r.button.PictureHeight(), 30);
    r.button.SetPicture(Icon16());
    EXPECT_EQ(r.button.PictureKindOf(), PictureKind::Icon);
    r.button.SetPicture(nullptr);
    EXPECT_EQ(r.button.PictureWidth(), 0);
    EXPECT_EQ(r.button.PictureHeight(), 0);
    r.button.SetPictureSize(2);
    EXPECT_EQ(r.button.PictureSizePixels(), 32);
}

TEST(ButtonProperties, FocusRectangleOnTheDefaultButton) {
    Rig r;
    r.host.displayAsDefault = true;
    r.button.OnAmbientChanged("DisplayAsDefault");
    ASSERT_TRUE(r.button.VisualState().defaultLook);

    r.host.designMode = true;
    r.button.SetShowFocusRect(true);
    EXPECT_TRUE(r.button.VisualState().defaultLook);
    ASSERT_EQ(r.host.messages.size(), 1u);
    EXPECT_EQ(r.host.messages[0].text,
              "The focus rectangle may appear on default buttons ONLY while in design mode, "
              "\r\nbut will not appear when the form is running.");

    r.host.designMode = false;
    r.host.ClearRecords();
    r.button.SetShowFocusRect(true);
    EXPECT_FALSE(r.button.VisualState().defaultLook);
    EXPECT_EQ(r.host.Redraws(), 1);
    EXPECT_THAT(r.host.messages, IsEmpty());

    // Without the focus rectangle the default button has no default look.
    r.button.SetShowFocusRect(false);
    r.button.OnAmbientChanged("DisplayAsDefault");
    EXPECT_FALSE(r.button.VisualState().defaultLook);
}

TEST(ButtonProperties, ContainerColourNotification) {
    Rig r;
    r.container.SetBackColour(0x123456);
    r.button.OnAmbientChanged("BackColor");
    EXPECT_EQ(r.button.ContainerColour(), 0x123456u);
    EXPECT_EQ(r.host.Redraws(), 0); // a plain rectangle shows none of it
    r.button.SetButtonShape(4);
    r.host.ClearRecords();
    r.container.SetBackColour(kSysButtonFace);
    r.button.OnAmbientChanged("BackColor");
    EXPECT_EQ(r.button.ContainerColour(), TranslateColour(kSysButtonFace));
    EXPECT_EQ(r.host.Redraws(), 1);
    r.button.OnAmbientChanged("ForeColor");
    EXPECT_EQ(r.host.Redraws(), 1);
}

TEST(ButtonProperties, MouseIcon) {
    Rig r;
    r.button.SetMouseIcon(Icon16());
    EXPECT_EQ(r.button.MousePointer(), xpb::kCustomPointer);
    EXPECT_EQ(r.host.mousePointer, xpb::kCustomPointer);
    EXPECT_EQ(r.host.mouseIcon, r.button.MouseIcon());

    r.host.refuseMouseIcon = true;
    const PicturePtr before = r.button.MouseIcon();
    r.host.ClearRecords();
    r.button.SetMouseIcon(Icon16());
    EXPECT_EQ(r.button.MouseIcon(), before);
    EXPECT_THAT(r.host.messages, IsEmpty());
    EXPECT_THAT(r.host.changed, IsEmpty());
    r.host.designMode = true;
    r.button.SetMouseIcon(Icon16());
    ASSERT_EQ(r.host.messages.size(), 1u);
    EXPECT_EQ(r.host.messages[0].text, "Invalid picture");
    EXPECT_EQ(r.host.messages[0].caption, "Select .ico Or .cur Files Only");
}

TEST(ButtonProperties, FontStyleBits) {
    Rig r;
    r.button.SetFontStyle(2 | 8);
    EXPECT_EQ(r.button.Font().weight, 700);
    EXPECT_FALSE(r.button.Font().italic);
    EXPECT_TRUE(r.button.Font().underline);
    EXPECT_EQ(r.button.FontStyle(), 10);
    EXPECT_THAT(r.host.changed, ElementsAre("Font"));
    r.button.SetFontStyle(4 | 1);
    EXPECT_EQ(r.button.Font().weight, 400);
    EXPECT_EQ(r.button.FontStyle(), 4);
}

TEST(ButtonProperties, EnablingTheFlatGreyLookRebuildsItsRegionAndDrawsOnce) {
    Rig r;
    r.button.SetButtonStyle(3);
    r.host.ClearRecords();
    r.button.SetEnabled(false);
    EXPECT_FALSE(r.host.surfaceEnabled);
    EXPECT_THAT(r.host.calls, ElementsAre("Region", "Layout", "Redraw"));
    r.host.ClearRecords();
    r.button.SetEnabled(false);
    EXPECT_THAT(r.host.calls, IsEmpty());
    EXPECT_THAT(r.host.changed, IsEmpty());
}

TEST(ButtonProperties, DelayedDrawingSkipsRedrawsUntilItEnds) {
    Rig r;
    r.button.DelayDrawing(true);
    r.button.Refresh();
    r.button.SetCaption("x");
    r.button.SetGradientMode(1);
    EXPECT_EQ(r.host.Redraws(), 0);
    r.button.DelayDrawing(false);
    EXPECT_EQ(r.host.Redraws(), 1);
    // A new fore colour ends the delay by itself.
    r.button.DelayDrawing(true);
    r.button.SetForeColor(kRed);
    EXPECT_EQ(r.host.Redraws(), 2);
}

TEST(ButtonProperties, CaptionStyleOfAnEmptyCaptionIsOnlyReported) {
    Rig r;
    r.button.SetCaption("");
    r.host.ClearRecords();
    r.button.SetCaptionStyle(2);
    EXPECT_THAT(r.host.calls, IsEmpty());
    EXPECT_THAT(r.host.changed, ElementsAre("CapStyle"));
}

} // namespace
} // namespace tarvenel::test

#include <functional>
#include <memory>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "button/click_synthesiser.h"
#include "support/fake_button_host.h"

namespace tarvenel::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct WithContainer {
    ButtonContainer container;
};

// A command button with the mouse over it.
struct MouseRig : WithContainer, ButtonRig {
    MouseRig() : ButtonRig(container), mouse(button) {
        host.cursorOver = true;
        button.OnMouseMove(0, 0, 10, 10);
        log.events.clear();
        host.ClearRecords();
    }
    bool DrawnPressed() const {
        const ButtonVisualState& s = host.painted.back().state;
        return s.pressed && s.hover;
    }
    ClickSynthesiser mouse;
};

TEST(ButtonMouse, LeftClickPressesCapturesAndClicks) {
    MouseRig r;
    r.mouse.Press(1, 0, 10, 10);
    EXPECT_TRUE(r.DrawnPressed());
    EXPECT_TRUE(r.host.captured);
    r.mouse.Release(1, 0, 10, 10);
    EXPECT_FALSE(r.DrawnPressed());
    EXPECT_FALSE(r.host.captured);
    EXPECT_THAT(r.log.events, ElementsAre("MouseDown(1)", "MouseUp(1)", "Click"));
}

TEST(ButtonMouse, RightClickRaisesNoClickAndDoesNotPress) {
    MouseRig r;
    r.mouse.Press(2, 0, 10, 10);
    r.mouse.Release(2, 0, 10, 10);
    EXPECT_THAT(r.log.events, ElementsAre("MouseDown(2)", "MouseUp(2)"));
    EXPECT_THAT(r.host.calls, IsEmpty()); // no capture, no pressed drawing
}

TEST(ButtonMouse, PressDragOffAndReleaseRaisesNoClick) {
    MouseRig r;
    r.mouse.Press(1, 0, 10, 10);
    r.button.OnMouseMove(1, 0, -8, 10); // the capture keeps the moves coming
    r.host.cursorOver = false;
    r.button.OnHoverTimer();
    // Drawn released as soon as the poll sees the mouse gone.
    EXPECT_FALSE(r.DrawnPressed());
    EXPECT_FALSE(r.host.painted.back().state.pressLook);
    r.mouse.Release(1, 0, -8, 10);
    EXPECT_THAT(r.log.events, ElementsAre("MouseDown(1)", "MouseOnButton(False)", "MouseUp(1)"));
    EXPECT_FALSE(r.host.captured);
}

TEST(ButtonMouse, DraggingBackInShowsPressedAgainAndClicks) {
    MouseRig r;
    r.mouse.Press(1, 0, 10, 10);
    r.host.cursorOver = false;
    r.button.OnHoverTimer();
    r.host.cursorOver = true;
    r.button.OnMouseMove(1, 0, 12, 12);
    EXPECT_TRUE(r.DrawnPressed());
    EXPECT_TRUE(r.host.painted.back().state.pressLook);
    r.mouse.Release(1, 0, 12, 12);
    EXPECT_THAT(r.log.events, ElementsAre("MouseDown(1)", "MouseOnButton(False)",
                                          "MouseOnButton(True)", "MouseUp(1)", "Click"));
}

TEST(ButtonMouse, DoubleClickOrderAndSecondPressDrawnPressed) {
    MouseRig r;
    std::vector<std::pair<float, float>> downAt;
    auto logDown = r.button.events.MouseDown;
    r.button.events.MouseDown = [&](int b, int s, float x, float y) {
        downAt.emplace_back(x, y);
        logDown(b, s, x, y);
    };
    r.mouse.Press(1, 0, 10, 10);
    r.mouse.Release(1, 0, 10, 10);
    r.host.cursor = {11, 9};
    r.mouse.DoublePress(1, 0, 11, 9);
    EXPECT_TRUE(r.DrawnPressed());
    EXPECT_TRUE(r.host.captured);
    r.mouse.Release(1, 0, 11, 9);
    EXPECT_FALSE(r.DrawnPressed());
    EXPECT_THAT(r.log.events, ElementsAre("MouseDown(1)", "MouseUp(1)", "Click", "DoubleClick(1)",
                                          "MouseDown(1)", "MouseUp(1)"));
    ASSERT_EQ(downAt.size(), 2u);
    EXPECT_EQ(downAt[1], std::make_pair(11.0f, 9.0f)); // the cursor position
}

TEST(ButtonMouse, AClickRightAfterADoubleClickIsNoClick) {
    MouseRig r;
    r.button.SetMode(xpb::kCheckBox);
    r.mouse.Press(1, 0, 10, 10);
    r.mouse.Release(1, 0, 10, 10);
    r.log.events.clear();
    r.button.OnDoubleClick();
    r.button.OnClick(); // a platform that clicks before the second release
    EXPECT_TRUE(r.button.Value());
    EXPECT_THAT(r.log.events, ElementsAre("DoubleClick(1)", "MouseDown(1)"));
}

TEST(ButtonMouse, RightDoubleClickReportsTheRightButtonAndDoesNotPress) {
    MouseRig r;
    r.mouse.Press(2, 0, 10, 10);
    r.mouse.Release(2, 0, 10, 10);
    r.mouse.DoublePress(2, 0, 10, 10);
    r.mouse.Release(2, 0, 10, 10);
    EXPECT_THAT(r.log.events, ElementsAre("MouseDown(2)", "MouseUp(2)", "DoubleClick(2)",
                                          "MouseDown(2)", "MouseUp(2)"));
    EXPECT_FALSE(r.host.captured);
    EXPECT_THAT(r.host.painted, IsEmpty());
}

TEST(ButtonMouse, CheckBoxClickedTwiceRaisesTwoClicksAndEndsOff) {
    MouseRig r;
    r.button.SetMode(xpb::kCheckBox);
    r.log.events.clear();
    r.mouse.Press(1, 0, 10, 10);
    r.mouse.Release(1, 0, 10, 10);
    EXPECT_TRUE(r.button.Value());
    r.mouse.Press(1, 0, 10, 10);
    r.mouse.Release(1, 0, 10, 10);
    EXPECT_FALSE(r.button.Value());
    EXPECT_THAT(r.log.events, ElementsAre("MouseDown(1)", "MouseUp(1)", "Click", "MouseDown(1)",
                                          "MouseUp(1)", "Click"));
}

TEST(ButtonHover, OneEnterPerEntryAndOneLeaveAtTheNextTick) {
    ButtonContainer container;
    ButtonRig r(container);
    r.host.cursorOver = true;
    for (float x : {3.0f, 20.0f, 40.0f, 75.0f})
        r.button.OnMouseMove(0, 0, x, 25);
    EXPECT_THAT(r.log.events, ElementsAre("MouseOnButton(True)"));
    EXPECT_EQ(r.host.runningTimer, xpb::kHoverTimerId);
    EXPECT_EQ(r.host.timerPeriodMs, 50);
    EXPECT_TRUE(r.button.VisualState().hover);

    r.button.OnHoverTimer(); // still over it
    EXPECT_THAT(r.log.events, ElementsAre("MouseOnButton(True)"));

    r.host.cursorOver = false;
    r.button.OnHoverTimer();
    r.button.OnHoverTimer(); // a tick already queued when the timer stopped
    EXPECT_THAT(r.log.events, ElementsAre("MouseOnButton(True)", "MouseOnButton(False)"));
    EXPECT_FALSE(r.host.runningTimer);
    EXPECT_FALSE(r.button.VisualState().hover);
    EXPECT_FALSE(r.button.VisualState().hoverTimer);

    r.host.cursorOver = true;
    r.button.OnMouseMove(0, 0, 5, 5);
    EXPECT_THAT(r.log.events,
                ElementsAre("MouseOnButton(True)", "MouseOnButton(False)", "MouseOnButton(True)"));
}

TEST(ButtonHover, MovesOutsideTheClientAreaDoNotEnter) {
    ButtonContainer container;
    ButtonRig r(container);
    for (auto [x, y] : {std::pair{-0.5f, 3.0f}, {76.0f, 3.0f}, {3.0f, 25.5f}, {3.0f, -1.0f}})
        r.button.OnMouseMove(0, 0, x, y);
    EXPECT_THAT(r.log.events, IsEmpty());
    EXPECT_FALSE(r.host.runningTimer);
}

TEST(ButtonHover, DestroyingTheButtonStopsItsTimer) {
    ButtonContainer container;
    FakeButtonHost host(container);
    {
        XPButton button(host);
        button.InitProperties();
        button.OnMouseMove(0, 0, 1, 1);
        EXPECT_TRUE(host.runningTimer);
    }
    EXPECT_FALSE(host.runningTimer);
    EXPECT_EQ(host.calls.back(), "StopTimer 237");
}

TEST(ButtonKeys, SpaceOnCommandButtonClicksBeforeKeyUp) {
    ButtonContainer container;
    ButtonRig r(container);
    int key = xpb::kKeySpace;
    r.button.OnKeyDown(key, 0);
    // Drawn pressed for that one redraw, even with the mouse elsewhere.
    ASSERT_EQ(r.host.Redraws(), 1);
    EXPECT_TRUE(r.host.painted[0].state.pressed && r.host.painted[0].state.hover);
    EXPECT_FALSE(r.button.VisualState().hover);
    key = xpb::kKeySpace;
    r.button.OnKeyUp(key, 0);
    EXPECT_FALSE(r.host.painted.back().state.pressed);
    EXPECT_THAT(r.log.events, ElementsAre("KeyDown(32)", "Click", "KeyUp(32)"));
}

TEST(ButtonKeys, SpaceOnCheckBoxRaisesKeyUpBeforeClick) {
    ButtonContainer container;
    ButtonRig r(container);
    r.button.SetMode(xpb::kCheckBox);
    int key = xpb::kKeySpace;
    r.button.OnKeyDown(key, 0);
    key = xpb::kKeySpace;
    r.button.OnKeyUp(key, 0);
    EXPECT_TRUE(r.button.Value());
    EXPECT_THAT(r.log.events, ElementsAre("KeyDown(32)", "KeyUp(32)", "Click"));
}

TEST(ButtonKeys, SpaceKeepsTheHoverLookWhileTheMouseIsOver) {
    ButtonContainer container;
    ButtonRig r(container);
    r.host.cursorOver = true;
    r.button.OnMouseMove(0, 0, 5, 5);
    int key = xpb::kKeySpace;
    r.button.OnKeyDown(key, 0);
    EXPECT_TRUE(r.button.VisualState().hover);
}

TEST(ButtonKeys, ArrowsGoToTheContainerAndRaiseNoKeyEvents) {
    ButtonContainer container;
    ButtonRig r(container);
    const std::pair<int, std::uint32_t> arrows[] = {
        {39, 0x004D0001}, {40, 0x00500001}, {37, 0x004B0001}, {38, 0x00480001}};
    for (auto [vk, data] : arrows) {
        int key = vk;
        r.button.OnKeyDown(key, 0);
        EXPECT_EQ(key, 0);
        ASSERT_FALSE(r.host.postedKeys.empty());
        EXPECT_EQ(r.host.postedKeys.back().virtualKey, vk);
        EXPECT_EQ(r.host.postedKeys.back().keyData, data);
        key = vk;
        r.button.OnKeyUp(key, 0);
    }
    EXPECT_EQ(r.host.postedKeys.size(), 4u);
    EXPECT_THAT(r.log.events, IsEmpty());
}

TEST(ButtonKeys, ShiftRaisesKeyDownButNoKeyUpAndOtherKeysPassThrough) {
    ButtonContainer container;
    ButtonRig r(container);
    int key = xpb::kKeyShift;
    r.button.OnKeyDown(key, 1);
    key = xpb::kKeyShift;
    r.button.OnKeyUp(key, 1);
    key = 'A';
    r.button.OnKeyDown(key, 0);
    r.button.OnKeyUp(key, 0);
    EXPECT_THAT(r.log.events, ElementsAre("KeyDown(16)", "KeyDown(65)", "KeyUp(65)"));
}

TEST(ButtonKeys, HandlersMayChangeTheKey) {
    ButtonContainer container;
    ButtonRig r(container);
    r.button.events.KeyPress = [](int& k) { k = 'b'; };
    r.button.events.KeyDown = [](int& k, int) { k = 0; };
    int ascii = 'a';
    r.button.OnKeyPress(ascii);
    EXPECT_EQ(ascii, 'b');
    int key = 'Q';
    r.button.OnKeyDown(key, 0);
    EXPECT_EQ(key, 0);
}

TEST(ButtonAccessKey, EnterAndEscapeClickOnlyCommandButtons) {
    ButtonContainer container;
    ButtonRig command(container, "XPButton1");
    command.button.OnAccessKey(xpb::kKeyEnter);
    command.button.OnAccessKey(xpb::kKeyEscape);
    EXPECT_THAT(command.log.events, ElementsAre("Click", "Click"));

    ButtonRig check(container, "XPButton2");
    check.button.SetMode(xpb::kCheckBox);
    ButtonRig option(container, "XPButton3");
    option.button.SetMode(xpb::kOption);
    for (ButtonRig* r : {&check, &option}) {
        r->button.OnAccessKey(xpb::kKeyEnter);
        r->button.OnAccessKey(xpb::kKeyEscape);
        EXPECT_THAT(r->log.events, IsEmpty());
        EXPECT_FALSE(r->button.Value());
    }
    check.button.OnAccessKey('A');
    EXPECT_TRUE(check.button.Value());
    EXPECT_THAT(check.log.events, ElementsAre("Click"));
}

TEST(ButtonAccessKey, ClickingAfterAMouseClickOfAnotherButtonStillWorks) {
    MouseRig r;
    r.mouse.Press(2, 0, 1, 1);
    r.mouse.Release(2, 0, 1, 1); // the last mouse button is now the right one
    r.button.OnAccessKey('O');
    EXPECT_THAT(r.log.events, ElementsAre("MouseDown(2)", "MouseUp(2)", "Click"));
}

// A form may unload a button from its own event handler, as a dialog does when
// its cancel button is clicked; nothing may touch the button afterwards.
struct Unloading {
    Unloading() : host(container), button(std::make_unique<XPButton>(host)) {
        button->InitProperties();
        host.cursorOver = true;
    }
    std::function<void()> Unload(const char* event) {
        return [this, event] {
            events.push_back(event);
            button.reset();
        };
    }
    ButtonContainer container;
    FakeButtonHost host;
    std::unique_ptr<XPButton> button;
    std::vector<std::string> events;
};

TEST(ButtonUnloadedByItsHandler, OnClickAfterTheSpaceKey) {
    Unloading u;
    u.button->events.Click = u.Unload("Click");
    u.button->events.KeyUp = [&](int&, int) { u.events.push_back("KeyUp"); };
    int key = xpb::kKeySpace;
    u.button->OnKeyDown(key, 0);
    u.button->OnKeyUp(key, 0);
    EXPECT_THAT(u.events, ElementsAre("Click"));
}

TEST(ButtonUnloadedByItsHandler, OnEnteringStartsNoTimer) {
    Unloading u;
    auto unload = u.Unload("MouseOnButton");
    u.button->events.MouseOnButton = [unload](bool) { unload(); };
    u.button->OnMouseMove(0, 0, 5, 5);
    EXPECT_FALSE(u.host.runningTimer);
    EXPECT_THAT(u.events, ElementsAre("MouseOnButton"));
}

TEST(ButtonUnloadedByItsHandler, OnMouseUpGivesNoClick) {
    Unloading u;
    auto mouse = std::make_unique<ClickSynthesiser>(*u.button);
    u.button->events.MouseUp = [&](int, int, float, float) {
        u.events.push_back("MouseUp");
        mouse.reset();
        u.button.reset();
    };
    mouse->Press(1, 0, 5, 5);
    mouse->Release(1, 0, 5, 5);
    EXPECT_THAT(u.events, ElementsAre("MouseUp"));
    EXPECT_FALSE(u.host.captured);
}

TEST(ButtonUnloadedByItsHandler, OnDoubleClick) {
    Unloading u;
    u.button->events.DoubleClick = [&](int) {
        u.events.push_back("DoubleClick");
        u.button.reset();
    };
    u.button->OnMouseDown(1, 0, 5, 5);
    u.button->OnMouseUp(1, 0, 5, 5);
    u.button->OnDoubleClick();
    EXPECT_THAT(u.events, ElementsAre("DoubleClick"));
    EXPECT_FALSE(u.host.captured);
}

} // namespace
} // namespace tarvenel::test

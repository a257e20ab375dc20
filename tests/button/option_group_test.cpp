#include <memory>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/fake_button_host.h"

namespace tarvenel::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Three option buttons A, B, C on one container, joined in that order.
struct Group {
    Group() {
        for (ButtonRig* r : {&a, &b, &c})
            r->button.SetMode(xpb::kOption);
        Forget();
    }
    void Forget() {
        for (ButtonRig* r : {&a, &b, &c}) {
            r->log.events.clear();
            r->host.ClearRecords();
        }
    }
    std::vector<bool> Values() const {
        return {a.button.Value(), b.button.Value(), c.button.Value()};
    }
    std::vector<const XPButton*> Members() const {
        const auto& m = container.Options().Members();
        return {m.begin(), m.end()};
    }
    // A left click as the platform delivers it.
    static void Click(ButtonRig& r) {
        r.button.OnMouseDown(1, 0, 5, 5);
        r.button.OnMouseUp(1, 0, 5, 5);
        r.button.OnClick();
    }

    ButtonContainer container;
    ButtonRig a{container, "A"};
    ButtonRig b{container, "B"};
    ButtonRig c{container, "C"};
};

TEST(OptionGroup, MembersAreNumberedInJoiningOrder) {
    Group g;
    ASSERT_EQ(g.container.Options().Count(), 3);
    EXPECT_EQ(g.container.Options().Member(1), &g.a.button);
    EXPECT_EQ(g.container.Options().Member(3), &g.c.button);
}

TEST(OptionGroup, ClickingAnOffButtonTurnsItOnAndTheOthersOff) {
    Group g;
    Group::Click(g.a);
    Group::Click(g.c);
    EXPECT_EQ(g.Values(), (std::vector<bool>{false, false, true}));
    EXPECT_THAT(g.c.log.events, ElementsAre("MouseDown(1)", "MouseUp(1)", "Click"));
    EXPECT_THAT(g.a.log.events, ElementsAre("MouseDown(1)", "MouseUp(1)", "Click"));
    // The one turned off was redrawn off.
    ASSERT_FALSE(g.a.host.painted.empty());
    EXPECT_FALSE(g.a.host.painted.back().value);
}

TEST(OptionGroup, ClickingTheButtonThatIsOnRaisesNothing) {
    Group g;
    Group::Click(g.b);
    g.Forget();
    g.b.button.OnClick();
    EXPECT_TRUE(g.b.button.Value());
    EXPECT_THAT(g.b.log.events, IsEmpty());
    EXPECT_THAT(g.b.host.changed, IsEmpty());
}

TEST(OptionGroup, AMemberLeavingShiftsTheLaterOnesDown) {
    Group g;
    g.b.button.SetMode(xpb::kCommand);
    EXPECT_THAT(g.Members(), ElementsAre(&g.a.button, &g.c.button));
    Group::Click(g.c);
    Group::Click(g.a);
    EXPECT_EQ(g.Values(), (std::vector<bool>{true, false, false}));
    Group::Click(g.c);
    EXPECT_EQ(g.Values(), (std::vector<bool>{false, false, true}));

    g.a.button.SetMode(xpb::kCheckBox);
    EXPECT_THAT(g.Members(), ElementsAre(&g.c.button));
    g.c.button.SetMode(xpb::kCommand);
    EXPECT_EQ(g.container.Options().Count(), 0);
}

TEST(OptionGroup, LeavingTheModeOfACommandButtonClearsItsValue) {
    Group g;
    Group::Click(g.b);
    g.b.button.SetMode(xpb::kCommand);
    EXPECT_FALSE(g.b.button.Value());
    // A check box that is on keeps its value when it becomes an option button
    // and turns the others off.
    Group::Click(g.a);
    g.b.button.SetMode(xpb::kCheckBox);
    Group::Click(g.b);
    g.b.button.SetMode(xpb::kOption);
    EXPECT_EQ(g.Values(), (std::vector<bool>{false, true, false}));
}

TEST(OptionGroup, TabbingIntoAGroupWithNoneOnTurnsTheFocusedOneOn) {
    Group g;
    g.b.button.OnGotFocus();
    EXPECT_EQ(g.Values(), (std::vector<bool>{false, true, false}));
    EXPECT_THAT(g.b.log.events, ElementsAre("Click"));

    g.Forget();
    g.c.button.OnGotFocus(); // one is already on
    EXPECT_EQ(g.Values(), (std::vector<bool>{false, true, false}));
    EXPECT_THAT(g.c.log.events, IsEmpty());
}

TEST(OptionGroup, AnArrowKeyTurnsOnTheOptionButtonItMovedTo) {
    Group g;
    Group::Click(g.a);
    g.Forget();
    int key = xpb::kKeyDown; // the key-up arrives at the newly focused button
    g.b.button.OnKeyUp(key, 0);
    EXPECT_EQ(g.Values(), (std::vector<bool>{false, true, false}));
    EXPECT_THAT(g.b.log.events, ElementsAre("Click"));
}

TEST(OptionGroup, SpaceOnAnOptionButton) {
    Group g;
    int key = xpb::kKeySpace;
    g.c.button.OnKeyDown(key, 0);
    key = xpb::kKeySpace;
    g.c.button.OnKeyUp(key, 0);
    EXPECT_TRUE(g.c.button.Value());
    EXPECT_THAT(g.c.log.events, ElementsAre("KeyDown(32)", "KeyUp(32)", "Click"));
}

TEST(OptionGroup, GroupsBelongToTheirContainer) {
    Group g;
    ButtonContainer other;
    ButtonRig elsewhere(other, "D");
    elsewhere.button.SetMode(xpb::kOption);
    Group::Click(g.a);
    Group::Click(elsewhere);
    EXPECT_TRUE(g.a.button.Value());
    EXPECT_TRUE(elsewhere.button.Value());
    EXPECT_EQ(other.Options().Count(), 1);
}

TEST(OptionGroup, ADestroyedMemberLeavesItsGroup) {
    ButtonContainer container;
    ButtonRig a(container, "A");
    a.button.SetMode(xpb::kOption);
    {
        ButtonRig gone(container, "Gone");
        gone.button.SetMode(xpb::kOption);
        Group::Click(gone);
    }
    EXPECT_EQ(container.Options().Count(), 1);
    Group::Click(a); // would reach the destroyed member if it stayed behind
    EXPECT_TRUE(a.button.Value());
}

TEST(OptionGroup, LoadingAnOptionButtonThatIsOnJoinsAndTurnsTheOthersOff) {
    Group g;
    Group::Click(g.a);
    FakeButtonHost host(g.container, "Loaded");
    XPButton loaded(host);
    loaded.ReadProperties(MemoryPropertyBag({{"Mode", std::int64_t{2}}, {"Value", true}}));
    EXPECT_FALSE(g.a.button.Value());
    EXPECT_TRUE(loaded.Value());
    EXPECT_EQ(g.container.Options().Member(4), &loaded);
}

} // namespace
} // namespace tarvenel::test

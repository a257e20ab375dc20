// The form host's rules, which both front ends get from here: the tab order,
// a window that appears, a link's click, a check box's release, a label's
// width, the timers' rhythm, the caret's rest and pictures over the skin.
#include <gtest/gtest.h>

#include "app/form_host.h"
#include "app/second_rhythm.h"
#include "support/fake_native_form.h"

namespace tarvenel::test {
namespace {

using E = FormEventKind;

struct FormHostTest : testing::Test {
    FakeNativeForm native;
    FormHost host{native};
    int Declare(const char* name, ControlKind kind, int tabIndex = -1,
                TwipsRect place = {0, 0, 1500, 300}) {
        return host.Declare({name, name, "", place, tabIndex}, kind);
    }
    FormEvent Mouse(int control, E kind, int button, float x = 5, float y = 5) {
        return {control, kind, button, 0, x, y};
    }
};

TEST_F(FormHostTest, TabStopsAreMadeInTabOrderAndAnAppearingWindowStartsOnTheFirst) {
    const int label = Declare("Label", ControlKind::Label);
    const int second = Declare("Second", ControlKind::List, 2);
    const int first = Declare("First", ControlKind::List, 0);
    const int hidden = Declare("Hidden", ControlKind::Button, 1);
    host.Spec(hidden).visible = false;
    host.MakeAll();
    EXPECT_EQ(native.made, (std::vector<int>{label, first, hidden, second}));

    int resized = 0;
    bool seenWhenResized = true;
    host.OnResize([&] {
        if (++resized == 1)
            seenWhenResized = native.window.visible;
    });
    native.window.visible = false;
    host.FormView().Show();
    EXPECT_EQ(resized, 1);
    EXPECT_FALSE(seenWhenResized); // placed and painted before it is seen
    EXPECT_TRUE(native.window.visible);
    EXPECT_EQ(native.focus, first); // the first visible stop
    native.focus = second;
    host.FormView().Show(); // already on screen: no resize, the focus stays
    EXPECT_EQ(resized, 1);
    EXPECT_EQ(native.focus, second);
    // Back from the taskbar the form is laid out again.
    native.state = WindowState::Minimised;
    host.FormView().Show();
    EXPECT_EQ(native.state, WindowState::Normal);
    native.Send({kForm, E::StateChanged});
    EXPECT_EQ(resized, 2);
}

TEST_F(FormHostTest, ALinkActsOnALeftReleaseOverItAfterALeftPressOnIt) {
    const int link = Declare("Link", ControlKind::Label, -1, {0, 0, 1500, 300}); // 100 x 20 px
    const int other = Declare("Other", ControlKind::Label);
    host.MakeAll();
    int clicks = 0;
    host.OnClick(link, [&] { ++clicks; });
    struct Case {
        std::vector<FormEvent> events;
        int clicks;
    };
    const Case cases[] = {
        {{Mouse(link, E::MouseDown, 1), Mouse(link, E::MouseUp, 1, 99, 19)}, 1},
        {{Mouse(link, E::MouseDown, 1), Mouse(link, E::MouseUp, 1, 100, 5)}, 0}, // outside
        {{Mouse(link, E::MouseDown, 2), Mouse(link, E::MouseUp, 2)}, 0},         // right button
        {{Mouse(other, E::MouseDown, 1), Mouse(link, E::MouseUp, 1)}, 0},  // pressed elsewhere
        {{Mouse(link, E::DoubleClick, 1), Mouse(link, E::MouseUp, 1)}, 1}, // a quick second
    };
    for (const Case& c : cases) {
        clicks = 0;
        for (const FormEvent& e : c.events)
            native.Send(e);
        EXPECT_EQ(clicks, c.clicks) << &c - cases;
    }
}

TEST_F(FormHostTest, ACheckBoxSwitchesOnAReleaseAfterAPressOnItOrFromTheKeyboard) {
    const int box = Declare("Box", ControlKind::CheckBox, 0);
    host.MakeAll();
    std::vector<std::vector<float>> releases;
    host.OnCheckRelease(box, [&](int b, int s, float x, float y) {
        releases.push_back({float(b), float(s), x, y});
    });
    native.Send(Mouse(box, E::MouseUp, 1)); // no press on it
    native.Send(Mouse(box, E::MouseDown, 2));
    native.Send(Mouse(box, E::MouseUp, 2, -40, 7)); // released anywhere
    native.Send(Mouse(box, E::MouseUp, 2, 3, 3));   // once only
    native.Send(Mouse(box, E::DoubleClick, 1));     // the second of a quick pair
    native.Send(Mouse(box, E::MouseUp, 1, 4, 6));
    native.Send({box, E::Toggled, 1, 2}); // the space bar, Ctrl held
    EXPECT_EQ(releases,
              (std::vector<std::vector<float>>{{2, 0, -40, 7}, {1, 0, 4, 6}, {1, 2, 0, 0}}));
}

TEST_F(FormHostTest, ALabelsWidthFollowsItsTextByItsRule) {
    const int fixed = Declare("Fixed", ControlKind::Label, -1, {0, 0, 1000, 180});
    const int grow = Declare("Grow", ControlKind::Label, -1, {0, 0, 1000, 180});
    const int fit = Declare("Fit", ControlKind::Label, -1, {0, 0, 1000, 180});
    host.SetWidthRule(grow, LabelWidth::GrowToText);
    host.SetWidthRule(fit, LabelWidth::FitText);
    host.MakeAll();
    for (const auto& [text, widths] :
         {std::pair<std::string, std::vector<int>>{"abc", {1000, 1000, 600}},
          {"abcdefgh", {1000, 1600, 1600}},
          {"a", {1000, 1000, 200}}}) {
        for (int label : {fixed, grow, fit})
            host.LabelView(label).SetCaption(text);
        EXPECT_EQ(native.Place(fixed).width, widths[0]) << text;
        EXPECT_EQ(native.Place(grow).width, widths[1]) << text;
        EXPECT_EQ(native.Place(fit).width, widths[2]) << text;
        EXPECT_EQ(native.Text(fit), text);
    }
}

TEST_F(FormHostTest, TimersKeepTheirRhythmOrTheWallClocksSeconds) {
    host.MakeAll();
    // The clock starts 400 ms into a second.
    const long long start = native.now + 400;
    native.now = start;
    std::vector<long long> own, clock;
    Timer* self = nullptr;
    Timer& steps = host.AddTimer(2000, false, [&] { own.push_back(native.now); });
    Timer& seconds = host.AddTimer(
        1000, true,
        [&] {
            clock.push_back(native.now);
            if (clock.size() == 3)
                self->SetEnabled(false); // a handler may switch its timer off
        },
        FormHost::Rhythm::WallClockSeconds);
    self = &seconds;
    steps.SetEnabled(true);
    native.Advance(1000);
    steps.SetEnabled(true); // on already: the rhythm stays
    native.Advance(4000);
    EXPECT_EQ(own, (std::vector<long long>{start + 2000, start + 4000}));
    // Just after each second begins, never a hair before it.
    const long long next = start + 600 + kPastSecondMs;
    EXPECT_EQ(clock, (std::vector<long long>{next, next + 1000, next + 2000}));
    EXPECT_FALSE(seconds.Enabled());
}

TEST_F(FormHostTest, TheCaretRestsAfterTheTimeOutAndInputWakesIt) {
    const int list = Declare("List", ControlKind::List, 0);
    host.MakeAll();
    native.Advance(4900);
    EXPECT_FALSE(native.caretResting);
    native.Advance(100);
    EXPECT_TRUE(native.caretResting);
    for (const FormEvent& input : {FormEvent{list, E::KeyDown}, Mouse(list, E::MouseDown, 1),
                                   FormEvent{list, E::FocusIn}, FormEvent{list, E::Chosen}}) {
        native.Send(input);
        EXPECT_FALSE(native.caretResting);
        native.Advance(4999);
        EXPECT_FALSE(native.caretResting);
        native.Advance(1);
        EXPECT_TRUE(native.caretResting);
    }
}

TEST_F(FormHostTest, APictureShowsTheBackgroundThroughItsTransparentPixels) {
    const int picture = Declare("Picture", ControlKind::Drawn, -1, {15, 0, 30, 15}); // 2 x 1
    host.MakeAll();
    Bitmap background(4, 1, PixelFromRgb(0x000000));
    background.Set(1, 0, 0xFF102030);
    background.Set(2, 0, 0xFF405060);
    Bitmap face(2, 1, 0x00FFFFFF);
    face.Set(1, 0, 0x80FFFFFF); // half white
    host.ShowPicture(picture, face);
    host.SetBackground(background); // laid over the new background at once
    const Bitmap& shown = native.Get(picture).face;
    ASSERT_EQ(shown.Width(), 2);
    EXPECT_EQ(shown.At(0, 0), 0xFF102030u);
    // 128/255 of white over 0x405060, rounded, each channel.
    EXPECT_EQ(shown.At(1, 0), 0xFFA0A8B0u);
}

TEST_F(FormHostTest, FormKeysComeFirstAndADisabledFocusedButtonLeavesTheFocusToTheForm) {
    const int button = Declare("Button", ControlKind::Button, 0);
    host.MakeAll();
    std::vector<int> keys;
    host.OnFormKey([&](int key, int) {
        keys.push_back(key);
        return key == 27;
    });
    EXPECT_TRUE(native.Send({button, E::KeyDown, 0, 0, 0, 0, 27}));
    EXPECT_FALSE(native.Send({button, E::KeyDown, 0, 0, 0, 0, 13}));
    EXPECT_EQ(keys, (std::vector<int>{27, 13}));
    native.focus = button;
    host.ButtonView(button).SetEnabled(false);
    EXPECT_EQ(native.focus, kForm);
    EXPECT_FALSE(native.Get(button).enabled);
}

TEST_F(FormHostTest, UnloadingRunsItsHandlerOnceAndClosesTheWindowForGood) {
    host.MakeAll();
    int unloads = 0;
    host.OnUnload([&] { ++unloads; });
    native.Send({kForm, E::Close});
    host.FormView().Unload();
    EXPECT_EQ(unloads, 1);
    EXPECT_TRUE(native.closed);
    EXPECT_TRUE(host.Discarded());
}

} // namespace
} // namespace tarvenel::test

// What screen readers are told about a hosted button, and its press action.
#include <gtest/gtest.h>

#include <vector>

#include "button/hosted_button.h"
#include "raster/fixed_cell_text.h"

namespace tarvenel {
namespace {

class Surface : public ButtonSurface {
public:
    int Width() override { return 73; }
    int Height() override { return 25; }
    void SetWidth(int) override {}
    void SetRegion(const Region&) override {}
    void SetEnabled(bool) override {}
    std::optional<std::string> SetCursorPicture(const PicturePtr&) override { return {}; }
    void SetAccessKey(const std::string&) override {}
    bool HasFocus() override { return focused; }
    void Focus() override {}
    void Capture(bool) override {}
    void StartHoverPoll(int) override {}
    void StopHoverPoll() override {}
    // A screen reader's press comes with the mouse somewhere else.
    bool CursorOver() override { return false; }
    ClientPoint Cursor() override { return {-50, -50}; }
    void MoveFocus(bool) override {}
    void Show(const Bitmap&) override {}
    void ShowMessage(const std::string&, int, const std::string&) override {}
    void AccessibleChanged(AccessibleChange change) override { changes.push_back(change); }

    bool focused = false;
    std::vector<AccessibleChange> changes;
};

struct Rig {
    explicit Rig(const char* caption, int mode = xpb::kCommand)
        : button(surface, container,
                 StoredButton{"XPButton1", "确定开始运行定时关机",
                              MemoryPropertyBag({{"Caption", std::string(caption)},
                                                 {"Mode", std::int64_t{mode}}})},
                 text, ButtonScreen{}) {}
    Surface surface;
    ButtonContainer container{0xFFFFFF};
    FixedCellText text;
    HostedButton button;
};

TEST(ButtonAccessible, RoleFollowsModeAndNameDropsAccessKeyMarks) {
    struct Case {
        const char* caption;
        int mode;
        AccessibleRole role;
        const char* name;
    };
    for (const Case& c : {
             Case{"确 定", xpb::kCommand, AccessibleRole::PushButton, "确 定"},
             Case{"&Save", xpb::kCommand, AccessibleRole::PushButton, "Save"},
             Case{"a&&b", xpb::kCheckBox, AccessibleRole::CheckBox, "a&b"},
             Case{"重置(&R)", xpb::kOption, AccessibleRole::RadioButton, "重置(R)"},
             Case{"two||lines&", xpb::kCommand, AccessibleRole::PushButton, "two lines"},
         }) {
        Rig rig(c.caption, c.mode);
        const AccessibleInfo info = rig.button.Accessible();
        EXPECT_EQ(info.role, c.role) << c.caption;
        EXPECT_EQ(info.name, c.name) << c.caption;
        EXPECT_EQ(info.description, "确定开始运行定时关机");
        EXPECT_EQ(info.state.checkable, c.mode != xpb::kCommand) << c.caption;
        EXPECT_TRUE(info.Pressable());
    }
}

TEST(ButtonAccessible, StatesFollowTheButton) {
    Rig rig("确 定");
    EXPECT_TRUE(rig.button.Accessible().state.enabled);
    EXPECT_FALSE(rig.button.Accessible().state.isDefault);
    rig.surface.focused = true;
    rig.button.FocusChanged(true);
    EXPECT_TRUE(rig.button.Accessible().state.focused);
    EXPECT_TRUE(rig.button.Accessible().state.isDefault);
    EXPECT_EQ(rig.surface.changes, std::vector{AccessibleChange::State});
    rig.button.View().SetEnabled(false);
    EXPECT_FALSE(rig.button.Accessible().state.enabled);
}

TEST(ButtonAccessible, NameAndStateChangesAreAnnouncedOnceLoaded) {
    Rig rig("选项", xpb::kCheckBox);
    EXPECT_TRUE(rig.surface.changes.empty()); // loading the stored button is no change
    rig.button.Model().SetCaption("选项二");
    rig.button.Model().SetValue(true);
    rig.button.Model().SetEnabled(false);
    rig.button.Model().SetButtonStyle(3); // a look is not read out
    EXPECT_EQ(rig.surface.changes, (std::vector{AccessibleChange::Name, AccessibleChange::State,
                                                AccessibleChange::State}));
    EXPECT_TRUE(rig.button.Accessible().state.checked);
}

TEST(ButtonAccessible, PressActionClicksAsTheMouseDoesWhereverTheCursorIs) {
    Rig command("确 定");
    std::vector<std::string> seen;
    auto& events = command.button.Model().events;
    events.MouseDown = [&](int b, int, float x, float y) {
        seen.push_back("down " + std::to_string(b) + " " + std::to_string(int(x)) + "," +
                       std::to_string(int(y)));
    };
    events.MouseUp = [&](int, int, float, float) { seen.push_back("up"); };
    events.Click = [&] { seen.push_back("click"); };
    command.button.PressAction();
    EXPECT_EQ(seen, (std::vector<std::string>{"down 1 36,12", "up", "click"}));

    seen.clear();
    command.button.View().SetEnabled(false);
    command.button.PressAction();
    EXPECT_TRUE(seen.empty());

    Rig check("选项", xpb::kCheckBox);
    check.button.PressAction();
    EXPECT_TRUE(check.button.Accessible().state.checked);
    check.button.PressAction();
    EXPECT_FALSE(check.button.Accessible().state.checked);
}

TEST(ButtonAccessible, PressActionSurvivesAClickThatUnloadsTheButton) {
    auto rig = std::make_unique<Rig>("取消关机");
    bool clicked = false;
    rig->button.Model().events.MouseUp = [&](int, int, float, float) { rig.reset(); };
    rig->button.Model().events.Click = [&] { clicked = true; };
    rig->button.PressAction();
    EXPECT_FALSE(clicked);
}

} // namespace
} // namespace tarvenel

#include "button/main_window_buttons.h"

namespace tarvenel {

namespace {

// Shaded blue-framed look, centred caption, command mode, white, 宋体 9 pt
// GB2312; every other value at its default and so not stored. A new button's
// gradient colour is black, which differs from its stored default.
MemoryPropertyBag Stored(const char* caption, bool enabled) {
    MemoryPropertyBag bag({
        {"Caption", std::string(caption)},
        {"BackStyle", std::int64_t{2}},
        {"Font", FontSpec{.name = "宋体", .sizePoints = 9.0, .charset = 134}},
        {"cGradient", std::int64_t{0}},
        {"Mode", std::int64_t{0}},
        {"Value", false},
    });
    if (!enabled)
        bag.Write("Enabled", false);
    bag.Write("cBack", std::int64_t{0xFFFFFF});
    return bag;
}

} // namespace

std::array<StoredButton, 3> MainWindowButtons() {
    return {{
        {"XPButton1", "确定开始运行定时关机", Stored("确 定", true)},
        {"XPButton2", "取消定时关机", Stored("取 消", false)},
        {"XPButton3", "重新设置归位至当前时间", Stored("重 置", true)},
    }};
}

} // namespace tarvenel

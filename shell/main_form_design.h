#pragma once
// The main window's controls as the form places them: position and size in
// twips, caption and tool-tip. Both front ends build their native widgets
// from this one table, so the two programs look alike.
#include <array>

namespace tarvenel {

struct ControlDesign {
    const char* name;
    int left;
    int top;
    int width;
    int height;
    const char* caption; // "" for none
    const char* toolTip; // "" for none
};

namespace design {
// Labels. Label0 ends where the armed tick begins; LbBR is placed at every
// resize (its own size decides where).
inline constexpr ControlDesign Label0{"Label0", 240, 555, 3600, 180, "当前电脑时间：", ""};
inline constexpr ControlDesign Label1{"Label1", 240, 810, 3600, 180, "设定关机时间：", ""};
inline constexpr ControlDesign Label2{"Label2", 4680, 555, 735, 180, "快速帮助", ""};
inline constexpr ControlDesign Label3{"Label3", 4680, 810, 735, 180, "官方主页", ""};
inline constexpr ControlDesign LbBR{"LbBR", 2220, 2985, 3300, 180, "右下提示框", ""};
inline constexpr ControlDesign Image1{"Image1", 3840, 555, 795, 435, "", ""};

// The target selectors and the default-time lists (drop-down lists).
inline constexpr ControlDesign Combo1{"Combo1", 240, 1080, 975, 300, "   年", "设定关机时间（年）"};
inline constexpr ControlDesign Combo2{"Combo2", 1320, 1080, 735, 300, " 月", "设定关机时间（月）"};
inline constexpr ControlDesign Combo3{"Combo3", 2160, 1080, 735, 300, " 日", "设定关机时间（日）"};
inline constexpr ControlDesign Combo4{"Combo4", 3000, 1080, 735, 300, " 时", "设定关机时间（时）"};
inline constexpr ControlDesign Combo5{"Combo5", 3840, 1080, 735, 300, " 分", "设定关机时间（分）"};
inline constexpr ControlDesign Combo6{"Combo6", 4680, 1080, 735, 300, " 秒", "设定关机时间（秒）"};
inline constexpr ControlDesign Combo7{"Combo7", 3120, 2475, 735, 300, " 时", "设置默认时间（时）"};
inline constexpr ControlDesign Combo8{"Combo8", 3840, 2475, 735, 300, " 分", "设置默认时间（分）"};
inline constexpr ControlDesign Combo9{"Combo9", 4560, 2475, 735, 300, " 秒", "设置默认时间（秒）"};

// The three push buttons, in one row under the selectors.
inline constexpr ControlDesign XPButton1{"XPButton1",           960, 1530, 1095, 375, "确 定",
                                         "确定开始运行定时关机"};
inline constexpr ControlDesign XPButton2{"XPButton2", 2280,    1530,          1095,
                                         375,         "取 消", "取消定时关机"};
inline constexpr ControlDesign XPButton3{
    "XPButton3", 3600, 1530, 1095, 375, "重 置", "重新设置归位至当前时间"};

// The option switches.
inline constexpr ControlDesign Check1{"Check1", 240, 2040, 2055, 300, "程序每次随系统启动", ""};
inline constexpr ControlDesign Check2{"Check2", 2640, 2040, 2775, 300, "设定成功确定运行时出现提示",
                                      ""};
inline constexpr ControlDesign Check3{"Check3", 240, 2280, 2415, 300, "程序启动后自动开始运行", ""};
inline constexpr ControlDesign Check4{"Check4", 240, 2520, 2775, 300, "预先设置为默认关机时间  →",
                                      ""};

// The caption strip and the caption images (moved to the right edge at
// every resize).
inline constexpr ControlDesign IMBar{"IMBar", 600, 0, 4965, 375, "", ""};
inline constexpr ControlDesign Immin{"Immin", 4920, 120, 255, 240, "", "最小化"};
inline constexpr ControlDesign Imclose{"Imclose", 5280, 120, 255, 240, "", "关闭"};

// Every control that takes input or shows text in the window's interior.
inline constexpr std::array kInteriorControls{
    Label0, Label1, Label2, Label3, Image1, Combo1, Combo2,    Combo3,    Combo4,    Combo5, Combo6,
    Combo7, Combo8, Combo9, Check1, Check2, Check3, XPButton1, XPButton2, XPButton3, Check4};
} // namespace design

// Colours of the form's texts (0x00BBGGRR).
inline constexpr unsigned kTargetLabelColour = 0x0000FF; // Label1, red
inline constexpr unsigned kLinkLabelColour = 0xFF0000;   // Label2, Label3, blue
inline constexpr unsigned kDefaultTimeColour = 0x800000; // Check4, Combo7..9, dark blue

} // namespace tarvenel

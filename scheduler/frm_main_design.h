#pragma once
// The main window's controls as the form lays them out (twips, 15 to the
// pixel). The caption images, the caption strip and the credit label follow
// the right and bottom edges at run time; their rectangles here are the
// design ones. The tab order follows the screen: the six target selectors,
// the three buttons, the option boxes row by row, the default-time selectors;
// the keyboard starts on the first selector.
#include <array>

#include "app/form_design.h"

namespace tarvenel::frm_main_design {

inline constexpr Rgb kTargetLabelColour = 0x0000FF; // Label1: red
inline constexpr Rgb kLinkColour = 0xFF0000;        // Label2, Label3: blue
inline constexpr Rgb kDefaultTimeColour = 0x800000; // Check4, Combo7 to Combo9: dark blue
inline constexpr Rgb kCreditColour = 0xFFFFFF;      // LbBR, on the skin's bottom bar
inline constexpr Rgb kBackColour = 0xFFFFFF;        // the form and the check boxes

// Label0 and Label1 drag the window; Label2, Label3 and LbBR are links. The
// clock and target lines keep their text on one line whatever the font; the
// credit line is as wide as its text, so that only the text is a link.
inline constexpr std::array<ControlDesign, 5> kLabels{{
    {"Label0", "当前电脑时间：", "", {240, 555, 3600, 180}, -1, 0, false, LabelWidth::GrowToText},
    {"Label1",
     "设定关机时间：",
     "",
     {240, 810, 3600, 180},
     -1,
     kTargetLabelColour,
     false,
     LabelWidth::GrowToText},
    {"Label2", "快速帮助", "", {4680, 555, 735, 180}, -1, kLinkColour, true},
    {"Label3", "官方主页", "", {4680, 810, 735, 180}, -1, kLinkColour, true},
    {"LbBR",
     "右下提示框",
     "",
     {5280, 7920, 3300, 180},
     -1,
     kCreditColour,
     true,
     LabelWidth::FitText},
}};
inline constexpr int kFirstLink = 2; // Label2, Label3 and LbBR, in this order
inline constexpr const ControlDesign& kLabel0 = kLabels[0];
inline constexpr const ControlDesign& kLabel1 = kLabels[1];
inline constexpr const ControlDesign& kLabel2 = kLabels[2];
inline constexpr const ControlDesign& kLabel3 = kLabels[3];
inline constexpr const ControlDesign& kLbBR = kLabels[4];

inline constexpr std::array<ControlDesign, 9> kCombos{{
    {"Combo1", "   年", "设定关机时间（年）", {240, 1080, 975, 300}, 0},
    {"Combo2", " 月", "设定关机时间（月）", {1320, 1080, 735, 300}, 1},
    {"Combo3", " 日", "设定关机时间（日）", {2160, 1080, 735, 300}, 2},
    {"Combo4", " 时", "设定关机时间（时）", {3000, 1080, 735, 300}, 3},
    {"Combo5", " 分", "设定关机时间（分）", {3840, 1080, 735, 300}, 4},
    {"Combo6", " 秒", "设定关机时间（秒）", {4680, 1080, 735, 300}, 5},
    {"Combo7", " 时", "设置默认时间（时）", {3120, 2475, 735, 300}, 13, kDefaultTimeColour},
    {"Combo8", " 分", "设置默认时间（分）", {3840, 2475, 735, 300}, 14, kDefaultTimeColour},
    {"Combo9", " 秒", "设置默认时间（秒）", {4560, 2475, 735, 300}, 15, kDefaultTimeColour},
}};

inline constexpr std::array<ControlDesign, 4> kChecks{{
    {"Check1", "程序每次随系统启动", "", {240, 2040, 2055, 300}, 9},
    {"Check2", "设定成功确定运行时出现提示", "", {2640, 2040, 2775, 300}, 10},
    {"Check3", "程序启动后自动开始运行", "", {240, 2280, 2415, 300}, 11},
    {"Check4", "预先设置为默认关机时间  →", "", {240, 2520, 2775, 300}, 12, kDefaultTimeColour},
}};

// The three buttons share the row between the selectors and the options.
inline constexpr std::array<ControlDesign, 3> kButtons{{
    {"XPButton1", "确 定", "确定开始运行定时关机", {765, 1530, 1215, 405}, 6},
    {"XPButton2", "取 消", "取消定时关机", {2220, 1530, 1215, 405}, 7},
    {"XPButton3", "重 置", "重新设置归位至当前时间", {3675, 1530, 1215, 405}, 8},
}};

inline constexpr ControlDesign kImage1{"Image1", "", "", {3840, 555, 795, 435}};
// Image1 is seen only while a shutdown is armed; a screen reader says so.
inline constexpr const char* kImage1AccessibleName = "定时关机已设定";
inline constexpr ControlDesign kIMBar{"IMBar", "", "", {600, 0, 4965, 375}};
// The caption images: minimise, then close.
inline constexpr std::array<ControlDesign, 2> kCaptionImages{{
    {"Immin", "", "最小化", {4920, 120, 255, 240}, -1, 0, true},
    {"Imclose", "", "关闭", {5280, 120, 255, 240}, -1, 0, true},
}};
inline constexpr const ControlDesign& kImmin = kCaptionImages[0];
inline constexpr const ControlDesign& kImclose = kCaptionImages[1];

} // namespace tarvenel::frm_main_design

#pragma once
// The countdown dialog's controls as the form lays them out (twips). The
// client area is 4725 x 1680: the buttons below it are never seen, and only
// Command2 among them is visible to the keyboard.
#include <array>

#include "app/form_design.h"
#include "raster/font.h"

namespace tarvenel::frm_end_design {

inline constexpr const char* kCaption = "正在准备关机…";
inline constexpr TwipsRect kClientArea{0, 0, 4725, 1680};

inline constexpr ControlDesign kLabel1{"Label1", "10", "", {120, 120, 1935, 1455}};
inline constexpr ControlDesign kCommand1{"Command1", "", "", {2160, 240, 2295, 1215}};

struct HiddenButton {
    ControlDesign design;
    bool visible;
    int tabIndex;
};

// In tab order; Command1 has tab index 1 and Label1 5.
inline constexpr std::array<HiddenButton, 5> kPowerButtons{{
    {{"cmdLogoff", "注销", "", {240, 2520, 1095, 495}}, false, 0},
    {{"cmdForceLogoff", "强制注销", "", {1560, 2520, 1215, 495}}, false, 2},
    {{"cmdShutdown", "关机", "", {3000, 2520, 1095, 495}}, false, 3},
    {{"cmdForceShutdown", "强制关机", "", {4440, 2520, 1215, 495}}, false, 4},
    {{"Command2", "强制关机和电源(解决WIN2000无法关闭电源的问题)", "", {240, 3360, 5415, 615}},
     true,
     6},
}};
inline constexpr int kCommand1TabIndex = 1;

inline constexpr Rgb kNumberColour = 0x0000FF;     // red
inline constexpr Rgb kCancelBackColour = 0xE0E0E0; // light grey
inline const FontSpec kNumberFont{"宋体", 72.0, 700};
inline const FontSpec kCancelFont{"宋体", 15.75, 700};

} // namespace tarvenel::frm_end_design

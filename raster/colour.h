#pragma once
// OLE colours: 0x00BBGGRR for a plain colour, 0x800000nn for system colour nn.
#include <array>
#include <cstdint>

namespace tarvenel {

using OleColour = std::uint32_t;
using Rgb = std::uint32_t; // 0x00BBGGRR

inline constexpr OleColour kSysButtonFace = 0x8000000F; // system colour 15
inline constexpr OleColour kSysButtonText = 0x80000012; // system colour 18

// The platform's system colours (GetSysColor), 0x00BBGGRR each. Starts with
// the classic Windows scheme; a front end may fill it from the platform.
class SystemColours {
public:
    static SystemColours& Instance();
    Rgb Get(int index) const { return index >= 0 && index < 31 ? table_[index] : 0; }
    void Set(int index, Rgb value) {
        if (index >= 0 && index < 31)
            table_[index] = value;
    }

private:
    SystemColours();
    std::array<Rgb, 31> table_{};
};

// A system colour becomes its current RGB value; any other value is RGB already.
Rgb TranslateColour(OleColour colour);

} // namespace tarvenel

#pragma once
// A font as the forms and the button control describe it; each front end's
// text renderer turns it into a native font.
#include <string>

namespace tarvenel {

struct FontSpec {
    std::string name = "宋体";
    double sizePoints = 9.0;
    int weight = 400; // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    int charset = 134; // GB2312
    bool operator==(const FontSpec&) const = default;
};

} // namespace tarvenel

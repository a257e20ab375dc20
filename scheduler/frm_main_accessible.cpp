#include "scheduler/frm_main_accessible.h"

#include "scheduler/frm_main_design.h"

namespace tarvenel {

namespace design = frm_main_design;

AccessibleInfo DescribeMainWindowLabel(std::size_t index, const std::string& text) {
    AccessibleInfo info;
    info.role = index >= design::kFirstLink ? AccessibleRole::Link : AccessibleRole::Label;
    // A label shows its "&" as it is.
    info.name = text;
    return info;
}

AccessibleInfo DescribeCaptionImage(std::size_t index) {
    AccessibleInfo info;
    info.role = AccessibleRole::PushButton;
    info.name = design::kCaptionImages.at(index).toolTip;
    info.description = info.name;
    return info;
}

AccessibleInfo DescribeArmedTick() {
    AccessibleInfo info;
    info.role = AccessibleRole::Image;
    info.name = design::kImage1AccessibleName;
    return info;
}

} // namespace tarvenel

#include "button/offscreen_host.h"

namespace tarvenel {

void OffscreenButtonHost::Redraw() {
    if (renderer_)
        shown_ = renderer_->Paint();
}

Bitmap OffscreenButtonHost::Shown(Pixel outside) const {
    Bitmap out = shown_;
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x)
            if (!region_.Contains(x, y))
                out.Set(x, y, outside);
    return out;
}

OffscreenButton::OffscreenButton(ButtonContainer& container, int width, int height,
                                 TextRenderer& text, ButtonScreen screen)
    : host(container, width, height), button(host), renderer(button, text, screen) {
    host.SetRenderer(&renderer);
}

void OffscreenButton::Pose(ButtonPose pose) {
    const float x = 2;
    const float y = 2;
    switch (pose) {
    case ButtonPose::Normal:
        button.Refresh();
        break;
    case ButtonPose::Hover:
        button.OnMouseMove(0, 0, x, y);
        break;
    case ButtonPose::Pressed:
        button.OnMouseMove(0, 0, x, y);
        button.OnMouseDown(xpb::kLeftButton, 0, x, y);
        break;
    case ButtonPose::Default:
        host.displayAsDefault = true;
        button.OnAmbientChanged("DisplayAsDefault");
        break;
    case ButtonPose::Disabled:
        button.SetEnabled(false);
        break;
    }
}

} // namespace tarvenel

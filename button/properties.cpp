// The property setters and their side effects.
#include "app/dialogs.h"
#include "app/version.h"
#include "button/access_key.h"
#include "button/xp_button.h"

namespace tarvenel {

namespace {

ButtonRenderHooks& NoRenderHooks() {
    static ButtonRenderHooks none;
    return none;
}

bool InRange(int value, int lowest, int highest) {
    return value >= lowest && value <= highest;
}

bool LocksFollowBack(int locks) {
    return locks == 0 || locks == 2;
}
bool LocksFollowFore(int locks) {
    return locks == 0 || locks == 1;
}

} // namespace

XPButton::XPButton(ButtonHost& host) : host_(host), hooks_(&NoRenderHooks()) {
    RecomputeColours();
}

XPButton::~XPButton() {
    if (state_.hoverTimer)
        host_.StopTimer(xpb::kHoverTimerId);
    // The group holds plain pointers: a member that goes away must not stay
    // behind in it, whatever its mode was changed to before.
    if (container_)
        container_->Options().Leave(this);
}

void XPButton::SetRenderHooks(ButtonRenderHooks* hooks) {
    hooks_ = hooks ? hooks : &NoRenderHooks();
}

void XPButton::Redraw() {
    if (!state_.drawingDelayed)
        host_.Redraw();
}

void XPButton::ResizeSequence() {
    if (state_.drawingDelayed)
        return;
    hooks_->RebuildRegion(*this);
    hooks_->ReplaceBackBuffer(*this);
    hooks_->Layout(*this);
    Redraw();
}

void XPButton::RecomputeColours() {
    colours_ = DeriveColours(buttonStyle_, backColor_, hoverBackColor_);
}

void XPButton::TakePictureMeasures() {
    pictureKind_ = picture_ ? picture_->kind : PictureKind::Bitmap;
    pictureWidth_ = picture_ ? picture_->width : 0;
    pictureHeight_ = picture_ ? picture_->height : 0;
}

void XPButton::DesignerMessage(const std::string& text, const std::string& caption) {
    if (host_.DesignMode())
        host_.MessageBox(text, mb::kOk | mb::kIconInformation,
                         caption.empty() ? std::string(kAppTitle) : caption);
}

void XPButton::Refresh() {
    Redraw();
}

void XPButton::DelayDrawing(bool delay) {
    state_.drawingDelayed = delay;
    Redraw();
}

void XPButton::SetButtonStyle(int style) {
    if (!InRange(style, 0, 7))
        return;
    buttonStyle_ = style;
    hooks_->RebuildRegion(*this);
    hooks_->Layout(*this);
    RecomputeColours();
    Redraw();
    Report("BackStyle");
}

void XPButton::SetMode(int mode) {
    if (!InRange(mode, 0, 2))
        return;
    if (mode_ == xpb::kOption && mode != xpb::kOption)
        OptionGroupAction(GroupAction::Leave);
    if (mode == xpb::kOption && mode_ != xpb::kOption)
        OptionGroupAction(GroupAction::Join);
    if (mode == xpb::kCommand && mode_ != xpb::kCommand)
        SetValue(false);
    mode_ = mode;
    Redraw();
    Report("Mode");
}

void XPButton::SetValue(bool value) {
    if (value && mode_ == xpb::kCommand) {
        DesignerMessage("This property is not applicable for command button modes.");
        return;
    }
    value_ = value;
    if (value && mode_ == xpb::kOption)
        OptionGroupAction(GroupAction::TurnOthersOff);
    Redraw();
    Report("Value");
}

void XPButton::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (auto key = AccessKeyOf(caption)) {
        accessKeys_ = *key;
        host_.SetAccessKeys(accessKeys_);
    }
    hooks_->Layout(*this);
    Redraw();
    Report("Caption");
}

void XPButton::SetCaptionAlign(int align) {
    if (!InRange(align, 0, 2))
        return;
    const bool stacked =
        pictureAlign_ == xpb::kPictureTopCentre || pictureAlign_ == xpb::kPictureBottomCentre;
    if (picture_ && stacked && align != xpb::kAlignCentre) {
        DesignerMessage("When button images are aligned top/bottom center, \r\n"
                        "button captions can only be center aligned");
        return;
    }
    captionAlign_ = align;
    hooks_->Layout(*this);
    Redraw();
    Report("CapAlign");
}

void XPButton::SetCaptionStyle(int style) {
    if (!InRange(style, 0, 2))
        return;
    captionStyle_ = style;
    Report("CapStyle");
    if (!caption_.empty()) {
        hooks_->Layout(*this);
        Redraw();
    }
}

void XPButton::SetButtonShape(int shape) {
    if (!InRange(shape, 0, 6))
        return;
    buttonShape_ = shape;
    // Both sides slanted leave no room for a caption pushed to one side.
    if (shape == 3)
        captionAlign_ = xpb::kAlignCentre;
    state_.drawingDelayed = false;
    ResizeSequence();
    Report("Shape");
}

void XPButton::SetPicture(PicturePtr picture) {
    picture_ = std::move(picture);
    TakePictureMeasures();
    hooks_->Layout(*this);
    Redraw();
    Report("Image");
}

void XPButton::SetPictureAlign(int align) {
    if (!InRange(align, 0, 5))
        return;
    pictureAlign_ = align;
    if (align == xpb::kPictureTopCentre || align == xpb::kPictureBottomCentre)
        SetCaptionAlign(xpb::kAlignCentre);
    hooks_->Layout(*this);
    Redraw();
    Report("ImgAlign");
}

void XPButton::SetPictureSize(int size) {
    if (!InRange(size, 0, 4))
        return;
    pictureSizePixels_ = (size + 2) * 8;
    hooks_->Layout(*this);
    Redraw();
    Report("ImgSize");
}

void XPButton::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    host_.SetSurfaceEnabled(enabled);
    if (buttonStyle_ == 3 && mode_ == xpb::kCommand) {
        // This look trims its corners only while enabled: rebuild, draw once.
        state_.drawingDelayed = true;
        hooks_->RebuildRegion(*this);
        hooks_->Layout(*this);
        state_.drawingDelayed = false;
    }
    Redraw();
    Report("Enabled");
}

void XPButton::SetShowFocusRect(bool show) {
    showFocusRect_ = show;
    if (!state_.defaultLook) {
        Redraw();
    } else if (host_.DesignMode()) {
        DesignerMessage("The focus rectangle may appear on default buttons ONLY while in design "
                        "mode, \r\nbut will not appear when the form is running.");
    } else {
        state_.defaultLook = false;
        Redraw();
    }
    Report("Focus");
}

void XPButton::SetMousePointer(int pointer) {
    mousePointer_ = pointer;
    host_.SetMousePointer(pointer);
    Report("mPointer");
}

void XPButton::SetMouseIcon(PicturePtr icon) {
    if (auto error = host_.SetMouseIcon(icon)) {
        DesignerMessage(*error, "Select .ico Or .cur Files Only");
        return;
    }
    mouseIcon_ = std::move(icon);
    if (mouseIcon_)
        SetMousePointer(xpb::kCustomPointer);
    Report("mIcon");
}

void XPButton::SetFont(const FontSpec& font) {
    font_ = font;
    hooks_->RebuildFont(*this);
    hooks_->Layout(*this);
    Redraw();
    Report("Font");
}

int XPButton::FontStyle() const {
    return (font_.weight >= 700 ? 2 : 0) | (font_.italic ? 4 : 0) | (font_.underline ? 8 : 0);
}

void XPButton::SetFontStyle(int bits) {
    font_.weight = (bits & 2) ? 700 : 400;
    font_.italic = (bits & 4) != 0;
    font_.underline = (bits & 8) != 0;
    hooks_->RebuildFont(*this);
    hooks_->Layout(*this);
    Report("Font");
    Redraw();
}

void XPButton::SetForeColor(OleColour colour) {
    StoreForeColor(colour, true);
}

void XPButton::StoreForeColor(OleColour colour, bool resumeDrawing) {
    if (colour == foreColor_)
        return;
    foreColor_ = colour;
    if (LocksFollowFore(hoverColorLocks_))
        SetHoverForeColor(colour);
    if (resumeDrawing)
        state_.drawingDelayed = false;
    Redraw();
    Report("cFore");
}

void XPButton::SetBackColor(OleColour colour) {
    // A system colour is fixed at its present value.
    StoreBackColor(TranslateColour(colour));
}

void XPButton::StoreBackColor(OleColour stored) {
    backColor_ = stored;
    if (LocksFollowBack(hoverColorLocks_))
        SetHoverBackColor(gradientMode_ != 0 ? gradientColor_ : stored);
    RecomputeColours();
    Redraw();
    Report("cBack");
}

void XPButton::SetGradientColor(OleColour colour) {
    gradientColor_ = colour;
    if (LocksFollowBack(hoverColorLocks_) && gradientMode_ != 0)
        hoverBackColor_ = colour;
    RecomputeColours();
    if (gradientMode_ != 0)
        Redraw();
    Report("cGradient");
}

void XPButton::SetGradientMode(int mode) {
    if (!InRange(mode, 0, 4))
        return;
    gradientMode_ = mode;
    if (LocksFollowBack(hoverColorLocks_))
        hoverBackColor_ = mode == 0 ? backColor_ : gradientColor_;
    RecomputeColours();
    Redraw();
    Report("Gradient");
}

void XPButton::SetHoverColorLocks(int locks) {
    hoverColorLocks_ = locks;
    if (LocksFollowBack(locks)) {
        hoverBackColor_ = gradientMode_ != 0 ? gradientColor_ : backColor_;
        Report("cBHover");
    }
    if (LocksFollowFore(locks)) {
        hoverForeColor_ = foreColor_;
        Report("cFHover");
    }
    RecomputeColours();
    Report("LockHover");
}

void XPButton::SetHoverForeColor(OleColour colour) {
    if (colour == hoverForeColor_)
        return;
    hoverForeColor_ = colour;
    if (colour != foreColor_) {
        if (hoverColorLocks_ == 0)
            hoverColorLocks_ = 2;
        else if (hoverColorLocks_ == 1)
            hoverColorLocks_ = 3;
    }
    Report("cFHover");
}

void XPButton::SetHoverBackColor(OleColour colour) {
    if (colour == hoverBackColor_)
        return;
    hoverBackColor_ = colour;
    if (colour != backColor_) {
        if (hoverColorLocks_ == 0)
            hoverColorLocks_ = 1;
        else if (hoverColorLocks_ == 2)
            hoverColorLocks_ = 3;
    }
    RecomputeColours();
    Report("cBHover");
}

void XPButton::SetResetDefaultColors(bool reset) {
    if (!reset || !host_.DesignMode())
        return;
    // Five colour changes, one redraw.
    state_.drawingDelayed = true;
    StoreBackColor(kSysButtonFace);
    StoreForeColor(kSysButtonText, false);
    SetGradientColor(kSysButtonFace);
    SetGradientMode(0);
    SetHoverColorLocks(0);
    RecomputeColours();
    DelayDrawing(false);
    Report("cGradient");
    Report("cBack");
}

} // namespace tarvenel

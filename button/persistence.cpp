// A button's life with its form: placing a new one, loading and saving a
// stored one, and the container's notifications.
#include "button/xp_button.h"

namespace tarvenel {

namespace {

// A stored number outside its choices (a damaged or foreign form) is read as
// the default rather than handed to the painter.
int ReadChoice(const PropertyBag& bag, std::string_view key, int lowest, int highest,
               int fallback) {
    const std::int64_t value = ReadInteger(bag, key, fallback);
    return value >= lowest && value <= highest ? static_cast<int>(value) : fallback;
}

int ReadPictureSizePixels(const PropertyBag& bag) {
    const std::int64_t pixels = ReadInteger(bag, "ImgSize", 16);
    return pixels >= 16 && pixels <= 48 && pixels % 8 == 0 ? static_cast<int>(pixels) : 16;
}

void WriteInteger(PropertyBag& bag, std::string_view key, std::int64_t value,
                  std::int64_t unlessEqualTo) {
    if (value != unlessEqualTo)
        bag.Write(key, value);
}

void WriteColour(PropertyBag& bag, std::string_view key, OleColour value, OleColour unlessEqualTo) {
    if (value != unlessEqualTo)
        bag.Write(key, static_cast<std::int64_t>(value));
}

void WriteBoolean(PropertyBag& bag, std::string_view key, bool value, bool unlessEqualTo) {
    if (value != unlessEqualTo)
        bag.Write(key, value);
}

void WritePicture(PropertyBag& bag, std::string_view key, const PicturePtr& picture) {
    if (picture)
        bag.Write(key, picture);
}

} // namespace

void XPButton::InitProperties() {
    container_ = &host_.Container();
    caption_ = host_.Name();
    captionAlign_ = xpb::kAlignCentre;
    showFocusRect_ = true;
    hoverForeColor_ = kSysButtonText;
    hoverBackColor_ = kSysButtonFace;
    containerColour_ = TranslateColour(container_->BackColour());
    backColor_ = kSysButtonFace;
    hooks_->RebuildFont(*this);
    RecomputeColours();
    for (const char* key : {"Caption", "CapAlign", "Focus", "cFHover", "cBHover"})
        Report(key);
}

void XPButton::ReadProperties(const PropertyBag& bag) {
    container_ = &host_.Container();
    containerColour_ = TranslateColour(container_->BackColour());
    state_.drawingDelayed = true;

    caption_ = ReadText(bag, "Caption", "");
    captionAlign_ = ReadChoice(bag, "CapAlign", 0, 2, xpb::kAlignCentre);
    buttonStyle_ = ReadChoice(bag, "BackStyle", 0, 7, 0);
    buttonShape_ = ReadChoice(bag, "Shape", 0, 6, 0);
    gradientMode_ = ReadChoice(bag, "Gradient", 0, 4, 0);
    gradientColor_ = ReadColour(bag, "cGradient", kSysButtonFace);
    foreColor_ = ReadColour(bag, "cFore", kSysButtonText);
    font_ = ReadFont(bag, "Font", font_);
    showFocusRect_ = ReadBoolean(bag, "Focus", true);
    mode_ = ReadChoice(bag, "Mode", 0, 2, xpb::kCommand);
    // A command button is never on, whatever the form says.
    value_ = ReadBoolean(bag, "Value", false) && mode_ != xpb::kCommand;
    picture_ = ReadPicture(bag, "Image", nullptr);
    pictureSizePixels_ = ReadPictureSizePixels(bag);
    pictureAlign_ = ReadChoice(bag, "ImgAlign", 0, 5, 0);
    hoverForeColor_ = ReadColour(bag, "cFHover", kSysButtonText);
    enabled_ = ReadBoolean(bag, "Enabled", true);
    host_.SetSurfaceEnabled(enabled_);
    backColor_ = ReadColour(bag, "cBack", container_->BackColour());
    hoverBackColor_ = ReadColour(bag, "cBHover", backColor_);
    hoverColorLocks_ = static_cast<int>(ReadInteger(bag, "LockHover", 0));
    captionStyle_ = ReadChoice(bag, "CapStyle", 0, 2, 0);
    SetMouseIcon(ReadPicture(bag, "mIcon", nullptr));
    SetMousePointer(static_cast<int>(ReadInteger(bag, "mPointer", 0)));

    TakePictureMeasures();
    hooks_->RebuildFont(*this);
    RecomputeColours();
    SetCaption(caption_); // sets the access key

    if (mode_ == xpb::kOption)
        OptionGroupAction(GroupAction::Join);

    state_.drawingDelayed = false;
    ResizeSequence();
}

void XPButton::WriteProperties(PropertyBag& bag) const {
    if (caption_ != "")
        bag.Write("Caption", caption_);
    WriteInteger(bag, "CapAlign", captionAlign_, xpb::kAlignCentre);
    WriteInteger(bag, "BackStyle", buttonStyle_, 0);
    WriteInteger(bag, "Shape", buttonShape_, 0);
    bag.Write("Font", font_);
    WriteColour(bag, "cFore", foreColor_, kSysButtonText);
    WriteColour(bag, "cFHover", hoverForeColor_, kSysButtonText);
    WriteColour(bag, "cBhover", hoverBackColor_, backColor_);
    WriteBoolean(bag, "Focus", showFocusRect_, true);
    WriteInteger(bag, "LockHover", hoverColorLocks_, 0);
    WriteColour(bag, "cGradient", gradientColor_, kSysButtonFace);
    WriteInteger(bag, "Gradient", gradientMode_, 0);
    WriteInteger(bag, "CapStyle", captionStyle_, 0);
    bag.Write("Mode", std::int64_t{mode_});
    bag.Write("Value", value_);
    WriteInteger(bag, "ImgAlign", pictureAlign_, 0);
    WritePicture(bag, "Image", picture_);
    WriteInteger(bag, "ImgSize", pictureSizePixels_, 16);
    WriteBoolean(bag, "Enabled", enabled_, true);
    bag.Write("cBack", static_cast<std::int64_t>(backColor_));
    WriteInteger(bag, "mPointer", mousePointer_, 0);
    WritePicture(bag, "mIcon", mouseIcon_);
}

void XPButton::OnAmbientChanged(std::string_view name) {
    if (name == "DisplayAsDefault") {
        state_.defaultLook = showFocusRect_ && host_.DisplayAsDefault();
        Redraw();
    } else if (name == "BackColor") {
        ButtonContainer& container = container_ ? *container_ : host_.Container();
        containerColour_ = TranslateColour(container.BackColour());
        // Only the elliptic shapes and the flat look show the container.
        if (buttonShape_ > 3 || buttonStyle_ == 5)
            Redraw();
    }
}

void XPButton::OnSystemColoursChanged() {
    ButtonContainer& container = container_ ? *container_ : host_.Container();
    containerColour_ = TranslateColour(container.BackColour());
    RecomputeColours();
    Redraw();
}

} // namespace tarvenel

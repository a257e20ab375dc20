#pragma once
// XPButton: the owner-drawn push button of every form, acting as a command
// button, a check box or an option button. This is its model and behaviour;
// the painter reads the state below and fills in the render hooks. The host
// (one per native button window) and its container must outlive the button.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "button/colours.h"
#include "button/container.h"
#include "button/events.h"
#include "button/host.h"
#include "button/picture.h"
#include "button/property_bag.h"
#include "button/render_hooks.h"
#include "raster/colour.h"
#include "raster/font.h"

namespace tarvenel {

namespace xpb {
// Mode
inline constexpr int kCommand = 0;
inline constexpr int kCheckBox = 1;
inline constexpr int kOption = 2;
// CaptionAlign
inline constexpr int kAlignLeft = 0;
inline constexpr int kAlignRight = 1;
inline constexpr int kAlignCentre = 2;
// PictureAlign values that stack picture and caption in one column.
inline constexpr int kPictureTopCentre = 4;
inline constexpr int kPictureBottomCentre = 5;
// MousePointer of a custom cursor.
inline constexpr int kCustomPointer = 99;
// The hover poll.
inline constexpr int kHoverTimerId = 237;
inline constexpr int kHoverTimerPeriodMs = 50;
// Mouse buttons and keys.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyShift = 16;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;
} // namespace xpb

// The input and focus state that decides which look is drawn.
struct ButtonVisualState {
    bool defaultLook = false; // shown as the container's default button
    bool pressed = false;     // left button or space held down on the button
    bool hover = false;       // the mouse is over the button
    bool hoverTimer = false;  // the hover poll runs
    bool pressLook = false;   // with Mode and Value decides the pressed look
    int lastMouseButton = 0;  // 1 left; key and focus handling set 1 to click
    bool drawingDelayed = false;
};

struct ButtonRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const ButtonRect&) const = default;
};

// Filled in by the render hooks.
struct ButtonLayout {
    int leftInset = 0;  // where a slanted left side begins
    int rightBound = 0; // where a slanted right side begins
    ButtonRect caption;
    ButtonRect picture;
};

class XPButton {
public:
    explicit XPButton(ButtonHost& host);
    ~XPButton();
    XPButton(const XPButton&) = delete;
    XPButton& operator=(const XPButton&) = delete;

    XPButtonEvents events;
    // Not owned; null restores the hooks that do nothing.
    void SetRenderHooks(ButtonRenderHooks* hooks);

    // Properties. Setters of numbered choices ignore values out of range.
    int ButtonStyle() const { return buttonStyle_; } // 0..7
    void SetButtonStyle(int style);
    int Mode() const { return mode_; } // xpb::kCommand, kCheckBox, kOption
    void SetMode(int mode);
    bool Value() const { return value_; }
    void SetValue(bool value);
    const std::string& Caption() const { return caption_; } // "||" breaks the line
    void SetCaption(const std::string& caption);
    int CaptionAlign() const { return captionAlign_; } // 0 left, 1 right, 2 centre
    void SetCaptionAlign(int align);
    int CaptionStyle() const { return captionStyle_; } // 0 flat, 1 embossed, 2 engraved
    void SetCaptionStyle(int style);
    int ButtonShape() const { return buttonShape_; } // 0..6
    void SetButtonShape(int shape);
    const PicturePtr& Picture() const { return picture_; }
    void SetPicture(PicturePtr picture);
    int PictureAlign() const { return pictureAlign_; } // 0..5
    void SetPictureAlign(int align);
    int PictureSize() const { return pictureSizePixels_ / 8 - 2; } // 0..4
    void SetPictureSize(int size);
    // 16, 24, 32, 40 or 48: the stored form of PictureSize.
    int PictureSizePixels() const { return pictureSizePixels_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool ShowFocusRect() const { return showFocusRect_; }
    void SetShowFocusRect(bool show);
    int MousePointer() const { return mousePointer_; }
    void SetMousePointer(int pointer);
    const PicturePtr& MouseIcon() const { return mouseIcon_; }
    void SetMouseIcon(PicturePtr icon);
    const FontSpec& Font() const { return font_; }
    void SetFont(const FontSpec& font);
    int FontStyle() const; // bits: 2 bold, 4 italic, 8 underline
    void SetFontStyle(int bits);
    OleColour ForeColor() const { return foreColor_; }
    void SetForeColor(OleColour colour);
    OleColour BackColor() const { return backColor_; }
    void SetBackColor(OleColour colour);
    OleColour GradientColor() const { return gradientColor_; }
    void SetGradientColor(OleColour colour);
    int GradientMode() const { return gradientMode_; } // 0 none, 1..4 directions
    void SetGradientMode(int mode);
    // 0 both hover colours follow, 1 hover back colour free, 2 hover caption
    // colour free, 3 both free.
    int HoverColorLocks() const { return hoverColorLocks_; }
    void SetHoverColorLocks(int locks);
    OleColour HoverForeColor() const { return hoverForeColor_; }
    void SetHoverForeColor(OleColour colour);
    OleColour HoverBackColor() const { return hoverBackColor_; }
    void SetHoverBackColor(OleColour colour);
    bool ResetDefaultColors() const { return false; }
    // True in a designer puts the colours back to the system's.
    void SetResetDefaultColors(bool reset);
    const std::string& AccessKeys() const { return accessKeys_; }

    // Redraws now, unless drawing is delayed.
    void Refresh();
    // While delayed, every redraw is skipped; ending the delay redraws once.
    void DelayDrawing(bool delay);
    // Sets or clears the delay without drawing (the painter resizing the
    // button in the middle of a resize sequence).
    void HoldDrawing(bool delay) { state_.drawingDelayed = delay; }

    // Life with a form: a newly placed button, a stored one, and saving.
    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;
    // The container reports "DisplayAsDefault" or "BackColor" changed.
    void OnAmbientChanged(std::string_view name);
    // The system's colours changed (the user picked another theme): the
    // faces derived from them are worked out again and drawn.
    void OnSystemColoursChanged();

    // Input from the platform, in the order it gives it. Coordinates are
    // client pixels; button 1 left, 2 right, 4 middle.
    void OnMouseDown(int button, int shift, float x, float y);
    void OnMouseMove(int button, int shift, float x, float y);
    void OnMouseUp(int button, int shift, float x, float y);
    void OnClick(); // a press and release of a mouse button on the button
    void OnDoubleClick();
    void OnKeyDown(int& keyCode, int shift);
    void OnKeyUp(int& keyCode, int shift);
    void OnKeyPress(int& keyAscii);
    // The access key, or Enter (13) / Escape (27) as default / cancel button.
    void OnAccessKey(int keyAscii);
    void OnGotFocus();
    void OnHoverTimer(); // each tick of timer xpb::kHoverTimerId
    void OnResize();
    void OnPaint(); // the surface asks to be painted

    // State the painter reads.
    const ButtonVisualState& VisualState() const { return state_; }
    const DerivedColours& Colours() const { return colours_; }
    Rgb ContainerColour() const { return containerColour_; }
    const ButtonLayout& Layout() const { return layout_; }
    ButtonLayout& MutableLayout() { return layout_; }
    PictureKind PictureKindOf() const { return pictureKind_; }
    int PictureWidth() const { return pictureWidth_; }
    int PictureHeight() const { return pictureHeight_; }
    ButtonHost& Host() { return host_; }
    // Expires when the button is destroyed. A form may unload a button from
    // its own event handler (a dialog closing on Click), so whatever goes on
    // after raising an event checks this first.
    std::weak_ptr<void> Lifetime() const { return lifetime_; }
    // The container recorded when the button was placed or loaded.
    ButtonContainer* Container() const { return container_; }

private:
    enum class GroupAction { TurnOthersOff, Join, Leave, AnyOn };

    // properties.cpp
    void Report(const char* key) { host_.PropertyChanged(key); }
    void Redraw();
    void ResizeSequence();
    void RecomputeColours();
    void TakePictureMeasures();
    void DesignerMessage(const std::string& text, const std::string& caption = {});
    void StoreBackColor(OleColour stored);
    void StoreForeColor(OleColour colour, bool resumeDrawing);
    // behaviour.cpp
    void ClickHandling();
    void PressWithLeftButton();
    // option_group.cpp
    bool OptionGroupAction(GroupAction action);

    ButtonHost& host_;
    ButtonRenderHooks* hooks_;
    ButtonContainer* container_ = nullptr;

    int buttonStyle_ = 0;
    int mode_ = xpb::kCommand;
    bool value_ = false;
    std::string caption_;
    std::string accessKeys_;
    int captionAlign_ = xpb::kAlignCentre;
    int captionStyle_ = 0;
    int buttonShape_ = 0;
    PicturePtr picture_;
    int pictureAlign_ = 0;
    int pictureSizePixels_ = 16;
    bool enabled_ = true;
    bool showFocusRect_ = true;
    int mousePointer_ = 0;
    PicturePtr mouseIcon_;
    FontSpec font_;
    OleColour foreColor_ = kSysButtonText;
    OleColour backColor_ = kSysButtonFace;
    OleColour gradientColor_ = 0;
    int gradientMode_ = 0;
    int hoverColorLocks_ = 0;
    OleColour hoverForeColor_ = kSysButtonText;
    OleColour hoverBackColor_ = kSysButtonFace;

    ButtonVisualState state_;
    DerivedColours colours_;
    Rgb containerColour_ = 0;
    ButtonLayout layout_;
    PictureKind pictureKind_ = PictureKind::Bitmap;
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

} // namespace tarvenel

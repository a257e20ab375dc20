#pragma once
// What a button needs from the window system around it. Each front end
// implements this for the native window of one button; tests use an
// in-memory host.
#include <cstdint>
#include <optional>
#include <string>

#include "button/container.h"
#include "button/picture.h"
#include "raster/region.h"

namespace tarvenel {

struct ClientPoint {
    float x = 0;
    float y = 0;
};

class ButtonHost {
public:
    virtual ~ButtonHost() = default;

    // The container window the button sits on; lives longer than the button.
    virtual ButtonContainer& Container() = 0;
    // Whether the container currently shows this button as its default one.
    virtual bool DisplayAsDefault() = 0;
    // The button's name on its form, e.g. "XPButton1".
    virtual std::string Name() = 0;
    // True while a form designer edits the button; refusals then explain
    // themselves in a message box, at run time they stay silent.
    virtual bool DesignMode() = 0;
    // `style` uses the mb:: numbers of app/dialogs.h.
    virtual void MessageBox(const std::string& text, int style, const std::string& caption) = 0;
    // Marks the stored form as modified: `key` names the changed property.
    virtual void PropertyChanged(const std::string& key) = 0;

    // Client size in pixels.
    virtual int ScaleWidth() = 0;
    virtual int ScaleHeight() = 0;
    // Makes the button this many pixels wide (a slanted button needs room
    // beside its slants); ScaleWidth() answers the new width at once.
    virtual void SetClientWidth(int pixels) = 0;
    // The outline of the button's window: nothing outside it is shown, and
    // the mouse outside it is not over the button.
    virtual void SetRegion(const Region& region) = 0;

    // The native surface: enabled state, cursor and access key.
    virtual void SetSurfaceEnabled(bool enabled) = 0;
    virtual void SetMousePointer(int pointer) = 0;
    // Gives the surface a custom cursor (none clears it). Returns the error
    // description when the surface refuses the picture.
    virtual std::optional<std::string> SetMouseIcon(const PicturePtr& icon) = 0;
    // The key that, pressed with Alt, clicks the button ("" for none).
    virtual void SetAccessKeys(const std::string& key) = 0;

    virtual void SetFocus() = 0;
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;

    // A repeating timer on the button's window; each tick calls
    // XPButton::OnHoverTimer().
    virtual void StartTimer(int id, int periodMs) = 0;
    virtual void StopTimer(int id) = 0;
    // Whether the window under the mouse cursor is this button's: false when
    // another window covers it or the cursor is outside the button's region.
    virtual bool IsCursorOverMe() = 0;
    // The cursor position in the button's client coordinates.
    virtual ClientPoint CursorPosition() = 0;

    // Posts a key-down message to the container window, which moves the
    // focus. `keyData` is the message's repeat count and scan code.
    virtual void PostKeyDownToContainer(int virtualKey, std::uint32_t keyData) = 0;

    // Paints the button now from its current state and shows it. It must
    // paint before returning: some looks last only for this one call.
    virtual void Redraw() = 0;
};

} // namespace tarvenel

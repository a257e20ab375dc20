#pragma once
// The caption's minimise and close images: their hover and pressed faces,
// and the exit question behind the close image.
#include <string>

#include "app/controls.h"
#include "app/dialogs.h"
#include "shell/notify_area.h"

namespace tarvenel {

// Ends the program at once: every window and timer stops without further
// events (an open countdown dialog goes without its unload handler).
class ProgramExit {
public:
    virtual ~ProgramExit() = default;
    virtual void End() = 0;
};

class CaptionButtons {
public:
    CaptionButtons(ImageButton& Immin, ImageButton& Imclose, NotifyArea& notifyArea,
                   Dialogs& dialogs, ProgramExit& exit)
        : immin_{Immin, {}}, imclose_{Imclose, {}}, notifyArea_(notifyArea), dialogs_(dialogs),
          exit_(exit) {}

    // Mouse events of the two images (any button presses and releases).
    void Immin_MouseMove() { HoverOver(immin_); }
    void Immin_MouseDown() { immin_.image.ShowFace(ImageFace::Pressed); }
    void Immin_MouseUp() { Release(immin_); }
    void Imclose_MouseMove() { HoverOver(imclose_); }
    void Imclose_MouseDown() { imclose_.image.ShowFace(ImageFace::Pressed); }
    void Imclose_MouseUp() { Release(imclose_); }
    // A mouse move over the background or the caption strip.
    void ResetHover();
    // The exit question: Yes ends the program, No hides it to the icon.
    void Imclose_Click();

private:
    struct Image {
        ImageButton& image;
        std::string tag; // "1" once the hover picture is in place
    };
    static void HoverOver(Image& image);
    static void Release(Image& image);

    Image immin_;
    Image imclose_;
    NotifyArea& notifyArea_;
    Dialogs& dialogs_;
    ProgramExit& exit_;
};

} // namespace tarvenel

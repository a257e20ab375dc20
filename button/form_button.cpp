#include "button/form_button.h"

namespace tarvenel {

FormButton::FormButton(FormHost& host, int control, ButtonContainer& container,
                       const StoredButton& stored, TextRenderer& text, ButtonScreen screen,
                       Dialogs& dialogs)
    : host_(host), native_(host.Native()), id_(control), dialogs_(dialogs),
      hoverTimer_(host.ReserveTimer([this] { button_.HoverTick(); })),
      button_(*this, container, stored, text, screen) {
    host_.Host(id_, *this);
}

int FormButton::Width() {
    return TwipsToPixels(native_.Place(id_).width);
}

int FormButton::Height() {
    return TwipsToPixels(native_.Place(id_).height);
}

void FormButton::SetWidth(int pixels) {
    TwipsRect place = native_.Place(id_);
    place.width = PixelsToTwips(pixels);
    native_.SetPlace(id_, place);
}

void FormButton::SetAccessKey(const std::string& key) {
    native_.SetAccessKey(id_, key.empty() ? '\0' : key.front());
}

ClientPoint FormButton::Cursor() {
    ClientPoint point;
    native_.CursorAt(id_, point.x, point.y);
    return point;
}

void FormButton::Show(const Bitmap& face) {
    // The control's text is the caption: access keys and screen readers
    // read it there.
    native_.SetText(id_, button_.Model().Caption());
    native_.ShowFace(id_, face);
}

bool FormButton::OnEvent(const FormEvent& e) {
    switch (e.kind) {
    case FormEventKind::MouseDown:
        button_.Press(e.button, e.shift, e.x, e.y);
        break;
    case FormEventKind::DoubleClick:
        button_.DoublePress(e.button, e.shift, e.x, e.y);
        break;
    case FormEventKind::MouseUp:
        button_.Release(e.button, e.shift, e.x, e.y);
        break;
    case FormEventKind::MouseMove:
        button_.Move(e.button, e.shift, e.x, e.y);
        break;
    case FormEventKind::KeyDown:
        // Used up when the button took the key whole: no character follows.
        return !button_.KeyDown(e.key, e.shift, e.repeat);
    case FormEventKind::KeyUp:
        button_.KeyUp(e.key, e.shift);
        break;
    case FormEventKind::Character:
        button_.KeyPress(e.key);
        return true;
    case FormEventKind::Clicked:
        // The dialog manager's Enter, or Alt and the access key.
        if (e.key == 13)
            button_.Enter();
        else
            button_.AccessKey();
        break;
    case FormEventKind::FocusIn:
    case FormEventKind::FocusOut:
        button_.FocusChanged(e.kind == FormEventKind::FocusIn);
        break;
    case FormEventKind::Paint:
        button_.Paint();
        break;
    case FormEventKind::Resized:
        button_.Resized();
        break;
    case FormEventKind::ColoursChanged:
        button_.Model().OnSystemColoursChanged();
        break;
    case FormEventKind::Press:
        button_.PressAction();
        break;
    default:
        break;
    }
    return false;
}

} // namespace tarvenel

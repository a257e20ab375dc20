#pragma once
// An XPButton on a drawn control of a form host: the host's native surface
// is the button's, and every event of the control goes to the button.
#include "app/dialogs.h"
#include "app/form_host.h"
#include "button/hosted_button.h"

namespace tarvenel {

class FormButton : public DrawnControl, private ButtonSurface {
public:
    FormButton(FormHost& host, int control, ButtonContainer& container, const StoredButton& stored,
               TextRenderer& text, ButtonScreen screen, Dialogs& dialogs);
    FormButton(const FormButton&) = delete;
    FormButton& operator=(const FormButton&) = delete;

    XPButton& Model() { return button_.Model(); }
    CommandButton& View() { return button_.View(); }
    const Bitmap& Face() const { return button_.Face(); }

    // DrawnControl
    bool OnEvent(const FormEvent& event) override;
    AccessibleInfo Describe() const override { return button_.Accessible(); }

private:
    // ButtonSurface
    int Width() override;
    int Height() override;
    void SetWidth(int pixels) override;
    void SetRegion(const Region& region) override { native_.SetOutline(id_, region); }
    void SetEnabled(bool enabled) override { native_.SetEnabled(id_, enabled); }
    std::optional<std::string> SetCursorPicture(const PicturePtr&) override { return std::nullopt; }
    void SetAccessKey(const std::string& key) override;
    bool HasFocus() override { return native_.Focused(id_); }
    void Focus() override { native_.Focus(id_); }
    void Capture(bool on) override { native_.Capture(id_, on); }
    void StartHoverPoll(int periodMs) override { host_.StartTimer(hoverTimer_, periodMs); }
    void StopHoverPoll() override { host_.StopTimer(hoverTimer_); }
    bool CursorOver() override { return native_.CursorOver(id_); }
    ClientPoint Cursor() override;
    void MoveFocus(bool forward) override { host_.FocusNext(id_, forward); }
    void Show(const Bitmap& face) override;
    void ShowMessage(const std::string& text, int style, const std::string& caption) override {
        dialogs_.MessageBox(text, style, caption);
    }
    void AccessibleChanged(AccessibleChange change) override {
        native_.AnnounceChange(id_, change);
    }

    FormHost& host_;
    NativeForm& native_;
    int id_;
    Dialogs& dialogs_;
    int hoverTimer_;
    HostedButton button_; // last: it paints through the members above
};

} // namespace tarvenel

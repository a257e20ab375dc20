#pragma once
// frmEnd on a front end's native dialog: its number, its cancel button and
// the power buttons below the visible area made from the form's table, its
// keys seen before the focused control, and its timer.
#include <array>
#include <memory>

#include "app/form_host.h"
#include "power/countdown_launcher.h"

namespace tarvenel {

class EndForm : public CountdownDialog {
public:
    // `native`: a fixed dialog with a caption and a close box, centred on
    // the screen, above the main window and without a taskbar button.
    explicit EndForm(std::unique_ptr<NativeForm> native);
    ~EndForm() override;

    FormHost& Host() { return host_; }

    // CountdownDialog
    FrmEndControls Controls() override;
    void Bind(FrmEnd& logic) override;
    void Present() override;
    bool Loaded() const override { return !host_.Discarded(); }

private:
    std::unique_ptr<NativeForm> native_;
    FormHost host_;
    int label1_ = -1;
    int command1_ = -1;
    std::array<int, 5> power_{};
    Timer* timer1_ = nullptr;
    FrmEnd* frm_ = nullptr;
};

} // namespace tarvenel

#pragma once
// frmMain on a front end's native surface: its controls made from the form's
// tables, its buttons, pictures and caption images drawn by the core, and
// every native input turned into the handler of FrmMain that bears its name.
#include <array>
#include <memory>

#include "app/form_host.h"
#include "button/form_button.h"
#include "scheduler/frm_main.h"

namespace tarvenel {

class MainForm : private MainWindowSurface, private WindowMover {
public:
    // `text` draws the buttons' captions and the skin's caption.
    MainForm(NativeForm& native, const SystemServices& services, NotifyIcon& notifyIcon,
             TextRenderer& text);
    ~MainForm() override;

    FrmMain& Logic() { return *frm_; }
    FormHost& Host() { return host_; }
    Timer& RestoreTimer() { return *timer2_; } // Timer2, which a cancelled countdown starts
    XPButton& Button(int number) { return buttons_.at(number - 1)->Model(); }
    // The window goes without running any more handlers (the program ends).
    void Discard() { host_.Discard(); }

private:
    void Declare();
    void Bind();

    // MainWindowSurface
    void PlaceCredit(int left, int top, Rgb foreColour) override;
    void SetCaptionStripWidth(int width) override { stripWidth_ = width; }
    void PlaceMinimise(int left, int top) override { MoveControl(immin_, left, top); }
    void PlaceClose(int left, int top) override { MoveControl(imclose_, left, top); }
    void SetBackground(Bitmap background) override;
    void SetRegion(const Region& region) override { host_.Native().SetOutline(kForm, region); }
    void MoveTo(int left, int top) override { MoveControl(kForm, left, top); }
    // WindowMover
    void BeginSystemMove() override { host_.Native().BeginSystemMove(); }

    void MoveControl(int control, int left, int top);
    bool OnStrip(const FormEvent& e) const;

    FormHost host_;
    ProgramExit& exit_;
    ButtonContainer container_;
    std::array<int, 5> labels_{};
    std::array<int, 9> lists_{};
    std::array<int, 4> checks_{};
    std::array<int, 3> buttonIds_{};
    int image1_ = -1;
    int immin_ = -1;
    int imclose_ = -1;
    int stripWidth_;
    std::array<std::unique_ptr<FormButton>, 3> buttons_;
    Timer* timer1_ = nullptr;
    Timer* timer2_ = nullptr;
    std::unique_ptr<FrmMain> frm_;
};

} // namespace tarvenel

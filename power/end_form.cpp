#include "power/end_form.h"

#include "power/frm_end_design.h"

namespace tarvenel {

namespace design = frm_end_design;

EndForm::EndForm(std::unique_ptr<NativeForm> native) : native_(std::move(native)), host_(*native_) {
    label1_ = host_.Declare(design::kLabel1, ControlKind::Label);
    ControlSpec& number = host_.Spec(label1_);
    number.font = design::kNumberFont;
    number.textColour = design::kNumberColour;
    number.centred = true;

    ControlDesign cancel = design::kCommand1;
    cancel.tabIndex = design::kCommand1TabIndex;
    command1_ = host_.Declare(cancel, ControlKind::Button);
    ControlSpec& face = host_.Spec(command1_);
    face.font = design::kCancelFont;
    face.backColour = design::kCancelBackColour;
    face.graphical = true;

    for (std::size_t i = 0; i < power_.size(); ++i) {
        ControlDesign button = design::kPowerButtons[i].design;
        button.tabIndex = design::kPowerButtons[i].tabIndex;
        power_[i] = host_.Declare(button, ControlKind::Button);
        host_.Spec(power_[i]).visible = design::kPowerButtons[i].visible;
    }
    host_.MakeAll();
    host_.FormView().SetCaption(design::kCaption);
    timer1_ = &host_.AddTimer(2000, false, [this] {
        if (frm_)
            frm_->Timer1_Timer();
    });
}

EndForm::~EndForm() {
    host_.Discard(); // the dialog goes without its unload handler
}

FrmEndControls EndForm::Controls() {
    return {host_.FormView(), host_.LabelView(label1_), host_.ButtonView(command1_), *timer1_,
            host_.TopMostView()};
}

void EndForm::Bind(FrmEnd& logic) {
    frm_ = &logic;
    using E = FormEventKind;
    host_.On(command1_, E::Clicked, [&logic](const FormEvent&) { logic.Command1_Click(); });
    static constexpr void (FrmEnd::*kPower[])() = {
        &FrmEnd::cmdLogoff_Click, &FrmEnd::cmdForceLogoff_Click, &FrmEnd::cmdShutdown_Click,
        &FrmEnd::cmdForceShutdown_Click, &FrmEnd::Command2_Click};
    for (std::size_t i = 0; i < power_.size(); ++i)
        host_.On(power_[i], E::Clicked,
                 [&logic, handler = kPower[i]](const FormEvent&) { (logic.*handler)(); });
    host_.OnFormKey([&logic](int key, int shift) { return logic.Form_KeyDown(key, shift); });
    host_.OnUnload([&logic] { logic.Form_Unload(); });
}

void EndForm::Present() {
    host_.FormView().Show();
    host_.Native().Focus(command1_);
}

} // namespace tarvenel

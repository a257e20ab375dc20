#include "power/countdown_launcher.h"

namespace tarvenel {

CountdownLauncher::CountdownLauncher(CountdownServices services, MakeDialog make)
    : services_(services), make_(std::move(make)) {}

CountdownLauncher::~CountdownLauncher() {
    Discard();
}

void CountdownLauncher::Show() {
    // A dialog left over from an earlier firing (it said "再见！" and the
    // system did not go down) must not stand in for this one: every firing
    // counts from 10 and ends in its own power request.
    Discard();
    dialog_ = make_();
    if (!dialog_)
        return;
    frm_ = std::make_unique<FrmEnd>(
        dialog_->Controls(), FrmEndServices{services_.power, services_.dialogs, restoreTimer_});
    dialog_->Bind(*frm_);
    frm_->Form_Load();
    dialog_->Present();
}

void CountdownLauncher::Close() {
    if (CountdownDialog* dialog = Current())
        dialog->Controls().form.Unload();
}

void CountdownLauncher::Discard() {
    dialog_.reset();
    frm_.reset();
}

CountdownDialog* CountdownLauncher::Current() const {
    return dialog_ && dialog_->Loaded() ? dialog_.get() : nullptr;
}

} // namespace tarvenel

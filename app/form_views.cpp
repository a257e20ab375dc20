#include "app/form_views.h"

// The views the forms' logic holds: its controls and its window, over the
// native surface.
namespace tarvenel {

namespace {

// A control's view is made when first asked for and kept by the host.
template <class View, class Interface, class... Args>
Interface& ViewOf(std::map<int, std::unique_ptr<Interface>>& views, int control, Args&&... args) {
    auto& view = views[control];
    if (!view)
        view = std::make_unique<View>(std::forward<Args>(args)...);
    return *view;
}

} // namespace

Label& FormHost::LabelView(int control) {
    return ViewOf<Views::LabelView>(views_->labels, control, *this, control);
}

ComboBox& FormHost::ListView(int control) {
    return ViewOf<Views::ListView>(views_->lists, control, native_, control);
}

CheckBox& FormHost::CheckView(int control) {
    return ViewOf<Views::CheckView>(views_->checks, control, native_, control);
}

CommandButton& FormHost::ButtonView(int control) {
    return ViewOf<Views::ButtonView>(views_->buttons, control, native_, control);
}

Picture& FormHost::PictureView(int control) {
    return ViewOf<Views::PictureView>(views_->pictures, control, native_, control);
}

ImageButton& FormHost::ImageView(int control, Bitmap hover, Bitmap pressed) {
    return ViewOf<Views::ImageView>(views_->images, control, *this, control, std::move(hover),
                                    std::move(pressed));
}

// --- The window

std::string FormHost::FormWindow::Caption() const {
    return host_.native_.Text(kForm);
}

void FormHost::FormWindow::SetCaption(const std::string& text) {
    host_.native_.SetText(kForm, text);
}

void FormHost::FormWindow::Show() {
    // A window that appears is placed, shaped and painted before it is
    // seen, with the keyboard on its first stop; one already on screen
    // stays where the user dragged it.
    NativeForm& n = host_.native_;
    const bool minimised = n.State() == WindowState::Minimised;
    const bool appearing = minimised || !n.Visible(kForm);
    if (appearing && !minimised && host_.resize_)
        host_.resize_();
    if (minimised)
        n.SetState(WindowState::Normal); // the state change runs the resize
    else
        n.SetVisible(kForm, true);
    if (appearing && host_.firstStop_ >= 0 && !n.Focused(kForm))
        n.Focus(host_.firstStop_);
}

void FormHost::FormWindow::Hide() {
    host_.native_.SetVisible(kForm, false);
}

void FormHost::FormWindow::Restore() {
    NativeForm& n = host_.native_;
    if (n.State() == WindowState::Minimised)
        n.SetState(WindowState::Normal);
    else
        n.SetVisible(kForm, true);
}

bool FormHost::FormWindow::Visible() const {
    return host_.native_.Visible(kForm);
}

void FormHost::FormWindow::SetWindowState(WindowState state) {
    if (state != WindowState::Maximised)
        host_.native_.SetState(state);
}

void FormHost::FormWindow::SetSize(int widthTwips, int heightTwips) {
    TwipsRect place = host_.native_.Place(kForm);
    place.width = widthTwips;
    place.height = heightTwips;
    host_.native_.SetPlace(kForm, place);
}

int FormHost::FormWindow::Width() const {
    const NativeForm& n = host_.native_;
    return n.State() == WindowState::Minimised ? 0 : n.Place(kForm).width;
}

int FormHost::FormWindow::Height() const {
    const NativeForm& n = host_.native_;
    return n.State() == WindowState::Minimised ? 0 : n.Place(kForm).height;
}

void FormHost::FormWindow::Unload() {
    if (host_.unloaded_ || host_.discarded_)
        return;
    host_.unloaded_ = true;
    if (host_.unload_)
        host_.unload_();
    if (!host_.discarded_)
        host_.Discard();
}

void FormHost::FormWindow::SetAlwaysOnTop(bool onTop) {
    host_.native_.SetAlwaysOnTop(onTop);
}

} // namespace tarvenel

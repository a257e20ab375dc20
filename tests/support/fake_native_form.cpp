#include "support/fake_native_form.h"

#include <stdexcept>

namespace tarvenel::test {

void FakeNativeForm::Advance(long long ms) {
    const long long until = now + ms;
    for (;;) {
        auto next = due.end();
        for (auto it = due.begin(); it != due.end(); ++it)
            if (it->second <= until && (next == due.end() || it->second < next->second))
                next = it;
        if (next == due.end())
            break;
        now = next->second;
        const int timer = next->first;
        due.erase(next);
        Send({kForm, FormEventKind::Timer, 0, 0, 0, 0, timer});
    }
    now = until;
}

int FakeNativeForm::Find(const std::string& name) const {
    for (const auto& [id, control] : controls)
        if (control.spec.name == name)
            return id;
    throw std::out_of_range("no control " + name);
}

void FakeNativeForm::SetAlwaysOnTop(bool on) {
    if (onTopFails)
        throw std::runtime_error("window gone");
    onTop = on;
}

void FakeNativeForm::Make(int control, const ControlSpec& spec) {
    Control c;
    c.spec = spec;
    c.text = spec.text;
    c.visible = spec.visible;
    c.place = spec.place;
    controls[control] = c;
    made.push_back(control);
}

std::string FakeNativeForm::Text(int control) const {
    return control == kForm ? window.text : Get(control).text;
}

void FakeNativeForm::SetText(int control, const std::string& text) {
    (control == kForm ? window : Get(control)).text = text;
}

bool FakeNativeForm::Visible(int control) const {
    return control == kForm ? window.visible : Get(control).visible;
}

void FakeNativeForm::SetVisible(int control, bool on) {
    (control == kForm ? window : Get(control)).visible = on;
}

bool FakeNativeForm::Focused(int control) const {
    return control == kForm ? controls.count(focus) > 0 : focus == control;
}

TwipsRect FakeNativeForm::Place(int control) const {
    return control == kForm ? window.place : Get(control).place;
}

void FakeNativeForm::SetPlace(int control, const TwipsRect& place) {
    (control == kForm ? window : Get(control)).place = place;
}

void FakeNativeForm::AddEntries(int control, const std::vector<std::string>& texts) {
    auto& entries = Get(control).entries;
    entries.insert(entries.end(), texts.begin(), texts.end());
}

void FakeNativeForm::RemoveEntry(int control, int index) {
    auto& entries = Get(control).entries;
    entries.erase(entries.begin() + index);
}

int FakeNativeForm::EntryCount(int control) const {
    return static_cast<int>(Get(control).entries.size());
}

std::string FakeNativeForm::Entry(int control, int index) const {
    return Get(control).entries.at(static_cast<std::size_t>(index));
}

void FakeNativeForm::ShowFace(int control, const Bitmap& face) {
    (control == kForm ? window : Get(control)).face = face;
}

void FakeNativeForm::SetOutline(int control, const Region& outline) {
    (control == kForm ? window : Get(control)).outline = outline;
}

void FakeNativeForm::SetState(WindowState s) {
    state = s;
    if (s == WindowState::Normal)
        window.visible = true;
}

} // namespace tarvenel::test

#include "app/form_host.h"

#include <algorithm>

#include "app/caret_timeout.h"
#include "app/form_views.h"
#include "app/second_rhythm.h"

namespace tarvenel {

struct FormHost::HostTimer : Timer {
    HostTimer(FormHost& host, int id, int interval, Rhythm rhythm, std::function<void()> tick)
        : host(host), id(id), interval(interval), rhythm(rhythm), tick(std::move(tick)) {}
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool on) override {
        // Switching on a running timer keeps its rhythm.
        if (on && !enabled)
            Arm();
        else if (!on && enabled)
            host.native_.StopTimer(id);
        enabled = on;
    }
    int Interval() const override { return interval; }
    void Arm() {
        int delay = interval;
        if (rhythm == Rhythm::WallClockSeconds)
            delay = MsUntilNextSecond(static_cast<int>(host.native_.NowMs() % 1000));
        host.native_.StartTimer(id, delay);
    }
    // The next tick is set before this one runs, so that the handler can
    // still switch the timer off.
    void Fire() {
        if (!enabled)
            return;
        Arm();
        tick();
    }

    FormHost& host;
    int id;
    int interval;
    Rhythm rhythm;
    std::function<void()> tick;
    bool enabled = false;
};

FormHost::FormHost(NativeForm& native) : native_(native), views_(std::make_unique<Views>()) {
    native_.Attach(*this);
}

FormHost::~FormHost() = default;

int FormHost::Declare(const ControlDesign& design, ControlKind kind) {
    Control control;
    control.spec.kind = kind;
    control.spec.name = design.name;
    control.spec.text = design.caption;
    control.spec.toolTip = design.toolTip;
    control.spec.place = design.rect;
    control.spec.textColour = design.textColour;
    control.spec.handCursor = design.handCursor;
    control.spec.tabStop = design.tabIndex >= 0;
    control.tabIndex = design.tabIndex;
    control.widthRule = design.width;
    controls_.push_back(std::move(control));
    return static_cast<int>(controls_.size()) - 1;
}

void FormHost::SetWidthRule(int label, LabelWidth rule) {
    At(label).widthRule = rule;
}

int FormHost::Find(const std::string& name) const {
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i].spec.name == name)
            return static_cast<int>(i);
    return -1;
}

void FormHost::MakeAll() {
    // Declaration order, with the tab stops in their tab order among
    // themselves: the keyboard follows the order of making.
    std::vector<int> order(controls_.size());
    std::vector<int> stops;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        order[i] = static_cast<int>(i);
        if (controls_[i].spec.tabStop)
            stops.push_back(static_cast<int>(i));
    }
    std::vector<int> sorted = stops;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [this](int a, int b) { return At(a).tabIndex < At(b).tabIndex; });
    for (std::size_t i = 0, next = 0; i < order.size(); ++i)
        if (At(order[i]).spec.tabStop)
            order[i] = sorted[next++];
    order_ = order;
    bool lists = false;
    for (int id : order) {
        const Control& c = At(id);
        native_.Make(id, c.spec);
        lists = lists || c.spec.kind == ControlKind::List;
        if (firstStop_ < 0 && c.spec.tabStop && c.spec.visible)
            firstStop_ = id;
    }
    made_ = true;
    if (lists) {
        caretTimer_ = ReserveTimer([this] {
            StopTimer(caretTimer_);
            caretResting_ = true;
            native_.SetCaretResting(true);
        });
        StartTimer(caretTimer_, kCaretBlinkTimeoutMs);
    }
}

void FormHost::SetBackground(Bitmap background) {
    // The native window keeps the background it shows; the host keeps only
    // what lies under each picture, the window's size twice over is too
    // much for a tray utility.
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        Control& c = controls_[i];
        if (!c.picture)
            continue;
        const TwipsRect place = native_.Place(static_cast<int>(i));
        const int left = TwipsToPixels(place.left);
        const int top = TwipsToPixels(place.top);
        c.under =
            Bitmap(TwipsToPixels(place.width), TwipsToPixels(place.height), PixelFromRgb(0xFFFFFF));
        for (int y = 0; y < c.under.Height(); ++y)
            for (int x = 0; x < c.under.Width(); ++x)
                if (background.Contains(left + x, top + y))
                    c.under.Set(x, y, background.At(left + x, top + y));
    }
    native_.ShowFace(kForm, background);
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i].picture)
            ShowComposed(static_cast<int>(i));
}

void FormHost::ShowPicture(int control, Bitmap face) {
    Control& c = At(control);
    c.picture = true;
    c.face = std::move(face);
    ShowComposed(control);
}

void FormHost::ShowComposed(int control) {
    // Straight alpha over the background, rounded to the nearest.
    const Control& c = At(control);
    const TwipsRect place = native_.Place(control);
    Bitmap shown(TwipsToPixels(place.width), TwipsToPixels(place.height), PixelFromRgb(0xFFFFFF));
    for (int y = 0; y < shown.Height(); ++y)
        for (int x = 0; x < shown.Width(); ++x) {
            Pixel under = c.under.Contains(x, y) ? c.under.At(x, y) : shown.At(x, y);
            if (c.face.Contains(x, y)) {
                const Pixel over = c.face.At(x, y);
                const unsigned a = over >> 24;
                Pixel mixed = kOpaque;
                for (int shift = 0; shift < 24; shift += 8) {
                    const unsigned f = over >> shift & 0xFF;
                    const unsigned b = under >> shift & 0xFF;
                    mixed |= ((f * a + b * (255 - a) + 127) / 255) << shift;
                }
                under = mixed;
            }
            shown.Set(x, y, under | kOpaque);
        }
    native_.ShowFace(control, shown);
}

Timer& FormHost::AddTimer(int intervalMs, bool enabled, std::function<void()> tick, Rhythm rhythm) {
    const int id = static_cast<int>(timers_.size());
    timers_.push_back(std::make_unique<HostTimer>(*this, id, intervalMs, rhythm, std::move(tick)));
    timers_.back()->SetEnabled(enabled);
    return *timers_.back();
}

int FormHost::ReserveTimer(std::function<void()> tick) {
    AddTimer(0, false, std::move(tick));
    return static_cast<int>(timers_.size()) - 1;
}

void FormHost::StartTimer(int timer, int ms) {
    HostTimer& t = *timers_.at(static_cast<std::size_t>(timer));
    t.interval = ms;
    t.SetEnabled(false);
    t.SetEnabled(true);
}

void FormHost::StopTimer(int timer) {
    timers_.at(static_cast<std::size_t>(timer))->SetEnabled(false);
}

void FormHost::On(int control, FormEventKind kind, Handler handler) {
    handlers_.emplace(std::pair{control, kind}, std::move(handler));
}

void FormHost::OnClick(int control, std::function<void()> click) {
    On(control, FormEventKind::MouseDown, [this, control](const FormEvent& e) {
        if (e.button != 1)
            return;
        At(control).pressed = 1;
    });
    On(control, FormEventKind::MouseUp, [this, control, click](const FormEvent& e) {
        if (e.button != 1)
            return;
        const bool pressed = At(control).pressed != 0;
        At(control).pressed = 0;
        const TwipsRect place = native_.Place(control);
        if (pressed && e.x >= 0 && e.y >= 0 && e.x < TwipsToPixels(place.width) &&
            e.y < TwipsToPixels(place.height))
            click();
    });
}

void FormHost::OnCheckRelease(
    int box, std::function<void(int button, int shift, float x, float y)> release) {
    On(box, FormEventKind::MouseDown,
       [this, box](const FormEvent& e) { At(box).pressed |= static_cast<unsigned>(e.button); });
    On(box, FormEventKind::MouseUp, [this, box, release](const FormEvent& e) {
        const unsigned button = static_cast<unsigned>(e.button);
        const bool pressed = At(box).pressed & button;
        At(box).pressed &= ~button;
        if (pressed)
            release(e.button, e.shift, e.x, e.y);
    });
    On(box, FormEventKind::Toggled, [release](const FormEvent& e) { release(1, e.shift, 0, 0); });
}

void FormHost::OnChosen(int list, std::function<void()> chosen) {
    On(list, FormEventKind::Chosen, [chosen](const FormEvent&) { chosen(); });
}

void FormHost::OnFormKey(std::function<bool(int key, int shift)> key) {
    formKey_ = std::move(key);
}

void FormHost::Host(int control, DrawnControl& drawn) {
    At(control).drawn = &drawn;
}

void FormHost::FocusNext(int control, bool forward) {
    const auto at = std::find(order_.begin(), order_.end(), control);
    if (at == order_.end())
        return;
    const std::size_t count = order_.size();
    std::size_t i = static_cast<std::size_t>(at - order_.begin());
    for (std::size_t step = 1; step < count; ++step) {
        i = forward ? (i + 1) % count : (i + count - 1) % count;
        const int next = order_[i];
        if (At(next).spec.tabStop && native_.Visible(next) && native_.Enabled(next)) {
            native_.Focus(next);
            return;
        }
    }
}

void FormHost::Describe(int control, std::function<AccessibleInfo()> describe) {
    At(control).describe = std::move(describe);
}

void FormHost::Input() {
    if (caretTimer_ < 0)
        return;
    if (caretResting_) {
        caretResting_ = false;
        native_.SetCaretResting(false);
    }
    StartTimer(caretTimer_, kCaretBlinkTimeoutMs);
}

bool FormHost::OnEvent(const FormEvent& event) {
    if (discarded_ || !made_)
        return false;
    switch (event.kind) {
    case FormEventKind::KeyDown:
    case FormEventKind::MouseDown:
    case FormEventKind::DoubleClick:
    case FormEventKind::FocusIn:
    case FormEventKind::Chosen:
        Input();
        break;
    case FormEventKind::Timer:
        if (event.key >= 0 && event.key < static_cast<int>(timers_.size()))
            timers_[static_cast<std::size_t>(event.key)]->Fire();
        return true;
    case FormEventKind::Close:
        form_.Unload();
        return true;
    case FormEventKind::StateChanged:
        if (resize_ && native_.State() != WindowState::Minimised)
            resize_();
        return true;
    default:
        break;
    }
    if (unloaded_)
        return false;
    // The form sees every key before the focused control.
    if (event.kind == FormEventKind::KeyDown && formKey_ && formKey_(event.key, event.shift))
        return true;
    if (event.control >= 0 && event.control < Count() && At(event.control).drawn)
        return At(event.control).drawn->OnEvent(event);
    return Dispatch(event);
}

bool FormHost::Dispatch(const FormEvent& event) {
    // On a control of no mind of its own the second press of a quick pair
    // is just another press.
    if (event.kind == FormEventKind::DoubleClick) {
        FormEvent press = event;
        press.kind = FormEventKind::MouseDown;
        return Dispatch(press);
    }
    // A handler may close the form, and its handlers with it: copy first.
    std::vector<Handler> run;
    const auto [first, last] = handlers_.equal_range({event.control, event.kind});
    for (auto it = first; it != last; ++it)
        run.push_back(it->second);
    for (const Handler& handler : run) {
        if (discarded_)
            break;
        handler(event);
    }
    return false;
}

AccessibleInfo FormHost::Describe(int control) const {
    if (control < 0 || control >= Count())
        return {};
    const Control& c = controls_[static_cast<std::size_t>(control)];
    if (c.drawn)
        return c.drawn->Describe();
    if (c.describe)
        return c.describe();
    AccessibleInfo info;
    info.name = c.spec.text;
    return info;
}

void FormHost::Discard() {
    if (discarded_)
        return;
    discarded_ = true;
    for (auto& timer : timers_)
        timer->SetEnabled(false);
    native_.Close();
}

} // namespace tarvenel

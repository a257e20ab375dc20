#pragma once
// A timer in memory, for the main window's restore timer that the countdown
// dialog switches on.
#include "app/controls.h"

namespace tarvenel::test {

class FakeTimer : public Timer {
public:
    explicit FakeTimer(int interval, bool enabled) : interval(interval), enabled(enabled) {}
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool value) override { enabled = value; }
    int Interval() const override { return interval; }
    int interval;
    bool enabled;
};

} // namespace tarvenel::test

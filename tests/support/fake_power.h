#pragma once
// A power requester that records what was asked of it and never acts, and a
// window that records being kept on top.
#include <stdexcept>
#include <vector>

#include "app/controls.h"
#include "power/power_action.h"

namespace tarvenel::test {

class FakePowerRequester : public PowerRequester {
public:
    PowerResult Request(PowerAction action) override {
        requests.push_back(action);
        return answer;
    }
    std::vector<PowerAction> requests;
    PowerResult answer{true, ""};
};

class FakeTopMost : public TopMostWindow {
public:
    void SetAlwaysOnTop(bool onTop) override {
        calls.push_back(onTop);
        if (fail)
            throw std::runtime_error("window gone");
    }
    std::vector<bool> calls;
    bool fail = false;
};

} // namespace tarvenel::test

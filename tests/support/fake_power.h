#pragma once
// A power requester that records what was asked of it and never acts.
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

} // namespace tarvenel::test

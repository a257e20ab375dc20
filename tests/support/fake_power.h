#pragma once
// A power system that records the calls made of it and never acts.
#include <stdexcept>
#include <string>
#include <vector>

#include "app/module1.h"
#include "power/frm_end.h"
#include "power/power_action.h"

namespace tarvenel::test {

class FakePowerSystem : public PowerSystem {
public:
    void ClearLastError() override { calls.push_back("ClearLastError"); }
    std::optional<Token> OpenOwnProcessToken(std::uint32_t access) override {
        calls.push_back("OpenOwnProcessToken " + std::to_string(access));
        if (failToken)
            return std::nullopt;
        return Token{42};
    }
    Luid LookupPrivilegeValue(const std::string& name) override {
        calls.push_back("LookupPrivilegeValue " + name);
        return Luid{19, 0};
    }
    void AdjustTokenPrivileges(Token token, bool disableAll, const TokenPrivileges& state,
                               std::uint32_t length) override {
        calls.push_back("AdjustTokenPrivileges " + std::to_string(token) + " " +
                        std::to_string(disableAll) + " " + std::to_string(state.privilegeCount) +
                        " " + std::to_string(state.luid.lowPart) + " " +
                        std::to_string(state.attributes) + " " + std::to_string(length));
    }
    void CloseToken(Token token) override {
        calls.push_back("CloseToken " + std::to_string(token));
    }
    PowerResult ExitWindows(std::uint32_t flags, std::uint32_t reason) override {
        calls.push_back("ExitWindows " + std::to_string(flags) + " " + std::to_string(reason));
        return refuse;
    }
    std::vector<std::string> calls;
    bool failToken = false;
    PowerResult refuse{true, ""};
};

class FakeVersion : public SystemVersion {
public:
    std::uint32_t GetVersion() override { return value; }
    std::uint32_t value = 0x1DB10106; // an NT family number
};

class FakeZOrder : public WindowZOrder {
public:
    void SetWindowPos(std::intptr_t insertAfter, int x, int y, int cx, int cy,
                      unsigned flags) override {
        calls.push_back({insertAfter, x, y, cx, cy, flags});
        if (fail)
            throw std::runtime_error("window gone");
    }
    struct Call {
        std::intptr_t insertAfter;
        int x, y, cx, cy;
        unsigned flags;
    };
    std::vector<Call> calls;
    bool fail = false;
};

} // namespace tarvenel::test

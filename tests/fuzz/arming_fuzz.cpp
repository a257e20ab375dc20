// Text typed into the six target selectors, some of the lists chosen, then
// the arm button: the window ends either armed with a real target at least
// 30 seconds ahead, or idle with a refusal, never in between.
#include <algorithm>
#include <cstdint>

#include "fuzz/fuzz_check.h"
#include "support/main_window_harness.h"

namespace tarvenel::fuzz {
namespace {

const CivilDateTime kNow{2026, 12, 7, 10, 0, 0};

bool IsRefusal(const std::string& text) {
    return text == "设定的关机时间必须在当前时间30秒以后！" ||
           text.starts_with("设定的关机时间无效！");
}

void CheckArmed(const test::MainWindowHarness& h) {
    const ScheduleState& s = h.frm.State();
    const CivilDateTime target{s.SetYear, s.SetMonth,  s.SetDay,
                               s.SetHour, s.SetMinute, s.SetSecond};
    FUZZ_CHECK(IsValid(target));
    FUZZ_CHECK(ToCivil(s.ShutTime) == target);
    FUZZ_CHECK(SecondsBetween(*ToDateTimeValue(kNow), s.ShutTime) >= 30);
    FUZZ_CHECK(!h["XPButton1"].enabled && h["XPButton2"].enabled && !h["XPButton3"].enabled);
    FUZZ_CHECK(h["Image1"].visible && !h.form.Visible());
    for (int list = 1; list <= 6; ++list)
        FUZZ_CHECK(!h["Combo" + std::to_string(list)].enabled);
}

void CheckIdle(const test::MainWindowHarness& h) {
    FUZZ_CHECK(IsRefusal(h.LastMessage()));
    FUZZ_CHECK(h["XPButton1"].enabled && !h["XPButton2"].enabled && h["XPButton3"].enabled);
    FUZZ_CHECK(!h["Image1"].visible && h.form.Visible());
    for (int list = 1; list <= 6; ++list)
        FUZZ_CHECK(h["Combo" + std::to_string(list)].enabled);
}

} // namespace
} // namespace tarvenel::fuzz

// Input: the six typed texts, one a line, year first; a seventh line lists
// the lists the user then picks from ('1' to '6', in order), each choosing
// the entry the text already names or, for a text no entry has, the first.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvenel;
    const auto lines = fuzz::Lines(data, size);
    test::MainWindowHarness h;
    h.settings.Seed("MsgOK", "0");
    h.LoadAt(fuzz::kNow);
    auto list = [](std::size_t i) { return "Combo" + std::to_string(i + 1); };
    for (std::size_t i = 0; i < 6 && i < lines.size(); ++i)
        h[list(i)].text = lines[i];
    if (lines.size() > 6) {
        for (char c : lines[6]) {
            if (c < '1' || c > '6')
                continue;
            const std::string chosen = list(static_cast<std::size_t>(c - '1'));
            const auto& entries = h[chosen].entries;
            const auto named = std::find(entries.begin(), entries.end(), h[chosen].text);
            h.Choose(chosen,
                     named == entries.end() ? 0 : static_cast<int>(named - entries.begin()));
        }
    }
    h.dialogs.shown.clear();
    h.frm.ArmSchedule();
    if (h.frm.State().IsArmed)
        fuzz::CheckArmed(h);
    else
        fuzz::CheckIdle(h);
    return 0;
}

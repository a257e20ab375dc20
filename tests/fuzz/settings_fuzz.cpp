// Whatever the settings store holds, start-up ends with the values the
// options are defined to take: a missing key its default, a whole number its
// value (a default time out of range its highest), anything that is not a
// number 0; the boxes and lists show those values, and reading writes nothing.
#include <charconv>
#include <cstdint>
#include <optional>

#include "fuzz/fuzz_check.h"
#include "support/main_window_harness.h"

namespace tarvenel::fuzz {
namespace {

struct Key {
    const char* name;
    int defaultValue;
    int highest; // 0 for an option flag
};
constexpr Key kKeys[] = {{"MsgOK", 1, 0},     {"AutoOK", 0, 0},    {"GuDingTime", 0, 0},
                         {"GuDingH", 23, 23}, {"GuDingM", 59, 59}, {"GuDingS", 59, 59}};

// What a stored text must give, where the answer is plain: a missing key,
// an optionally signed whole number (blanks around it allowed), or text with
// no digit at all. Nothing for the forms in between (fractions and the like).
std::optional<int> Expected(const Key& key, const std::optional<std::string>& stored) {
    if (!stored)
        return key.defaultValue;
    std::string_view t = *stored;
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    if (t.find_first_of("0123456789") == std::string_view::npos)
        return 0;
    if (!t.empty() && t.front() == '+') {
        t.remove_prefix(1);
        if (!t.empty() && t.front() == '-')
            return std::nullopt;
    }
    long value = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (error == std::errc::result_out_of_range)
        return 0;
    if (error != std::errc() || end != t.data() + t.size())
        return std::nullopt;
    if (value < -32768 || value > 32767)
        return 0;
    if (key.highest > 0 && (value < 0 || value > key.highest))
        return key.highest;
    return static_cast<int>(value);
}

} // namespace
} // namespace tarvenel::fuzz

// Input: one byte whose low six bits say which keys are stored (MsgOK first),
// then the stored texts one a line, in the same order.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvenel;
    if (size == 0)
        return 0;
    const auto lines = fuzz::Lines(data + 1, size - 1);
    test::MainWindowHarness h;
    std::optional<std::string> stored[6];
    for (std::size_t i = 0; i < 6; ++i) {
        if (!(data[0] >> i & 1))
            continue;
        stored[i] = i < lines.size() ? lines[i] : "";
        h.settings.Seed(fuzz::kKeys[i].name, *stored[i]);
    }
    h.LoadAt({2026, 12, 7, 10, 0, 0});

    const ScheduleState& s = h.frm.State();
    const int values[] = {s.MsgOKFlag,  s.AutoOKFlag,   s.GuDingTimeFlag,
                          s.GuDingHour, s.GuDingMinute, s.GuDingSecond};
    for (std::size_t i = 0; i < 6; ++i) {
        if (const auto expected = fuzz::Expected(fuzz::kKeys[i], stored[i]))
            FUZZ_CHECK(values[i] == *expected);
    }
    FUZZ_CHECK(s.GuDingHour >= 0 && s.GuDingHour <= 23);
    FUZZ_CHECK(s.GuDingMinute >= 0 && s.GuDingMinute <= 59);
    FUZZ_CHECK(s.GuDingSecond >= 0 && s.GuDingSecond <= 59);
    FUZZ_CHECK(h["Check2"].checked == (s.MsgOKFlag == 1));
    FUZZ_CHECK(h["Check3"].checked == (s.AutoOKFlag == 1));
    FUZZ_CHECK(h["Check4"].checked == (s.GuDingTimeFlag == 1));
    FUZZ_CHECK(h["Combo7"].text == std::to_string(s.GuDingHour) + "时");
    FUZZ_CHECK(h["Combo8"].text == std::to_string(s.GuDingMinute) + "分");
    FUZZ_CHECK(h["Combo9"].text == std::to_string(s.GuDingSecond) + "秒");
    if (s.GuDingTimeFlag == 1)
        FUZZ_CHECK(h["Combo4"].text == h["Combo7"].text && h["Combo5"].text == h["Combo8"].text &&
                   h["Combo6"].text == h["Combo9"].text);
    // Armed at start only from the default time: the current time is too soon.
    if (s.IsArmed)
        FUZZ_CHECK(s.AutoOKFlag == 1 && s.GuDingTimeFlag == 1);
    FUZZ_CHECK(h.settings.writes == 0);
    return 0;
}

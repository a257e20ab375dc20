#include "support/fake_services.h"

#include <stdexcept>

#include "app/version.h"

namespace tarvenel::test {

std::string FakeDateText::ShortDate(int y, int m, int d) {
    return std::to_string(y) + "/" + std::to_string(m) + "/" + std::to_string(d);
}

std::string FakeDateText::LongTime(int h, int m, int s) {
    auto two = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    return std::to_string(h) + ":" + two(m) + ":" + two(s);
}

std::optional<std::string> FakeSettings::Read(const std::string& app, const std::string& section,
                                              const std::string& key) {
    if (throwReads)
        throw std::runtime_error("settings store unavailable");
    auto it = values.find({app, section, key});
    if (it == values.end())
        return std::nullopt;
    return it->second;
}

bool FakeSettings::Write(const std::string& app, const std::string& section, const std::string& key,
                         const std::string& text) {
    ++writes;
    if (failWrites)
        return false;
    values[{app, section, key}] = text;
    return true;
}

void FakeSettings::Seed(const std::string& key, const std::string& text) {
    values[{kAppTitle, kSettingsSection, key}] = text;
}

std::optional<std::string> FakeSettings::Stored(const std::string& key) const {
    auto it = values.find({kAppTitle, kSettingsSection, key});
    if (it == values.end())
        return std::nullopt;
    return it->second;
}

int FakeDialogs::MessageBox(const std::string& text, int style, const std::string& caption) {
    shown.push_back({text, style, caption});
    if (onShow)
        onShow(shown.back());
    if (answers.empty())
        return mb::kAnswerOk;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

StartupResult FakeStartupList::Switch(bool value) {
    if (failWrites)
        return {false, "拒绝访问。"};
    on = value;
    return {};
}

bool FakeNotifyIcon::Add(const std::string& text) {
    ++adds;
    if (refuse)
        return false;
    present = true;
    tip = text;
    return true;
}

} // namespace tarvenel::test

#pragma once
// In-memory operating-system services for driving the forms' logic in tests.
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "app/dialogs.h"
#include "app/screen.h"
#include "power/countdown_window.h"
#include "preferences/settings.h"
#include "preferences/startup_list.h"
#include "preferences/url_opener.h"
#include "scheduler/clock.h"
#include "scheduler/frm_main.h"
#include "shell/notify_icon.h"

namespace tarvenel::test {

class FakeClock : public Clock {
public:
    CivilDateTime Now() override { return ToCivil(now); }
    void Set(const CivilDateTime& t) { now = *ToDateTimeValue(t); }
    void Advance(int seconds) { now += seconds / 86400.0; }
    DateTimeValue now = 0;
};

class FakeDateText : public DateTimeText {
public:
    std::string ShortDate(int y, int m, int d) override;
    std::string LongTime(int h, int m, int s) override;
};

class FakeSettings : public SettingsStore {
public:
    std::optional<std::string> Read(const std::string& app, const std::string& section,
                                    const std::string& key) override;
    bool Write(const std::string& app, const std::string& section, const std::string& key,
               const std::string& text) override;
    // Seeds a value under the program's own application and section.
    void Seed(const std::string& key, const std::string& text);
    std::optional<std::string> Stored(const std::string& key) const;

    std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
    int writes = 0;
    bool failWrites = false;
    bool throwReads = false; // a store that breaks down while being read
};

struct ShownMessage {
    std::string text;
    int style;
    std::string caption;
};

class FakeDialogs : public Dialogs {
public:
    int MessageBox(const std::string& text, int style, const std::string& caption) override;
    // Runs while the message is up, before it returns (to check what was
    // true at that moment).
    std::function<void(const ShownMessage&)> onShow;
    std::deque<int> answers; // next answers; OK when empty
    std::vector<ShownMessage> shown;
};

class FakeStartupList : public StartupList {
public:
    bool IsOn() override { return on; }
    StartupResult Switch(bool value) override;
    bool on = false;
    bool failWrites = false;
};

class FakeNotifyIcon : public NotifyIcon {
public:
    bool Add(const std::string& tip) override;
    void Remove() override { present = false; }
    bool present = false;
    bool refuse = false;
    std::string tip;
    int adds = 0;
};

class FakeCountdown : public CountdownWindow {
public:
    void Show() override {
        ++shown;
        if (onShow)
            onShow();
    }
    void Close() override {
        ++closed;
        if (onClose)
            onClose();
    }
    int Count() const override { return count; }
    std::function<void()> onShow;  // e.g. loads a countdown dialog
    std::function<void()> onClose; // e.g. unloads it
    int shown = 0;
    int closed = 0;
    int count = -1; // what the dialog shows; -1: none is loaded
};

class FakeUrlOpener : public UrlOpener {
public:
    void Open(const std::string& url) override { opened.push_back(url); }
    std::vector<std::string> opened;
};

class FakeExit : public ProgramExit {
public:
    void End() override { ++ended; }
    int ended = 0;
};

class FakeScreen : public Screen {
public:
    TwipsRect Area() const override { return {left, top, width, height}; }
    int left = 0;
    int top = 0;
    int width = 1920 * 15;
    int height = 1080 * 15;
};

} // namespace tarvenel::test

#include <gtest/gtest.h>

#include <deque>

#include "app/version.h"
#include "scheduler/arming_text.h"
#include "scheduler/command_client.h"
#include "support/main_window_harness.h"

namespace tarvenel::test {
namespace {

using Args = std::vector<std::string>;

// Every form the command line accepts, in its canonical spelling, and the
// wrong ones (an empty expectation).
TEST(CommandLine, ParsesEveryFormAndRefusesTheWrongOnes) {
    struct Case {
        Args args;
        Args canonical; // empty: bad usage
    };
    const Case cases[] = {
        {{"--at", "2026-12-07 18:00:00"}, {"--at", "2026-12-07 18:00:00"}},
        {{"--at=2026-12-7 8:05"}, {"--at", "2026-12-07 08:05:00"}},
        {{"--at", "2026-04-31 10:00"}, {"--at", "2026-04-31 10:00:00"}}, // arming refuses it
        {{"--at", "23:30"}, {"--at", "23:30:00"}},
        {{"--at", "7:05:09"}, {"--at", "07:05:09"}},
        {{"--at", "0:00"}, {"--at", "00:00:00"}},
        {{"--in", "90m"}, {"--in", "90m"}},
        {{"--in=120s"}, {"--in", "2m"}},
        {{"--in", "2h"}, {"--in", "2h"}},
        {{"--in", "0s"}, {"--in", "0s"}}, // arming refuses it
        {{"--cancel"}, {"--cancel"}},
        {{"--status"}, {"--status"}},
        {{"--help"}, {"--help"}},
        {{"-h"}, {"--help"}},
        {{"--version"}, {"--version"}},
        // Wrong ones.
        {{"--at"}, {}},
        {{"--at", ""}, {}},
        {{"--at", "24:00"}, {}},
        {{"--at", "12:60"}, {}},
        {{"--at", "12:00:60"}, {}},
        {{"--at", "12:5"}, {}},
        {{"--at", "123:00"}, {}},
        {{"--at", "12:00 "}, {}},
        {{"--at", "2026-13-01 10:00"}, {}},
        {{"--at", "2026-12-00 10:00"}, {}},
        {{"--at", "2026-12-07"}, {}},
        {{"--at", "26-12-07 10:00"}, {}},
        {{"--at", "2026-12-07T10:00"}, {}},
        {{"--at", "tomorrow"}, {}},
        {{"--in"}, {}},
        {{"--in", "90"}, {}},
        {{"--in", "m"}, {}},
        {{"--in", "-5m"}, {}},
        {{"--in", "5d"}, {}},
        {{"--in", "5 m"}, {}},
        {{"--in", "1234567890s"}, {}},
        {{"--cancel", "now"}, {}},
        {{"--status=1"}, {}},
        {{"--at", "10:00", "--cancel"}, {}},
        {{"--bogus"}, {}},
        {{"status"}, {}},
        {{""}, {}},
    };
    for (const Case& c : cases) {
        const Command command = ParseCommandLine(c.args);
        const std::string shown = c.args.empty() ? "" : c.args[0];
        if (c.canonical.empty()) {
            EXPECT_FALSE(command.error.empty()) << shown;
        } else {
            EXPECT_EQ(command.error, "") << shown;
            EXPECT_EQ(ArgumentsOf(command), c.canonical) << shown;
        }
    }
    EXPECT_EQ(ParseCommandLine({}).kind, CommandKind::Window);
}

TEST(CommandLine, TimeOfDayIsTodayOrTomorrowAndAWhileCountsFromNow) {
    struct Case {
        Args args;
        CivilDateTime now, expected;
    };
    const Case cases[] = {
        {{"--at", "23:30"}, {2026, 12, 7, 18, 0, 0}, {2026, 12, 7, 23, 30, 0}},
        {{"--at", "18:00:00"}, {2026, 12, 7, 18, 0, 0}, {2026, 12, 7, 18, 0, 0}}, // not past yet
        {{"--at", "17:59:59"}, {2026, 12, 7, 18, 0, 0}, {2026, 12, 8, 17, 59, 59}},
        {{"--at", "0:10"}, {2026, 12, 31, 23, 0, 0}, {2027, 1, 1, 0, 10, 0}},
        {{"--at", "0:10"}, {2028, 2, 28, 23, 0, 0}, {2028, 2, 29, 0, 10, 0}},
        {{"--in", "90m"}, {2026, 12, 31, 23, 0, 0}, {2027, 1, 1, 0, 30, 0}},
        {{"--in", "45s"}, {2026, 12, 7, 18, 0, 30}, {2026, 12, 7, 18, 1, 15}},
        {{"--at", "2025-01-01 00:00"}, {2026, 12, 7, 18, 0, 0}, {2025, 1, 1, 0, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResolveTarget(ParseCommandLine(c.args).target, c.now), c.expected) << c.args[1];
}

TEST(CommandProtocol, RequestsRoundTripAndMalformedOnesAreRefused) {
    for (const Args& args : {Args{"--at", "2026-12-07 18:00:00"}, Args{"--at", "23:30:00"},
                             Args{"--in", "90m"}, Args{"--cancel"}, Args{"--status"}}) {
        const std::string request = EncodeRequest(ParseCommandLine(args));
        EXPECT_EQ(FrameRequest(request), Framing::Complete);
        EXPECT_EQ(FrameRequest(request.substr(0, request.size() - 1)), Framing::Incomplete);
        const auto decoded = DecodeRequest(request);
        ASSERT_TRUE(decoded) << args[0];
        EXPECT_EQ(ArgumentsOf(*decoded), args);
    }
    EXPECT_EQ(EncodeRequest(ParseCommandLine({"--status"})), "TARVENEL/1\n--status\n\n");

    const std::string malformed[] = {
        "",
        "TARVENEL/1\n--status\n",             // not finished
        "TARVENEL/1\n\n",                     // nothing asked
        "TARVENEL/2\n--status\n\n",           // another protocol
        "--status\n\n",                       // no magic line
        "TARVENEL/1\n--status\n\n--cancel\n", // more after the end
        "TARVENEL/1\n--status\r\n\n",
        std::string("TARVENEL/1\n--st\0tus\n\n", 21),
        "TARVENEL/1\n--at\n23:30\n\n23:30\n\n",
        "TARVENEL/1\n--at\n２３:30\n\n",
        "TARVENEL/1\n--help\n\n", // only a terminal is told that
        "TARVENEL/1\n--version\n\n",
        "TARVENEL/1\n--at\n24:00\n\n",
        "TARVENEL/1\n--in\n90m\n--in\n5m\n\n",
        "TARVENEL/1\n--status\n" + std::string(kMaxRequestBytes, 'x') + "\n\n",
    };
    for (const std::string& request : malformed)
        EXPECT_FALSE(DecodeRequest(request)) << request;
    // A stream that grows past the limit is refused before it ends.
    EXPECT_EQ(FrameRequest("TARVENEL/1\n" + std::string(kMaxRequestBytes, '-')),
              Framing::Malformed);
    EXPECT_EQ(FrameRequest("TARVENEL/1\n--st\x01"), Framing::Malformed);
}

TEST(CommandProtocol, RepliesRoundTripAndJunkIsNoReply) {
    const CommandReply replies[] = {
        {0, "armed 2026-12-07 18:00:00\n", ""},
        {1, "", std::string(kTooSoon) + "\nrefused: too soon\n"},
        {3, "", "没有正在运行的 Tarvenel。\n\nno running copy\n"},
    };
    for (const CommandReply& reply : replies)
        EXPECT_EQ(DecodeReply(EncodeReply(reply)), reply) << reply.out << reply.err;
    for (const char* junk : {"", "TARVENEL/1\n0\n", "TARVENEL/1\n7\n\n", "TARVENEL/1\n\n",
                             "TARVENEL/1\n0\nx idle\n\n", "TARVENEL/1\n0\no idle\n\nmore"})
        EXPECT_FALSE(DecodeReply(junk)) << junk;
    EXPECT_FALSE(DecodeReply(EncodeReply({0, std::string(kMaxReplyBytes, 'x'), ""})));
}

// The running copy's answers, against the window's logic.
struct Running : MainWindowHarness {
    Running() {
        settings.Seed("MsgOK", "1"); // the confirmation box must stay away all the same
        LoadAt({2026, 12, 7, 18, 0, 0});
    }
    CommandReply Ask(const Args& args) { return frm.AnswerCommand(ParseCommandLine(args)); }
};

TEST(CommandAnswer, ArmStatusCancelGoTheWindowsOwnWay) {
    Running h;
    EXPECT_EQ(h.Ask({"--status"}), (CommandReply{0, "idle\n", ""}));

    EXPECT_EQ(h.Ask({"--in", "40s"}), (CommandReply{0, "armed 2026-12-07 18:00:40\n", ""}));
    EXPECT_TRUE(h.frm.State().IsArmed);
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_FALSE(h.form.Visible()); // hidden behind the icon, as the arm button does
    EXPECT_TRUE(h.notifyIcon.present);
    EXPECT_EQ(h["Label1"].text, "设定关机时间：2026年12月7日18时0分40秒");
    EXPECT_FALSE(h["XPButton1"].enabled);
    EXPECT_FALSE(h["Combo4"].enabled);
    EXPECT_TRUE(h["Image1"].visible);
    EXPECT_EQ(h.Ask({"--status"}).out, "armed 2026-12-07 18:00:40\n");

    // Armed: the arm button is disabled, and so is a second arming.
    const CommandReply again = h.Ask({"--at", "19:00"});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_EQ(again.err, "已经设定了定时关机（关机时间：2026-12-07 18:00:40），请先取消。\n"
                         "refused: already armed for 2026-12-07 18:00:40; cancel first\n");
    EXPECT_EQ(h.Ask({"--status"}).out, "armed 2026-12-07 18:00:40\n");

    EXPECT_EQ(h.Ask({"--cancel"}), (CommandReply{0, "idle\n", ""}));
    EXPECT_FALSE(h.frm.State().IsArmed);
    EXPECT_TRUE(h["XPButton1"].enabled);
    EXPECT_TRUE(h["Combo4"].enabled);
    EXPECT_FALSE(h["Image1"].visible);
    EXPECT_EQ(h.Ask({"--cancel"}), (CommandReply{0, "idle\n", ""})); // nothing to cancel
    EXPECT_TRUE(h.dialogs.shown.empty());

    // Armed for the next day at a time of day that has passed.
    EXPECT_EQ(h.Ask({"--at", "7:30"}).out, "armed 2026-12-08 07:30:00\n");
    EXPECT_EQ(h["Combo3"].text, "8日");
}

TEST(CommandAnswer, RefusalsAndJunkChangeNothing) {
    Running h;
    h["Combo4"].text = "20时"; // the user's own choice in the lists
    const std::string caption = h["Label1"].text;
    struct Case {
        Args args;
        std::string err;
    };
    const Case cases[] = {
        {{"--in", "29s"},
         std::string(kTooSoon) + "\nrefused: 2026-12-07 18:00:29 is less than 30 seconds ahead\n"},
        {{"--at", "18:00:10"},
         std::string(kTooSoon) + "\nrefused: 2026-12-07 18:00:10 is less than 30 seconds ahead\n"},
        {{"--at", "2026-12-01 12:00"},
         std::string(kTooSoon) + "\nrefused: 2026-12-01 12:00:00 is less than 30 seconds ahead\n"},
        {{"--at", "2027-02-29 12:00"},
         std::string(kInvalidTarget) +
             "\nrefused: 2027-02-29 12:00:00 is no valid date and time\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(h.Ask(c.args), (CommandReply{1, "", c.err})) << c.args[1];
        EXPECT_FALSE(h.frm.State().IsArmed);
    }
    // Past the year 9999: the date the window's lists cannot hold either.
    const CommandReply far = h.Ask({"--in", "999999999h"});
    EXPECT_EQ(far.exitCode, 1);
    EXPECT_TRUE(far.err.starts_with(std::string(kInvalidTarget) + "\nrefused: ")) << far.err;
    // Junk over the channel: refused as such, and no box either.
    for (const char* junk : {"TARVENEL/1\n--in\n40\n\n", "TARVENEL/1\n--in\n40s\n",
                             "GET / HTTP/1.1\n\n", "TARVENEL/1\n--in\n40s\n\n\n"})
        EXPECT_EQ(DecodeReply(h.frm.AnswerRequest(junk)),
                  (CommandReply{2, "", "请求无效。\nbad request\n"}));
    EXPECT_FALSE(h.frm.State().IsArmed);
    EXPECT_EQ(h["Combo4"].text, "20时");
    EXPECT_EQ(h["Label1"].text, caption);
    EXPECT_TRUE(h["XPButton1"].enabled);
    EXPECT_FALSE(h["XPButton2"].enabled);
    EXPECT_TRUE(h.form.Visible());
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(DecodeReply(h.frm.AnswerRequest("TARVENEL/1\n--in\n40s\n\n"))->exitCode, 0);
}

TEST(CommandAnswer, CountdownIsReportedAndStoppedAsByTheCancelButton) {
    Running h;
    h.countdown.onShow = [&] { h.countdown.count = 10; };
    h.countdown.onClose = [&] {
        h.countdown.count = -1;
        h.Timer2.SetEnabled(true); // the dialog's unload starts the restore
    };
    ASSERT_EQ(h.Ask({"--in", "30s"}).exitCode, 0);
    h.RunClock(30);
    ASSERT_EQ(h.countdown.shown, 1);
    h.countdown.count = 7;
    EXPECT_EQ(h.Ask({"--status"}).out, "counting 7\n");
    EXPECT_EQ(h.Ask({"--in", "5m"}).err,
              "关机倒计时正在进行，请先取消。\nrefused: the countdown is running; cancel first\n");

    EXPECT_EQ(h.Ask({"--cancel"}), (CommandReply{0, "idle\n", ""}));
    EXPECT_EQ(h.countdown.closed, 1);
    EXPECT_FALSE(h.frm.State().IsArmed);
    h.frm.RestoreAfterCancel(); // Timer2's tick, as after the dialog's own cancel
    EXPECT_TRUE(h.form.Visible());
    EXPECT_TRUE(h.ClockRunning());
}

TEST(CommandAnswer, ArmingWaitsWhileABoxOfTheWindowIsUp) {
    // A refused arming shows its box and cancels when it is closed; a script's
    // arming in between would be undone behind its back.
    Running h;
    CommandReply during, cancelDuring;
    h.dialogs.onShow = [&](const ShownMessage&) {
        during = h.Ask({"--in", "1h"});
        cancelDuring = h.Ask({"--cancel"});
    };
    h.frm.ArmSchedule(); // the lists still say now: too soon
    EXPECT_EQ(h.LastMessage(), kTooSoon);
    EXPECT_EQ(during.exitCode, 1);
    EXPECT_EQ(during.err, "Tarvenel 的窗口正在等待回答，请先关闭对话框。\n"
                          "refused: a message box of the running copy awaits an answer\n");
    EXPECT_EQ(cancelDuring, (CommandReply{0, "idle\n", ""})); // cancelling is always safe
    h.dialogs.onShow = nullptr;
    EXPECT_EQ(h.Ask({"--in", "1h"}).exitCode, 0);
}

// A desktop without a notification area: the window goes to the taskbar, a
// box says why once a run, and nothing the command line asks waits for it.
TEST(CommandAnswer, WithoutANotificationAreaNothingWaitsAndTheWarningComesOnce) {
    const std::string warning = "无法在通知区域显示程序图标，窗口将最小化到任务栏。";
    Running h;
    h.notifyIcon.refuse = true;
    const CommandReply armed = h.Ask({"--in", "10m"});
    EXPECT_EQ(armed.exitCode, 0);
    EXPECT_EQ(armed.out, "armed 2026-12-07 18:10:00\n");
    EXPECT_NE(armed.err.find("note: no notification area"), std::string::npos) << armed.err;
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(h.native.state, WindowState::Minimised);
    EXPECT_EQ(h.Ask({"--status"}).out, "armed 2026-12-07 18:10:00\n");

    // Armed by the button, twice (each with its confirmation): one warning
    // in all.
    for (int arming = 0; arming < 2; ++arming) {
        ASSERT_EQ(h.Ask({"--cancel"}).exitCode, 0);
        h.native.state = WindowState::Normal;
        h["Combo4"].text = "19时";
        h.frm.ArmSchedule();
        EXPECT_TRUE(h.frm.State().IsArmed);
        EXPECT_EQ(h.native.state, WindowState::Minimised);
    }
    ASSERT_EQ(h.dialogs.shown.size(), 3u);
    EXPECT_EQ(h.dialogs.shown[1].text, warning);
    EXPECT_NE(h.dialogs.shown[2].text, warning);
}

TEST(CommandAnswer, ACancelWhileAnArmingsBoxIsUpLeavesTheWindowIdle) {
    // The confirmation box, and the warning about the missing notification
    // area: cancelled from the command line while each is up, the window
    // stays idle where it is and no other box follows.
    for (const bool icon : {true, false}) {
        Running h; // the confirmation box is on
        h.notifyIcon.refuse = !icon;
        h.dialogs.onShow = [&](const ShownMessage& shown) {
            if (icon || shown.text.starts_with("无法在通知区域")) {
                EXPECT_EQ(h.Ask({"--cancel"}), (CommandReply{0, "idle\n", ""}));
            }
        };
        h["Combo4"].text = "19时";
        h.frm.ArmSchedule();
        EXPECT_FALSE(h.frm.State().IsArmed);
        EXPECT_TRUE(h.form.Visible());
        EXPECT_EQ(h.native.state, WindowState::Normal);
        EXPECT_EQ(h.dialogs.shown.size(), icon ? 1u : 2u);
        EXPECT_EQ(h.LastMessage().find("请在设定好关机时间后"), std::string::npos);
        EXPECT_TRUE(h["XPButton1"].enabled);
    }
}

// The command line's side, over a channel in memory.
struct FakeChannel : CommandChannel {
    bool Reachable() override { return running != nullptr; }
    std::optional<std::string> Exchange(const std::string& request, int timeoutMs) override {
        requests.push_back(request);
        EXPECT_GE(timeoutMs, 10000); // a busy copy gets its time
        if (!running)
            return std::nullopt;
        return answers.empty() ? running->frm.AnswerRequest(request) : answers.front();
    }
    std::function<bool()> StartCopy() override {
        ++starts;
        if (!startable)
            return nullptr;
        return [this] {
            // It comes up after a few knocks, or ends, or never answers.
            if (++knocks == upAfter)
                running = &started;
            return !endsAt || knocks < endsAt;
        };
    }
    void Pause(int ms) override { paused += ms; }

    Running* running = nullptr;
    Running started;
    bool startable = true;
    int upAfter = 3; // 0: never
    int endsAt = 0;  // 0: never
    int starts = 0, knocks = 0, paused = 0;
    std::deque<std::string> answers; // instead of the running copy's
    std::vector<std::string> requests;
};

TEST(CommandClient, AnswersLocallyAsksTheCopyAndStartsOneToArm) {
    FakeChannel channel;
    EXPECT_EQ(RunCommandLine({"--version"}, channel),
              (CommandReply{0, TitleWithVersion() + "\n", ""}));
    EXPECT_EQ(RunCommandLine({"--help"}, channel).out, CommandLineHelp());
    const CommandReply usage = RunCommandLine({"--in", "5d"}, channel);
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_NE(usage.err.find("usage: '5d'"), std::string::npos) << usage.err;
    EXPECT_TRUE(channel.requests.empty());

    for (const char* ask : {"--status", "--cancel"}) {
        EXPECT_EQ(
            RunCommandLine({ask}, channel),
            (CommandReply{3, "", "没有正在运行的 Tarvenel。\nno running copy of Tarvenel\n"}));
    }
    EXPECT_EQ(channel.starts, 0);

    // A copy that cannot start, ends before it answers, or never answers.
    channel.startable = false;
    EXPECT_EQ(RunCommandLine({"--in", "5m"}, channel).exitCode, 3);
    channel.startable = true;
    channel.upAfter = 0;
    channel.endsAt = 2;
    EXPECT_EQ(RunCommandLine({"--in", "5m"}, channel).exitCode, 3);
    EXPECT_LT(channel.paused, 1000); // no waiting on a copy that has ended
    channel.endsAt = 0;
    channel.knocks = channel.paused = 0;
    EXPECT_EQ(RunCommandLine({"--in", "5m"}, channel).exitCode, 3);
    EXPECT_GE(channel.paused, 15000); // a slow machine's copy gets its time
    EXPECT_LE(channel.paused, 30000);

    channel.upAfter = 3;
    channel.knocks = 0;
    EXPECT_EQ(RunCommandLine({"--in", "5m"}, channel),
              (CommandReply{0, "armed 2026-12-07 18:05:00\n", ""}));
    EXPECT_EQ(channel.starts, 4);
    EXPECT_EQ(RunCommandLine({"--status"}, channel).out, "armed 2026-12-07 18:05:00\n");
    EXPECT_EQ(channel.starts, 4);

    channel.answers = {"HTTP/1.1 200 OK\n\n"}; // someone else's server
    EXPECT_EQ(RunCommandLine({"--status"}, channel).exitCode, 1);
}

} // namespace
} // namespace tarvenel::test

// The running copy's answers to the command line.
#include "scheduler/arming_text.h"
#include "scheduler/frm_main.h"

namespace tarvenel {
namespace {

// The program's own words first, then one line a script can match.
CommandReply Refused(const std::string& reason, const std::string& english) {
    return {exit_code::kRefused, "", reason + "\n" + "refused: " + english + "\n"};
}

} // namespace

std::string FrmMain::StatusLine() const {
    if (const int count = s_.countdown.Count(); count >= 0)
        return "counting " + std::to_string(count) + "\n";
    if (state_.IsArmed)
        return "armed " + FormatDateTime(ToCivil(state_.ShutTime)) + "\n";
    return "idle\n";
}

CommandReply FrmMain::AnswerCommand(const Command& command) {
    switch (command.kind) {
    case CommandKind::At:
    case CommandKind::In:
        return ArmFromCommand(command.target);
    case CommandKind::Cancel:
        // Safe whatever else is going on, a message box waiting included:
        // it only ever leaves the window idle. When idle there is nothing to
        // do, and the focus stays where the user has it.
        if (state_.IsArmed || s_.countdown.Count() >= 0)
            CancelSchedule();
        return {exit_code::kDone, StatusLine(), ""};
    case CommandKind::Status:
        return {exit_code::kDone, StatusLine(), ""};
    case CommandKind::Window:
    case CommandKind::Help:
    case CommandKind::Version:
        break;
    }
    return {exit_code::kUsage, "", "请求无效。\nbad request\n"};
}

CommandReply FrmMain::ArmFromCommand(const CommandTarget& commandTarget) {
    // The arm button is disabled while armed or counting down; so is this.
    if (s_.countdown.Count() >= 0)
        return Refused("关机倒计时正在进行，请先取消。", "the countdown is running; cancel first");
    if (state_.IsArmed) {
        const std::string when = FormatDateTime(ToCivil(state_.ShutTime));
        return Refused("已经设定了定时关机（关机时间：" + when + "），请先取消。",
                       "already armed for " + when + "; cancel first");
    }
    // A box of the window waits for an answer, and the handler that showed
    // it goes on once it is closed: arming now could be undone behind the
    // script's back (a refused arming cancels after its message).
    if (dialogs_.AnyOpen())
        return Refused("Tarvenel 的窗口正在等待回答，请先关闭对话框。",
                       "a message box of the running copy awaits an answer");

    const CivilDateTime now = s_.clock.Now();
    const CivilDateTime target = ResolveTarget(commandTarget, now);
    const std::string when = FormatDateTime(target);
    const auto shutTime = ToDateTimeValue(target);
    switch (Judge(shutTime, now)) {
    case Verdict::Invalid:
        return Refused(kInvalidTarget, when + " is no valid date and time");
    case Verdict::TooSoon:
        return Refused(kTooSoon, when + " is less than 30 seconds ahead");
    case Verdict::Accepted:
        break;
    }
    // As if the user had chosen the target in the lists and pressed the arm
    // button, minus the boxes: the terminal is told instead.
    BeginArming();
    selectors_.Show(target);
    std::string note;
    if (Accept(*shutTime, ArmedBy::CommandLine) == Hidden::Minimised)
        note = "无法在通知区域显示程序图标，窗口已最小化到任务栏。\nnote: no notification area; "
               "the window was minimised to the taskbar\n";
    return {exit_code::kDone, StatusLine(), note};
}

std::string FrmMain::AnswerRequest(std::string_view request) {
    const auto command = DecodeRequest(request);
    if (!command)
        return EncodeReply({exit_code::kUsage, "", "请求无效。\nbad request\n"});
    return EncodeReply(AnswerCommand(*command));
}

} // namespace tarvenel

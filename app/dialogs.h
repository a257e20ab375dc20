#pragma once
// Modal message boxes. Styles and answers use the classic message-box numbers
// so that every front end maps them the same way.
#include <string>

namespace tarvenel {

namespace mb {
constexpr int kOk = 0x0;
constexpr int kYesNoCancel = 0x3;
constexpr int kIconError = 0x10;
constexpr int kIconQuestion = 0x20;
constexpr int kIconExclamation = 0x30;
constexpr int kIconInformation = 0x40;
constexpr int kDefaultButton2 = 0x100;

constexpr int kAnswerOk = 1;
constexpr int kAnswerCancel = 2;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;
} // namespace mb

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows the message and waits for the answer (one of mb::kAnswer*).
    virtual int MessageBox(const std::string& text, int style, const std::string& caption) = 0;
};

} // namespace tarvenel

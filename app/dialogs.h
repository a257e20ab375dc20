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

// Counts the boxes that are up. A box's loop keeps delivering the program's
// other events, so a request from outside can arrive while a handler waits
// for an answer; this tells it so.
class CountedDialogs : public Dialogs {
public:
    explicit CountedDialogs(Dialogs& inner) : inner_(inner) {}
    int MessageBox(const std::string& text, int style, const std::string& caption) override {
        struct Up {
            int& open;
            explicit Up(int& o) : open(++o) {}
            ~Up() { --open; }
        } up(open_);
        return inner_.MessageBox(text, style, caption);
    }
    bool AnyOpen() const { return open_ > 0; }

private:
    Dialogs& inner_;
    int open_ = 0;
};

} // namespace tarvenel

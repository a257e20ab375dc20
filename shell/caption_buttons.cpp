// The caption's minimise and close images, and the exit question.
#include "app/version.h"
#include "scheduler/frm_main.h"

namespace tarvenel {
namespace {

constexpr int kWmLButtonUp = 0x202;

void HoverOver(auto& caption) {
    if (caption.tag.empty()) {
        caption.image.ShowFace(ImageFace::Hover);
        caption.tag = "1";
    }
}

void Release(auto& caption) {
    caption.image.ShowFace(ImageFace::None);
    caption.tag.clear();
}

} // namespace

void FrmMain::Immin_MouseMove(int, int, float, float) {
    HoverOver(immin_);
}
void FrmMain::Immin_MouseDown(int, int, float, float) {
    c_.Immin.ShowFace(ImageFace::Pressed);
}
void FrmMain::Immin_MouseUp(int, int, float, float) {
    Release(immin_);
}
void FrmMain::Imclose_MouseMove(int, int, float, float) {
    HoverOver(imclose_);
}
void FrmMain::Imclose_MouseDown(int, int, float, float) {
    c_.Imclose.ShowFace(ImageFace::Pressed);
}
void FrmMain::Imclose_MouseUp(int, int, float, float) {
    Release(imclose_);
}

void FrmMain::ResetCaptionHover() {
    for (CaptionImage* caption : {&imclose_, &immin_})
        if (!caption->tag.empty())
            Release(*caption);
}

void FrmMain::IMBar_MouseMove(int, int, float, float) {
    ResetCaptionHover();
}

void FrmMain::Form_MouseMove(int, int, float x, float) {
    ResetCaptionHover();
    // The window is far narrower than 514 pixels, so real moves never match.
    const float message = x / static_cast<float>(s_.screen.TwipsPerPixelX());
    if (message == static_cast<float>(kWmLButtonUp))
        c_.form.Restore(); // where the user left it, not re-centred
}

void FrmMain::Imclose_Click() {
    const int answer = s_.dialogs.MessageBox(
        "你确定要退出程序吗？\r\n选择按钮“否”将最小化窗口。",
        mb::kYesNoCancel | mb::kIconQuestion | mb::kDefaultButton2, kAppTitle);
    if (answer == mb::kAnswerYes) {
        Form_QueryUnload();
        s_.exit.End();
    } else if (answer == mb::kAnswerNo) {
        Immin_Click();
    }
}

} // namespace tarvenel

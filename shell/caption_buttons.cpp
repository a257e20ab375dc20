#include "shell/caption_buttons.h"

#include "app/version.h"

namespace tarvenel {

void CaptionButtons::HoverOver(Image& image) {
    if (image.tag.empty()) {
        image.image.ShowFace(ImageFace::Hover);
        image.tag = "1";
    }
}

void CaptionButtons::Release(Image& image) {
    image.image.ShowFace(ImageFace::None);
    image.tag.clear();
}

void CaptionButtons::ResetHover() {
    for (Image* image : {&imclose_, &immin_})
        if (!image->tag.empty())
            Release(*image);
}

void CaptionButtons::Imclose_Click() {
    const int answer =
        dialogs_.MessageBox("你确定要退出程序吗？\r\n选择按钮“否”将最小化窗口。",
                            mb::kYesNoCancel | mb::kIconQuestion | mb::kDefaultButton2, kAppTitle);
    if (answer == mb::kAnswerYes) {
        notifyArea_.RemoveIcon();
        exit_.End();
    } else if (answer == mb::kAnswerNo) {
        notifyArea_.HideToIcon();
    }
}

} // namespace tarvenel

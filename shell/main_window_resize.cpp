// The main window's resize handler and its drag handlers.
#include "app/font.h"
#include "raster/png.h"
#include "resources/artwork.h"
#include "scheduler/frm_main.h"

namespace tarvenel {
namespace {

// The caption bar's text: the form's font, bold so it reads on the blue bar.
FontSpec CaptionFont() {
    FontSpec font;
    font.weight = 700;
    return font;
}

} // namespace

void FrmMain::Form_Resize() {
    if (skin_.Empty())
        skin_ = DecodePng(ArtworkPng(Artwork::Skin));
    if (icon_.Empty())
        icon_ = DecodePng(ArtworkPng(Artwork::Icon16));
    const MainWindowResizeInput input{c_.form.Width(),
                                      c_.form.Height(),
                                      c_.LbBR.Width(),
                                      c_.LbBR.Height(),
                                      skin_,
                                      icon_,
                                      CaptionFont(),
                                      c_.form.Caption(),
                                      static_cast<double>(s_.screen.WidthTwips()),
                                      static_cast<double>(s_.screen.HeightTwips())};
    ResizeMainWindow(input, winPosition_, s_.surface, s_.text);
}

void FrmMain::Form_MouseDown(int button, int, float, float) {
    DragOnMouseDown(button, s_.mover);
}
void FrmMain::IMBar_MouseDown(int button, int, float, float) {
    DragOnMouseDown(button, s_.mover);
}
void FrmMain::Image1_MouseDown(int button, int, float, float) {
    DragOnMouseDown(button, s_.mover);
}
void FrmMain::Label0_MouseDown(int button, int, float, float) {
    DragOnMouseDown(button, s_.mover);
}
void FrmMain::Label1_MouseDown(int button, int, float, float) {
    DragOnMouseDown(button, s_.mover);
}

} // namespace tarvenel

#include "scheduler/main_form.h"

#include "raster/png.h"
#include "resources/artwork.h"
#include "scheduler/frm_main_accessible.h"
#include "scheduler/frm_main_design.h"

namespace tarvenel {
namespace {

namespace design = frm_main_design;

Bitmap ArtworkPicture(Artwork which) {
    return DecodePng(ArtworkPng(which));
}

} // namespace

MainForm::MainForm(NativeForm& native, const SystemServices& services, NotifyIcon& notifyIcon,
                   TextRenderer& text)
    : host_(native), exit_(services.exit), container_(design::kBackColour),
      stripWidth_(design::kIMBar.rect.width) {
    Declare();
    host_.MakeAll();
    const TwipsRect screen = services.screen.Area();
    static const auto stored = MainWindowButtons();
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i] = std::make_unique<FormButton>(
            host_, buttonIds_[i], container_, stored[i], text,
            ButtonScreen{TwipsToPixels(screen.width), TwipsToPixels(screen.height),
                         kFormTwipsPerPixel},
            services.dialogs);
    host_.ShowPicture(image1_, ArtworkPicture(Artwork::Tick));
    host_.ShowPicture(immin_, {});
    host_.ShowPicture(imclose_, {});
    timer1_ = &host_.AddTimer(
        1000, true, [this] { frm_->ClockTick(); }, FormHost::Rhythm::WallClockSeconds);
    timer2_ = &host_.AddTimer(1, false, [this] { frm_->RestoreAfterCancel(); });

    FormHost& h = host_;
    auto list = [&](int i) -> ComboBox& { return h.ListView(lists_[static_cast<std::size_t>(i)]); };
    auto check = [&](int i) -> CheckBox& {
        return h.CheckView(checks_[static_cast<std::size_t>(i)]);
    };
    frm_ = std::make_unique<FrmMain>(
        FrmMainControls{h.FormView(),
                        h.LabelView(labels_[0]),
                        h.LabelView(labels_[1]),
                        h.LabelView(labels_[4]),
                        list(0),
                        list(1),
                        list(2),
                        list(3),
                        list(4),
                        list(5),
                        list(6),
                        list(7),
                        list(8),
                        check(0),
                        check(1),
                        check(2),
                        check(3),
                        buttons_[0]->View(),
                        buttons_[1]->View(),
                        buttons_[2]->View(),
                        h.PictureView(image1_),
                        h.ImageView(immin_, ArtworkPicture(Artwork::MinHover),
                                    ArtworkPicture(Artwork::MinPressed)),
                        h.ImageView(imclose_, ArtworkPicture(Artwork::CloseHover),
                                    ArtworkPicture(Artwork::ClosePressed)),
                        *timer1_,
                        *timer2_},
        FrmMainServices{services, {notifyIcon, *this, *this, text}});
    Bind();
}

MainForm::~MainForm() {
    host_.Discard();
}

void MainForm::Declare() {
    auto declare = [this](const ControlDesign& d, ControlKind kind) {
        const int id = host_.Declare(d, kind);
        // The form and its boxes and lists are white; the credit line lies
        // on the skin's bottom bar.
        if (&d != &design::kLbBR && kind != ControlKind::Drawn)
            host_.Spec(id).backColour = design::kBackColour;
        return id;
    };
    for (std::size_t i = 0; i < labels_.size(); ++i)
        labels_[i] = declare(design::kLabels[i], ControlKind::Label);
    for (std::size_t i = 0; i < lists_.size(); ++i)
        lists_[i] = declare(design::kCombos[i], ControlKind::List);
    for (std::size_t i = 0; i < buttonIds_.size(); ++i)
        buttonIds_[i] = declare(design::kButtons[i], ControlKind::Drawn);
    for (std::size_t i = 0; i < checks_.size(); ++i)
        checks_[i] = declare(design::kChecks[i], ControlKind::CheckBox);
    image1_ = declare(design::kImage1, ControlKind::Drawn);
    host_.Spec(image1_).visible = false;
    immin_ = declare(design::kImmin, ControlKind::Drawn);
    imclose_ = declare(design::kImclose, ControlKind::Drawn);
}

void MainForm::Bind() {
    FormHost& h = host_;
    FrmMain& f = *frm_;
    using E = FormEventKind;
    auto twips = [](float pixels) { return pixels * kFormTwipsPerPixel; };

    static constexpr void (FrmMain::*kChosen[])() = {
        &FrmMain::Combo1_Click, &FrmMain::Combo2_Click, &FrmMain::Combo3_Click,
        &FrmMain::Combo4_Click, &FrmMain::Combo5_Click, &FrmMain::Combo6_Click,
        &FrmMain::Combo7_Click, &FrmMain::Combo8_Click, &FrmMain::Combo9_Click};
    for (std::size_t i = 0; i < lists_.size(); ++i)
        h.OnChosen(lists_[i], [&f, handler = kChosen[i]] { (f.*handler)(); });

    static constexpr void (FrmMain::*kReleased[])(int, int, float, float) = {
        &FrmMain::Check1_MouseUp, &FrmMain::Check2_MouseUp, &FrmMain::Check3_MouseUp,
        &FrmMain::Check4_MouseUp};
    for (std::size_t i = 0; i < checks_.size(); ++i)
        h.OnCheckRelease(checks_[i], [&f, handler = kReleased[i]](int b, int s, float x, float y) {
            (f.*handler)(b, s, x, y);
        });

    buttons_[0]->Model().events.Click = [&f] { f.ArmSchedule(); };
    buttons_[1]->Model().events.Click = [&f] { f.CancelSchedule(); };
    buttons_[2]->Model().events.Click = [&f] { f.ResetSelectors(); };

    // The time lines move the window like the background; the others are
    // links, which a screen reader presses too.
    h.On(labels_[0], E::MouseDown, [&f, twips](const FormEvent& e) {
        f.Label0_MouseDown(e.button, e.shift, twips(e.x), twips(e.y));
    });
    h.On(labels_[1], E::MouseDown, [&f, twips](const FormEvent& e) {
        f.Label1_MouseDown(e.button, e.shift, twips(e.x), twips(e.y));
    });
    static constexpr void (FrmMain::*kLinks[])() = {&FrmMain::Label2_Click, &FrmMain::Label3_Click,
                                                    &FrmMain::LbBR_Click};
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        h.Describe(labels_[i], [this, i] {
            return DescribeMainWindowLabel(i, host_.Native().Text(labels_[i]));
        });
        if (i < design::kFirstLink)
            continue;
        const auto link = kLinks[i - design::kFirstLink];
        h.OnClick(labels_[i], [&f, link] { (f.*link)(); });
        h.On(labels_[i], E::Press, [&f, link](const FormEvent&) { (f.*link)(); });
    }

    h.Describe(image1_, DescribeArmedTick);
    h.On(image1_, E::MouseDown, [&f, twips](const FormEvent& e) {
        f.Image1_MouseDown(e.button, e.shift, twips(e.x), twips(e.y));
    });

    // The caption images: their faces follow the mouse; a click (after the
    // release has put the face back) hides or asks to quit.
    struct Image {
        int id;
        void (FrmMain::*move)(int, int, float, float);
        void (FrmMain::*down)(int, int, float, float);
        void (FrmMain::*up)(int, int, float, float);
        void (FrmMain::*click)();
        std::size_t index;
    };
    for (const Image& image :
         {Image{immin_, &FrmMain::Immin_MouseMove, &FrmMain::Immin_MouseDown,
                &FrmMain::Immin_MouseUp, &FrmMain::Immin_Click, 0},
          Image{imclose_, &FrmMain::Imclose_MouseMove, &FrmMain::Imclose_MouseDown,
                &FrmMain::Imclose_MouseUp, &FrmMain::Imclose_Click, 1}}) {
        h.Describe(image.id, [index = image.index] { return DescribeCaptionImage(index); });
        h.On(image.id, E::MouseMove, [&f, image, twips](const FormEvent& e) {
            (f.*image.move)(e.button, e.shift, twips(e.x), twips(e.y));
        });
        h.On(image.id, E::MouseDown, [&f, image, twips](const FormEvent& e) {
            (f.*image.down)(e.button, e.shift, twips(e.x), twips(e.y));
        });
        h.On(image.id, E::MouseUp, [&f, image, twips](const FormEvent& e) {
            (f.*image.up)(e.button, e.shift, twips(e.x), twips(e.y));
        });
        h.OnClick(image.id, [&f, image] { (f.*image.click)(); });
        h.On(image.id, E::Press, [&f, image](const FormEvent&) {
            (f.*image.down)(1, 0, 0, 0);
            (f.*image.up)(1, 0, 0, 0);
            (f.*image.click)();
        });
    }

    // The background, with the caption strip along the top from its left
    // edge to the caption images.
    h.On(kForm, E::MouseDown, [this, &f, twips](const FormEvent& e) {
        if (OnStrip(e))
            f.IMBar_MouseDown(e.button, e.shift, twips(e.x) - design::kIMBar.rect.left, twips(e.y));
        else
            f.Form_MouseDown(e.button, e.shift, twips(e.x), twips(e.y));
    });
    h.On(kForm, E::MouseMove, [this, &f, twips](const FormEvent& e) {
        if (OnStrip(e))
            f.IMBar_MouseMove(e.button, e.shift, twips(e.x) - design::kIMBar.rect.left, twips(e.y));
        else
            f.Form_MouseMove(e.button, e.shift, twips(e.x), twips(e.y));
    });
    h.OnResize([&f] { f.Form_Resize(); });
    // Closed by any route, the window takes its icon and ends the program.
    h.OnUnload([this, &f] {
        f.Form_QueryUnload();
        exit_.End();
    });
}

bool MainForm::OnStrip(const FormEvent& e) const {
    const float x = e.x * kFormTwipsPerPixel;
    const float y = e.y * kFormTwipsPerPixel;
    const TwipsRect& bar = design::kIMBar.rect;
    return x >= bar.left && x < bar.left + stripWidth_ && y >= bar.top && y < bar.Bottom();
}

void MainForm::MoveControl(int control, int left, int top) {
    TwipsRect place = host_.Native().Place(control);
    place.left = left;
    place.top = top;
    host_.Native().SetPlace(control, place);
}

void MainForm::PlaceCredit(int left, int top, Rgb) {
    // Its colour is the form's own already: white on the bar.
    MoveControl(labels_[4], left, top);
}

void MainForm::SetBackground(Bitmap background) {
    host_.SetBackground(std::move(background));
}

} // namespace tarvenel

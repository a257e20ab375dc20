#include "platform/qt/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/qt/fonts.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_string.h"
#include "platform/qt/qt_units.h"
#include "raster/png.h"
#include "scheduler/frm_main_design.h"

namespace tarvenel::qt {
namespace {

namespace design = frm_main_design;

void SetTextColour(QWidget& widget, Rgb rgb) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, ColourOf(rgb));
    palette.setColor(QPalette::Text, ColourOf(rgb));
    palette.setColor(QPalette::ButtonText, ColourOf(rgb));
    widget.setPalette(palette);
}

void Place(QWidget& widget, const ControlDesign& d) {
    widget.setGeometry(PixelRect(d.rect));
    if (*d.toolTip)
        widget.setToolTip(ToQt(d.toolTip));
}

template <class W> std::array<std::unique_ptr<W>, 9> MakeCombos(QWidget* parent) {
    std::array<std::unique_ptr<W>, 9> combos;
    for (auto& combo : combos)
        combo = std::make_unique<W>(parent);
    return combos;
}

std::array<std::unique_ptr<CheckWidget>, 4> MakeChecks(QWidget* parent) {
    std::array<std::unique_ptr<CheckWidget>, 4> checks;
    for (std::size_t i = 0; i < checks.size(); ++i)
        checks[i] = std::make_unique<CheckWidget>(ToQt(design::kChecks[i].caption), parent);
    return checks;
}

std::array<std::unique_ptr<XPButtonWidget>, 3>
MakeButtons(ButtonContainer& container, TextRenderer& text, const Screen& screen, QWidget* parent) {
    const auto stored = MainWindowButtons();
    const ButtonScreen buttonScreen{TwipsToPixels(screen.WidthTwips()),
                                    TwipsToPixels(screen.HeightTwips()), kFormTwipsPerPixel};
    std::array<std::unique_ptr<XPButtonWidget>, 3> buttons;
    for (std::size_t i = 0; i < buttons.size(); ++i)
        buttons[i] =
            std::make_unique<XPButtonWidget>(container, stored[i], text, buttonScreen, parent);
    return buttons;
}

QPixmap Face(Artwork which) {
    return QPixmap::fromImage(ArtworkImage(which));
}

} // namespace

MainWindow::MainWindow(const MainWindowServices& services)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      combos_(MakeCombos<ComboWidget>(this)), checks_(MakeChecks(this)),
      buttonContainer_(design::kBackColour),
      buttons_(MakeButtons(buttonContainer_, text_, services.screen, this)),
      image1_(Face(Artwork::Tick), this),
      immin_(Face(Artwork::MinHover), Face(Artwork::MinPressed), this),
      imclose_(Face(Artwork::CloseHover), Face(Artwork::ClosePressed), this),
      timer1_(1000, true, [this] { frm_.ClockTick(); }),
      timer2_(1, false, [this] { frm_.RestoreAfterCancel(); }),
      frm_(FrmMainControls{*this,
                           label0_,
                           label1_,
                           lbBR_,
                           *combos_[0],
                           *combos_[1],
                           *combos_[2],
                           *combos_[3],
                           *combos_[4],
                           *combos_[5],
                           *combos_[6],
                           *combos_[7],
                           *combos_[8],
                           *checks_[0],
                           *checks_[1],
                           *checks_[2],
                           *checks_[3],
                           buttons_[0]->Command(),
                           buttons_[1]->Command(),
                           buttons_[2]->Command(),
                           image1_,
                           immin_,
                           imclose_,
                           timer1_,
                           timer2_},
           FrmMainServices{services.clock, services.dateText, services.settings, services.dialogs,
                           services.startup, services.notifyIcon, services.countdown, services.urls,
                           services.exit, services.screen, *this, *this, text_}) {
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowIcon(ProgramIcon());
    setMouseTracking(true);
    setFont(ToQFont(FontSpec{}));
    BuildControls();
    ConnectEvents();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildControls() {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ColourOf(design::kBackColour));
    setPalette(palette);

    struct NamedLabel {
        LabelWidget& label;
        const ControlDesign& design;
    };
    for (const NamedLabel& l :
         {NamedLabel{label0_, design::kLabel0}, NamedLabel{label1_, design::kLabel1},
          NamedLabel{label2_, design::kLabel2}, NamedLabel{label3_, design::kLabel3},
          NamedLabel{lbBR_, design::kLbBR}}) {
        l.label.setText(ToQt(l.design.caption));
        Place(l.label, l.design);
    }
    label0_.SetWidthRule(design::kTimeLineWidth);
    label1_.SetWidthRule(design::kTimeLineWidth);
    lbBR_.SetWidthRule(design::kCreditWidth);
    SetTextColour(label1_, design::kTargetLabelColour);
    for (LabelWidget* link : {&label2_, &label3_, &lbBR_}) {
        link->setCursor(HandCursor());
        if (link != &lbBR_)
            SetTextColour(*link, design::kLinkColour);
    }
    lbBR_.setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // The lists are only 20 pixels high and 49 wide: a narrow arrow and
    // little padding leave room for entries such as 23时.
    for (auto& combo : combos_)
        combo->setStyleSheet(QStringLiteral("QComboBox { padding: 0px 1px; }"
                                            "QComboBox::drop-down { width: 13px; }"));
    for (std::size_t i = 0; i < combos_.size(); ++i) {
        combos_[i]->setEditText(ToQt(design::kCombos[i].caption));
        Place(*combos_[i], design::kCombos[i]);
        if (i >= 6)
            SetTextColour(*combos_[i], design::kDefaultTimeColour);
    }
    for (std::size_t i = 0; i < checks_.size(); ++i) {
        Place(*checks_[i], design::kChecks[i]);
        QPalette white = checks_[i]->palette();
        white.setColor(QPalette::Window, ColourOf(design::kBackColour));
        white.setColor(QPalette::Button, ColourOf(design::kBackColour));
        checks_[i]->setPalette(white);
        checks_[i]->setAutoFillBackground(true);
    }
    SetTextColour(*checks_[3], design::kDefaultTimeColour);
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        Place(*buttons_[i], design::kButtons[i]);

    Place(image1_, design::kImage1);
    image1_.hide();
    Place(imBar_, design::kIMBar);
    Place(immin_, design::kImmin);
    Place(imclose_, design::kImclose);
    immin_.setCursor(HandCursor());
    imclose_.setCursor(HandCursor());
    immin_.raise();
    imclose_.raise();

    // The keyboard's tab order follows the screen.
    std::vector<std::pair<int, QWidget*>> stops;
    for (std::size_t i = 0; i < combos_.size(); ++i)
        stops.emplace_back(design::kCombos[i].tabIndex, combos_[i].get());
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        stops.emplace_back(design::kButtons[i].tabIndex, buttons_[i].get());
    for (std::size_t i = 0; i < checks_.size(); ++i)
        stops.emplace_back(design::kChecks[i].tabIndex, checks_[i].get());
    std::sort(stops.begin(), stops.end());
    for (std::size_t i = 0; i + 1 < stops.size(); ++i)
        setTabOrder(stops[i].second, stops[i + 1].second);
    firstStop_ = stops.front().second;
}

void MainWindow::ConnectEvents() {
    using Combo = void (FrmMain::*)();
    static constexpr std::array<Combo, 9> kComboClicks{
        &FrmMain::Combo1_Click, &FrmMain::Combo2_Click, &FrmMain::Combo3_Click,
        &FrmMain::Combo4_Click, &FrmMain::Combo5_Click, &FrmMain::Combo6_Click,
        &FrmMain::Combo7_Click, &FrmMain::Combo8_Click, &FrmMain::Combo9_Click};
    for (std::size_t i = 0; i < combos_.size(); ++i)
        connect(combos_[i].get(), &QComboBox::activated, this,
                [this, handler = kComboClicks[i]] { (frm_.*handler)(); });

    using Check = void (FrmMain::*)(int, int, float, float);
    static constexpr std::array<Check, 4> kCheckReleases{
        &FrmMain::Check1_MouseUp, &FrmMain::Check2_MouseUp, &FrmMain::Check3_MouseUp,
        &FrmMain::Check4_MouseUp};
    for (std::size_t i = 0; i < checks_.size(); ++i)
        connect(checks_[i].get(), &CheckWidget::mouseUp, this,
                [this, handler = kCheckReleases[i]](int b, int s, float x, float y) {
                    (frm_.*handler)(b, s, x, y);
                });

    buttons_[0]->Button().events.Click = [this] { frm_.ArmSchedule(); };
    buttons_[1]->Button().events.Click = [this] { frm_.CancelSchedule(); };
    buttons_[2]->Button().events.Click = [this] { frm_.ResetSelectors(); };

    connect(&label2_, &LabelWidget::clicked, this, [this] { frm_.Label2_Click(); });
    connect(&label3_, &LabelWidget::clicked, this, [this] { frm_.Label3_Click(); });
    connect(&lbBR_, &LabelWidget::clicked, this, [this] { frm_.LbBR_Click(); });

    // The passive pictures and labels move the window like the background.
    auto twips = [](QPointF p) { return std::pair{PixelsToTwips(p.x()), PixelsToTwips(p.y())}; };
    connect(&label0_, &LabelWidget::pressed, this, [this, twips](int b, int s, QPointF p) {
        frm_.Label0_MouseDown(b, s, twips(p).first, twips(p).second);
    });
    connect(&label1_, &LabelWidget::pressed, this, [this, twips](int b, int s, QPointF p) {
        frm_.Label1_MouseDown(b, s, twips(p).first, twips(p).second);
    });
    connect(&image1_, &PictureWidget::pressed, this, [this, twips](int b, int s, QPointF p) {
        frm_.Image1_MouseDown(b, s, twips(p).first, twips(p).second);
    });
    connect(&imBar_, &StripWidget::pressed, this, [this, twips](int b, int s, QPointF p) {
        frm_.IMBar_MouseDown(b, s, twips(p).first, twips(p).second);
    });
    connect(&imBar_, &StripWidget::mouseMove, this,
            [this](int b, int s, float x, float y) { frm_.IMBar_MouseMove(b, s, x, y); });

    connect(&immin_, &CaptionImageWidget::mouseMove, this,
            [this](int b, int s, float x, float y) { frm_.Immin_MouseMove(b, s, x, y); });
    connect(&immin_, &CaptionImageWidget::mouseDown, this,
            [this](int b, int s, float x, float y) { frm_.Immin_MouseDown(b, s, x, y); });
    connect(&immin_, &CaptionImageWidget::mouseUp, this,
            [this](int b, int s, float x, float y) { frm_.Immin_MouseUp(b, s, x, y); });
    connect(&immin_, &CaptionImageWidget::clicked, this, [this] { frm_.Immin_Click(); });
    connect(&imclose_, &CaptionImageWidget::mouseMove, this,
            [this](int b, int s, float x, float y) { frm_.Imclose_MouseMove(b, s, x, y); });
    connect(&imclose_, &CaptionImageWidget::mouseDown, this,
            [this](int b, int s, float x, float y) { frm_.Imclose_MouseDown(b, s, x, y); });
    connect(&imclose_, &CaptionImageWidget::mouseUp, this,
            [this](int b, int s, float x, float y) { frm_.Imclose_MouseUp(b, s, x, y); });
    connect(&imclose_, &CaptionImageWidget::clicked, this, [this] { frm_.Imclose_Click(); });
}

void MainWindow::TrayLeftClick() {
    frm_.NotifyIcon_Click();
}

// --- Form

std::string MainWindow::Caption() const {
    return FromQt(windowTitle());
}

void MainWindow::SetCaption(const std::string& text) {
    setWindowTitle(ToQt(text));
}

void MainWindow::Show() {
    // A window that appears is placed, shaped and painted before it is
    // seen; one already on screen stays where the user dragged it.
    const bool appearing = !isVisible() || isMinimized();
    if (appearing && !isMinimized())
        frm_.Form_Resize();
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
    if (appearing && !focusWidget())
        firstStop_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::Restore() {
    if (isMinimized())
        showNormal(); // the state change runs the resize handler
    else
        show();
    raise();
    activateWindow();
}

void MainWindow::Hide() {
    hide();
}

bool MainWindow::Visible() const {
    return isVisible();
}

void MainWindow::SetWindowState(WindowState state) {
    switch (state) {
    case WindowState::Normal:
        setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
        break;
    case WindowState::Minimised:
        if (isVisible())
            showMinimized();
        else
            setWindowState(windowState() | Qt::WindowMinimized);
        break;
    case WindowState::Maximised:
        setWindowState(windowState() | Qt::WindowMaximized);
        break;
    }
}

void MainWindow::SetSize(int widthTwips, int heightTwips) {
    setFixedSize(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
}

int MainWindow::Width() const {
    return isMinimized() ? 0 : PixelsToTwips(width());
}

int MainWindow::Height() const {
    return isMinimized() ? 0 : PixelsToTwips(height());
}

void MainWindow::Unload() {
    close();
}

// --- Painting and layout

void MainWindow::PlaceCredit(int left, int top, Rgb foreColour) {
    lbBR_.move(TwipsToPixels(left), TwipsToPixels(top));
    SetTextColour(lbBR_, foreColour);
}

void MainWindow::SetCaptionStripWidth(int width) {
    imBar_.resize(TwipsToPixels(width), imBar_.height());
}

void MainWindow::PlaceMinimise(int left, int top) {
    immin_.move(TwipsToPixels(left), TwipsToPixels(top));
}

void MainWindow::PlaceClose(int left, int top) {
    imclose_.move(TwipsToPixels(left), TwipsToPixels(top));
}

void MainWindow::SetBackground(Bitmap background) {
    background_ = ToImage(background);
    update();
}

void MainWindow::SetRegion(const Region& region) {
    setMask(ToQRegion(region));
}

void MainWindow::MoveTo(int left, int top) {
    move(TwipsToPixels(left), TwipsToPixels(top));
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, background_);
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        frm_.Form_Resize();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    frm_.Form_Resize();
}

// --- Mouse over the background

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    if (manualMove_) {
        move(event->globalPosition().toPoint() - moveOffset_);
        return;
    }
    frm_.Form_MouseMove(ButtonsNumber(event->buttons()), ShiftNumber(event->modifiers()),
                        PixelsToTwips(event->position().x()), PixelsToTwips(event->position().y()));
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    frm_.Form_MouseDown(ButtonNumber(event->button()), ShiftNumber(event->modifiers()),
                        PixelsToTwips(event->position().x()), PixelsToTwips(event->position().y()));
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (manualMove_ && event->button() == Qt::LeftButton) {
        manualMove_ = false;
        releaseMouse();
    }
}

void MainWindow::BeginSystemMove() {
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    // No window manager, or one without the move protocol: move by hand
    // until the left button goes up.
    manualMove_ = true;
    moveOffset_ = QCursor::pos() - pos();
    grabMouse();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (unloaded_)
        return;
    unloaded_ = true;
    frm_.Form_QueryUnload();
    QCoreApplication::exit(0);
}

} // namespace tarvenel::qt

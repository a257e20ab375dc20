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
#include "scheduler/frm_main_accessible.h"
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

// The widget where the form puts it, with its tip, text colour and cursor.
void Place(QWidget& widget, const ControlDesign& d) {
    widget.setGeometry(PixelRect(d.rect));
    if (*d.toolTip)
        widget.setToolTip(ToQt(d.toolTip));
    SetTextColour(widget, d.textColour);
    if (d.handCursor)
        widget.setCursor(HandCursor());
}

// One widget for each entry of a form table, made by `make(index)`.
template <class W, std::size_t N, class Factory>
std::array<std::unique_ptr<W>, N> MakeEach(Factory make) {
    std::array<std::unique_ptr<W>, N> widgets;
    for (std::size_t i = 0; i < N; ++i)
        widgets[i] = make(i);
    return widgets;
}

} // namespace

MainWindow::MainWindow(const SystemServices& services, NotifyIcon& notifyIcon)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      labels_(MakeEach<LabelWidget, 5>(
          [this](std::size_t) { return std::make_unique<LabelWidget>(this); })),
      combos_(MakeEach<ComboWidget, 9>(
          [this](std::size_t) { return std::make_unique<ComboWidget>(this); })),
      checks_(MakeEach<CheckWidget, 4>([this](std::size_t i) {
          return std::make_unique<CheckWidget>(ToQt(design::kChecks[i].caption), this);
      })),
      buttonContainer_(design::kBackColour),
      buttons_(MakeEach<XPButtonWidget, 3>([this, &services](std::size_t i) {
          static const auto stored = MainWindowButtons();
          const TwipsRect area = services.screen.Area();
          const ButtonScreen screen{TwipsToPixels(area.width), TwipsToPixels(area.height),
                                    kFormTwipsPerPixel};
          return std::make_unique<XPButtonWidget>(buttonContainer_, stored[i], text_, screen, this);
      })),
      image1_(QPixmap::fromImage(ArtworkImage(Artwork::Tick)), this),
      images_(MakeEach<CaptionImageWidget, 2>([this](std::size_t i) {
          const Artwork faces[] = {Artwork::MinHover, Artwork::MinPressed, Artwork::CloseHover,
                                   Artwork::ClosePressed};
          return std::make_unique<CaptionImageWidget>(
              QPixmap::fromImage(ArtworkImage(faces[2 * i])),
              QPixmap::fromImage(ArtworkImage(faces[2 * i + 1])), this);
      })),
      timer1_(
          1000, true, [this] { frm_.ClockTick(); }, TimerAdapter::Rhythm::WallClockSeconds),
      timer2_(1, false, [this] { frm_.RestoreAfterCancel(); }),
      frm_(FrmMainControls{*this,
                           *labels_[0],
                           *labels_[1],
                           *labels_[4],
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
                           *images_[0],
                           *images_[1],
                           timer1_,
                           timer2_},
           FrmMainServices{services, {notifyIcon, *this, *this, text_}}) {
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowIcon(ProgramIcon());
    setMouseTracking(true);
    setFont(ToQFont(FontSpec{}));
    DescribeControls();
    BuildControls();
    ConnectEvents();
}

void MainWindow::DescribeControls() {
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        LabelWidget* label = labels_[i].get();
        auto describe = [i, label] { return DescribeMainWindowLabel(i, label->Caption()); };
        if (i < design::kFirstLink) {
            label->Describe(describe); // the time lines
            continue;
        }
        const int link = static_cast<int>(i - design::kFirstLink);
        label->Describe(describe, [this, link] { frm_.LinkClick(link); });
    }
    for (std::size_t i = 0; i < images_.size(); ++i)
        images_[i]->Describe([i] { return DescribeCaptionImage(i); },
                             [this, i] { frm_.CaptionImagePress(static_cast<int>(i)); });
    image1_.Describe(DescribeArmedTick);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildControls() {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ColourOf(design::kBackColour));
    setPalette(palette);

    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i]->setText(ToQt(design::kLabels[i].caption));
        Place(*labels_[i], design::kLabels[i]);
        labels_[i]->SetWidthRule(design::kLabels[i].width);
    }
    // The lists are only 20 pixels high and 49 wide: a narrow arrow and
    // little padding leave room for entries such as 23时. One sheet for the
    // window, not one a list: each sheet costs the first window a style.
    setStyleSheet(QStringLiteral("QComboBox { padding: 0px 1px; }"
                                 "QComboBox::drop-down { width: 13px; }"));
    for (std::size_t i = 0; i < combos_.size(); ++i) {
        combos_[i]->setEditText(ToQt(design::kCombos[i].caption));
        Place(*combos_[i], design::kCombos[i]);
    }
    for (std::size_t i = 0; i < checks_.size(); ++i) {
        Place(*checks_[i], design::kChecks[i]);
        QPalette white = checks_[i]->palette();
        white.setColor(QPalette::Window, ColourOf(design::kBackColour));
        white.setColor(QPalette::Button, ColourOf(design::kBackColour));
        checks_[i]->setPalette(white);
        checks_[i]->setAutoFillBackground(true);
    }
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setGeometry(PixelRect(design::kButtons[i].rect));
    Place(image1_, design::kImage1);
    image1_.hide();
    Place(imBar_, design::kIMBar);
    for (std::size_t i = 0; i < images_.size(); ++i) {
        Place(*images_[i], design::kCaptionImages[i]);
        images_[i]->raise();
    }

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
    for (int i = 0; i < 9; ++i)
        connect(combos_[static_cast<std::size_t>(i)].get(), &QComboBox::activated, this,
                [this, i] { frm_.ComboClick(i); });
    for (int i = 0; i < 4; ++i)
        connect(checks_[static_cast<std::size_t>(i)].get(), &CheckWidget::mouseUp, this,
                [this, i](int b, int s, float x, float y) { frm_.CheckMouseUp(i, b, s, x, y); });
    for (int i = 0; i < 3; ++i)
        buttons_[static_cast<std::size_t>(i)]->Button().events.Click = [this, i] {
            frm_.ButtonClick(i);
        };
    for (int i = 0; i < 5; ++i) {
        LabelWidget* label = labels_[static_cast<std::size_t>(i)].get();
        connect(label, &LabelWidget::clicked, this, [this, i] {
            if (i >= design::kFirstLink)
                frm_.LinkClick(i - design::kFirstLink);
        });
        connect(label, &LabelWidget::pressed, this,
                [this, i](int button, int, QPointF) { frm_.LabelMouseDown(i, button); });
    }
    using Action = FrmMain::MouseAction;
    for (int i = 0; i < 2; ++i) {
        CaptionImageWidget* image = images_[static_cast<std::size_t>(i)].get();
        connect(image, &CaptionImageWidget::mouseMove, this,
                [this, i] { frm_.CaptionImageMouse(i, Action::Move); });
        connect(image, &CaptionImageWidget::mouseDown, this,
                [this, i] { frm_.CaptionImageMouse(i, Action::Down); });
        connect(image, &CaptionImageWidget::mouseUp, this,
                [this, i] { frm_.CaptionImageMouse(i, Action::Up); });
        connect(image, &CaptionImageWidget::clicked, this,
                [this, i] { frm_.CaptionImageClick(i); });
    }

    // The passive picture and the caption strip move the window like the
    // background.
    auto twips = [](QPointF p) { return std::pair{PixelsToTwips(p.x()), PixelsToTwips(p.y())}; };
    connect(&image1_, &PictureWidget::pressed, this, [this, twips](int b, int s, QPointF p) {
        frm_.Image1_MouseDown(b, s, twips(p).first, twips(p).second);
    });
    connect(&imBar_, &StripWidget::pressed, this, [this, twips](int b, int s, QPointF p) {
        frm_.IMBar_MouseDown(b, s, twips(p).first, twips(p).second);
    });
    connect(&imBar_, &StripWidget::mouseMove, this,
            [this](int b, int s, float x, float y) { frm_.IMBar_MouseMove(b, s, x, y); });
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
    LbBR().move(TwipsToPixels(left), TwipsToPixels(top));
    SetTextColour(LbBR(), foreColour);
}

void MainWindow::SetCaptionStripWidth(int width) {
    imBar_.resize(TwipsToPixels(width), imBar_.height());
}

void MainWindow::PlaceMinimise(int left, int top) {
    Immin().move(TwipsToPixels(left), TwipsToPixels(top));
}

void MainWindow::PlaceClose(int left, int top) {
    Imclose().move(TwipsToPixels(left), TwipsToPixels(top));
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
        // The window ends where the button went up, whatever motion was
        // merged or lost on the way.
        move(event->globalPosition().toPoint() - moveOffset_);
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

#pragma once
// frmMain as a frameless Qt window: native widgets placed from the form's
// design, each one an adapter of the core's controls, and every event handed
// to the core's handler of the same name.
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "platform/qt/qt_text_renderer.h"
#include "platform/qt/widgets.h"
#include "platform/qt/xp_button_widget.h"
#include "scheduler/frm_main.h"
#include "shell/drag.h"
#include "shell/main_window_skin.h"

namespace tarvenel::qt {

class MainWindow : public QWidget, public Form, public MainWindowSurface, public WindowMover {
    Q_OBJECT
public:
    MainWindow(const SystemServices& services, NotifyIcon& notifyIcon);
    ~MainWindow() override;

    FrmMain& Logic() { return frm_; }
    Timer& RestoreTimer() { return timer2_; } // frmMain's Timer2

    // The notification icon's left click.
    void TrayLeftClick();

    // Form
    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
    void Show() override;
    void Hide() override;
    void Restore() override;
    bool Visible() const override;
    void SetWindowState(WindowState state) override;
    void SetSize(int widthTwips, int heightTwips) override;
    int Width() const override;
    int Height() const override;
    void Unload() override;

    // MainWindowSurface: what the resize handler changes (twips).
    void PlaceCredit(int left, int top, Rgb foreColour) override;
    void SetCaptionStripWidth(int width) override;
    void PlaceMinimise(int left, int top) override;
    void PlaceClose(int left, int top) override;
    void SetBackground(Bitmap background) override;
    void SetRegion(const Region& region) override;
    void MoveTo(int left, int top) override;

    // WindowMover
    void BeginSystemMove() override;

    // For the tests: the controls by their form names.
    LabelWidget& Label0() { return *labels_[0]; }
    LabelWidget& Label1() { return *labels_[1]; }
    LabelWidget& Label2() { return *labels_[2]; }
    LabelWidget& Label3() { return *labels_[3]; }
    LabelWidget& LbBR() { return *labels_[4]; }
    ComboWidget& Combo(int number) { return *combos_.at(number - 1); }
    CheckWidget& Check(int number) { return *checks_.at(number - 1); }
    XPButtonWidget& XPButton(int number) { return *buttons_.at(number - 1); }
    PictureWidget& Image1() { return image1_; }
    CaptionImageWidget& Immin() { return *images_[0]; }
    CaptionImageWidget& Imclose() { return *images_[1]; }
    StripWidget& IMBar() { return imBar_; }
    const QImage& Background() const { return background_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void DescribeControls();
    void BuildControls();
    void ConnectEvents();

    QtTextRenderer text_; // the buttons and the skin draw text with it
    std::array<std::unique_ptr<LabelWidget>, 5> labels_; // Label0 to LbBR
    std::array<std::unique_ptr<ComboWidget>, 9> combos_;
    std::array<std::unique_ptr<CheckWidget>, 4> checks_;
    ButtonContainer buttonContainer_; // the form as the buttons see it
    std::array<std::unique_ptr<XPButtonWidget>, 3> buttons_;
    PictureWidget image1_;
    StripWidget imBar_{this};
    std::array<std::unique_ptr<CaptionImageWidget>, 2> images_; // Immin, Imclose
    TimerAdapter timer1_;
    TimerAdapter timer2_;
    FrmMain frm_;
    QImage background_;
    QWidget* firstStop_ = nullptr; // where the keyboard starts
    bool unloaded_ = false;
    // Manual move when the window manager does not run one for us.
    bool manualMove_ = false;
    QPoint moveOffset_;
};

} // namespace tarvenel::qt

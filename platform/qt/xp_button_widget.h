#pragma once
// An XPButton hosted as a Qt widget: the widget is the button's native
// window (its ButtonHost). Mouse, keyboard, focus and the hover poll go to
// the core's model; the model decides what happens and what is drawn.
#include <QImage>
#include <QShortcut>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "button/click_synthesiser.h"
#include "button/command_button.h"
#include "button/host.h"
#include "button/main_window_buttons.h"
#include "button/renderer.h"
#include "button/xp_button.h"

namespace tarvenel::qt {

class XPButtonWidget : public QWidget, public ButtonHost {
    Q_OBJECT
public:
    // text and screen: what the button's renderer draws its caption with.
    XPButtonWidget(ButtonContainer& container, const StoredButton& stored, TextRenderer& text,
                   ButtonScreen screen, QWidget* parent);
    ~XPButtonWidget() override;

    XPButton& Button() { return button_; }
    const XPButton& Button() const { return button_; }
    CommandButton& Command() { return command_; }

    // ButtonHost
    ButtonContainer& Container() override { return container_; }
    bool DisplayAsDefault() override { return hasFocus(); }
    std::string Name() override { return name_; }
    bool DesignMode() override { return false; }
    void MessageBox(const std::string& text, int style, const std::string& caption) override;
    void PropertyChanged(const std::string&) override {}
    int ScaleWidth() override { return width(); }
    int ScaleHeight() override { return height(); }
    void SetClientWidth(int pixels) override { resize(pixels, height()); }
    void SetRegion(const Region& region) override;
    void SetSurfaceEnabled(bool enabled) override { setEnabled(enabled); }
    void SetMousePointer(int pointer) override;
    std::optional<std::string> SetMouseIcon(const PicturePtr& icon) override;
    void SetAccessKeys(const std::string& key) override;
    void SetFocus() override { setFocus(Qt::OtherFocusReason); }
    void SetCapture() override { grabMouse(); }
    void ReleaseCapture() override { releaseMouse(); }
    void StartTimer(int id, int periodMs) override;
    void StopTimer(int id) override;
    bool IsCursorOverMe() override;
    ClientPoint CursorPosition() override;
    void PostKeyDownToContainer(int virtualKey, std::uint32_t keyData) override;
    // Paints the face through the core's renderer and shows it at once.
    void Redraw() override;
    // The face as last painted.
    const QImage& Face() const { return face_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ButtonContainer& container_;
    std::string name_;
    QTimer hoverTimer_;
    std::unique_ptr<QShortcut> accessKey_;
    XPButton button_;
    ButtonRenderer renderer_; // after the button: it must not outlive it
    ClickSynthesiser mouse_;
    XPButtonCommand command_;
    QImage face_;
    bool painting_ = false; // inside paintEvent: the new face is drawn there
};

} // namespace tarvenel::qt

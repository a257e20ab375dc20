#pragma once
// An XPButton as a Qt widget: the widget is the button's native surface and
// passes Qt's input on to the core's hosted button.
#include <QImage>
#include <QShortcut>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "button/hosted_button.h"
#include "platform/qt/accessibility.h"

namespace tarvenel::qt {

class XPButtonWidget : public QWidget, public Described, private ButtonSurface {
    Q_OBJECT
public:
    // text and screen: what the button's renderer draws its caption with.
    XPButtonWidget(ButtonContainer& container, const StoredButton& stored, TextRenderer& text,
                   ButtonScreen screen, QWidget* parent);
    ~XPButtonWidget() override;

    XPButton& Button() { return host_.Model(); }
    const XPButton& Button() const { return host_.Model(); }
    CommandButton& Command() { return host_.View(); }
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
    // ButtonSurface
    int Width() override { return width(); }
    int Height() override { return height(); }
    void SetWidth(int pixels) override { resize(pixels, height()); }
    void SetRegion(const Region& region) override;
    void SetEnabled(bool enabled) override { setEnabled(enabled); }
    std::optional<std::string> SetCursorPicture(const PicturePtr& picture) override;
    void SetAccessKey(const std::string& key) override;
    bool HasFocus() override { return hasFocus(); }
    void Focus() override { setFocus(Qt::OtherFocusReason); }
    void Capture(bool on) override;
    void StartHoverPoll(int periodMs) override { hoverTimer_.start(periodMs); }
    void StopHoverPoll() override { hoverTimer_.stop(); }
    bool CursorOver() override;
    ClientPoint Cursor() override;
    void MoveFocus(bool forward) override;
    void Show(const Bitmap& face) override;
    void ShowMessage(const std::string& text, int style, const std::string& caption) override;
    void AccessibleChanged(AccessibleChange change) override { AnnounceChange(*this, change); }

    QTimer hoverTimer_;
    std::unique_ptr<QShortcut> accessKey_;
    QImage face_;
    bool painting_ = false; // inside paintEvent: the new face is drawn there
    HostedButton host_;     // last: it paints through the members above
};

} // namespace tarvenel::qt

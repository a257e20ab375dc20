#pragma once
// A form's native surface as a Qt window: the frameless, skinned main window
// or the countdown's dialog, with Qt widgets for its controls. It only maps
// the core's requests onto the widgets and the widgets' input onto the
// core's events; the form host decides the rest.
#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "app/native_form.h"

class QComboBox;
class QLineEdit;

namespace tarvenel::qt {

class QtForm : public QWidget, public NativeForm {
    Q_OBJECT
public:
    enum class Frame { Skinned, Dialog };
    explicit QtForm(Frame frame);
    ~QtForm() override;

    // A control's widget by its form name; null for an unknown one.
    QWidget* Widget(const std::string& name) const;
    QWidget* Widget(int control) const;
    // The number of the control a widget is, or kForm.
    int ControlOf(const QObject* object) const;
    // The window's background as last shown, and a drawn control's face.
    const QImage& Face(int control) const;

    // NativeForm
    void Attach(FormSink& sink) override { sink_ = &sink; }
    void Make(int control, const ControlSpec& spec) override;
    std::string Text(int control) const override;
    void SetText(int control, const std::string& text) override;
    bool Enabled(int control) const override;
    void SetEnabled(int control, bool enabled) override;
    bool Visible(int control) const override;
    void SetVisible(int control, bool visible) override;
    bool Focused(int control) const override;
    void Focus(int control) override;
    TwipsRect Place(int control) const override;
    void SetPlace(int control, const TwipsRect& place) override;
    int TextWidth(int control, const std::string& text) const override;
    void AnnounceChange(int control, AccessibleChange change) override;
    void ClearEntries(int control) override;
    void AddEntries(int control, const std::vector<std::string>& texts) override;
    void RemoveEntry(int control, int index) override;
    int EntryCount(int control) const override;
    std::string Entry(int control, int index) const override;
    bool Checked(int control) const override;
    void SetChecked(int control, bool checked) override;
    void ShowFace(int control, const Bitmap& face) override;
    void SetOutline(int control, const Region& outline) override;
    void Capture(int control, bool on) override;
    bool CursorOver(int control) const override;
    void CursorAt(int control, float& x, float& y) const override;
    void SetAccessKey(int control, char key) override;
    void StartTimer(int timer, int ms) override;
    void StopTimer(int timer) override;
    long long NowMs() const override;
    WindowState State() const override;
    void SetState(WindowState state) override;
    void BeginSystemMove() override;
    void SetAlwaysOnTop(bool onTop) override;
    void Close() override;
    void SetCaretResting(bool resting) override;

    // Sends an event to the core; true when it was used up.
    bool Send(const FormEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct Control;
    Control* At(int control) const;
    std::optional<ControlKind> KindOf(int control) const;
    bool Key(int control, QKeyEvent* event);
    QLineEdit* StandIn();
    void MakeListsEditable();

    Frame frame_;
    FormSink* sink_ = nullptr;
    std::map<int, std::unique_ptr<Control>> controls_;
    std::vector<QWidget*> stops_; // the tab stops as made
    std::map<int, std::unique_ptr<QTimer>> timers_;
    QImage background_;
    std::optional<QCursor> hand_; // made once for all the linked labels
    // A hidden field that draws the lists' fields until they exist.
    QLineEdit* standIn_ = nullptr;
    bool listsDue_ = false;
    bool closed_ = false;
    int flashTime_;
    // A move by hand when the window manager does not run one.
    bool manualMove_ = false;
    QPoint moveOffset_;
};

// A fresh countdown dialog for the launcher.
std::unique_ptr<NativeForm> MakeCountdownForm();

} // namespace tarvenel::qt

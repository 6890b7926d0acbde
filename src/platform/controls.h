#pragma once

// Small helpers that every window shares: twips geometry of controls, the mode covers, and key
// preview (a window that sees key presses before its controls).

#include "platform/twips.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

class QKeyEvent;
class QLabel;
class QPushButton;

namespace Twips {
inline void place(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}
inline void setLeft(QWidget* w, int left)
{
    w->move(toPixels(left), w->y());
}
inline int left(const QWidget* w)
{
    return fromPixels(w->x());
}
inline int width(const QWidget* w)
{
    return fromPixels(w->width());
}
} // namespace Twips

// A new control at its place in twips, named for tests and tools: the name is that of the
// window's member without its trailing underscore ("checkButton" for checkButton_).
template<typename Control>
Control* placed(Control* control, const char* name, int left, int top, int width, int height)
{
    control->setObjectName(QLatin1String(name));
    Twips::place(control, left, top, width, height);
    return control;
}

// A label or a push button with its caption, placed and named as placed() does; buttons are
// 495 twips high unless told.
QLabel* placedLabel(QWidget* window, const char* name, const QString& caption, int left, int top,
                    int width, int height);
QPushButton* placedButton(QWidget* window, const char* name, const QString& caption, int left,
                          int top, int width, int height = 495);

// A sunken box drawn around a group of controls, or a line when it is a few twips high; clicks go
// through it. A window makes its frames first, so that its controls lie above them.
QWidget* groupFrame(QWidget* window, const char* name, int left, int top, int width, int height);

// The control paints its whole area in the background colour; given a text colour, its text (a
// button's too) is drawn in that one.
void fillBackground(QWidget* control, const QColor& background, const QColor& text = QColor());

// The training window shows a mode (error practice, mandatory tasks) by a large cover button:
// while the mode is on it covers the left half of the window (left edge 240 twips), while it is off
// it is parked outside the window (9600 twips).
namespace ModeCover {
constexpr int On = 240;
constexpr int Off = 9600;
inline void place(QWidget* cover, bool on)
{
    Twips::setLeft(cover, on ? On : Off);
}
} // namespace ModeCover

// True when a person can see and click the control: it lies inside its window's visible area and
// no other control covers its middle (a mode cover, for instance). Windows whose controls can be
// parked outside or covered use it to keep such controls out of the Tab order.
bool inView(const QWidget* control);

// Key preview: the window sees every key press meant for it or one of its controls first, while it
// is visible and no modal dialog is open. The handler returns true when it has acted on the key;
// the key is then swallowed, so one physical press acts exactly once. A key the handler leaves goes
// on to the focused control as usual.
class KeyPreview final : public QObject {
public:
    using Handler = std::function<bool(QKeyEvent*)>;
    KeyPreview(QWidget* window, Handler handler);
    ~KeyPreview() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    Handler handler_;
};

// Escape in the window does what its cancel or close button does.
void onEscape(QWidget* window, const std::function<void()>& action);

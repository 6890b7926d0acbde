#include "platform/controls.h"

#include <QPalette>

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

KeyPreview::KeyPreview(QWidget* window, Handler handler)
    : QObject(window), window_(window), handler_(std::move(handler))
{
    // The application sees a key press before the control that has the focus does.
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !window_)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_ || !window_->isVisible()
        || QApplication::activeModalWidget())
        return false;
    // A key press that a control leaves travels on to its parent and passes here again; the
    // handler leaves such a key alone every time, and a key it takes never travels on.
    return handler_(static_cast<QKeyEvent*>(event));
}

void onEscape(QWidget* window, const std::function<void()>& action)
{
    new KeyPreview(window, [action](QKeyEvent* event) {
        if (event->key() != Qt::Key_Escape)
            return false;
        action();
        return true;
    });
}

QLabel* placedLabel(QWidget* window, const char* name, const QString& caption, int left, int top,
                    int width, int height)
{
    return placed(new QLabel(caption, window), name, left, top, width, height);
}

QPushButton* placedButton(QWidget* window, const char* name, const QString& caption, int left,
                          int top, int width, int height)
{
    return placed(new QPushButton(caption, window), name, left, top, width, height);
}

bool inView(const QWidget* control)
{
    const QWidget* window = control->window();
    if (window == control || !control->isVisibleTo(window))
        return false;
    const QPoint middle = control->mapTo(window, control->rect().center());
    if (!window->rect().contains(middle))
        return false;
    const QWidget* top = window->childAt(middle);
    return top == control || control->isAncestorOf(top);
}

QWidget* groupFrame(QWidget* window, const char* name, int left, int top, int width, int height)
{
    auto* frame = placed(new QFrame(window), name, left, top, width, height);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return frame;
}

void fillBackground(QWidget* control, const QColor& background, const QColor& text)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Button, background);
    if (text.isValid()) {
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::ButtonText, text);
    }
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

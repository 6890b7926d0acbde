#include "platform/picture_button.h"

#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

PictureButton::PictureButton(QWidget* parent, const QString& picture, const QString& whatItDoes)
    : QToolButton(parent)
{
    setIcon(QIcon(picture));
    setIconSize(QSize(30, 30));
    setAutoRaise(true);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(whatItDoes);
    setAccessibleName(whatItDoes);
}

ClickableLabel::ClickableLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

EntryDisplay::EntryDisplay(QWidget* parent) : QLabel(parent)
{
    setAccessibleName(QStringLiteral("Ergebnis"));
    showEntry(QString());
}

void EntryDisplay::showEntry(const QString& entry)
{
    setText(entry);
    setAccessibleDescription(entry.isEmpty() ? QStringLiteral("leer") : entry);
}

void EntryDisplay::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!text().isEmpty())
        return;
    // A caret as tall as a digit, where the first digit will stand.
    QPainter p(this);
    const int height = fontMetrics().height();
    const int top = (this->height() - height) / 2;
    const int left = contentsRect().left() + 2;
    p.fillRect(left, top, 2, height, palette().color(QPalette::WindowText));
}

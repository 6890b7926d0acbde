#include "training/picture_button.h"

#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>

PictureButton::PictureButton(QWidget* parent, const QString& iconName, const QString& whatItDoes)
    : QToolButton(parent)
{
    setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(iconName)));
    setIconSize(QSize(30, 30));
    setAutoRaise(true);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(whatItDoes);
    setAccessibleName(whatItDoes);
}

ClickableLabel::ClickableLabel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
        onClick();
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && onClick) {
        onClick();
        return;
    }
    QLabel::keyPressEvent(event);
}

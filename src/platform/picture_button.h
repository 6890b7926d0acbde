#pragma once

#include <QLabel>
#include <QToolButton>

#include <functional>

// A picture that acts on a click: a flat button showing one of the program's drawings (a resource
// path such as ":/icons/user.svg"). It takes the keyboard focus and reacts to the space bar like
// any button, and carries a German name and tooltip for screen readers.
class PictureButton : public QToolButton {
    Q_OBJECT
public:
    PictureButton(QWidget* parent, const QString& picture, const QString& whatItDoes);
};

// A label that reacts to a click (and, when it has the focus, to the space bar).
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& caption, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The place where the child's answer appears. While it is empty it shows a text cursor, so a child
// sees where typing goes; a screen reader hears "Ergebnis" and the entry, or "leer".
class EntryDisplay : public QLabel {
    Q_OBJECT
public:
    explicit EntryDisplay(QWidget* parent);
    void showEntry(const QString& entry);

protected:
    void paintEvent(QPaintEvent* event) override;
};

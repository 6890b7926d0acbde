#pragma once

// What the windows of the reward games share: picture buttons showing the games' own drawings,
// controls named and placed in one line each, and the text field of the prison and the number
// catch told to assistive technology.

#include "platform/controls.h"

#include <QColor>
#include <QToolButton>

class DrawingSurface;

// A picture that acts on a click, with a German name and tooltip for screen readers; it takes
// the keyboard focus and the space bar like any button.
class GamePicture : public QToolButton {
    Q_OBJECT
public:
    GamePicture(QWidget* parent, const QString& picture, const QString& whatItDoes);
};

template <typename Control>
Control* Named(Control* control, const char* name, int left, int top, int width, int height)
{
    control->setObjectName(QLatin1String(name));
    Twips::Place(control, left, top, width, height);
    return control;
}

// The surface a text-grid game draws its field on, covering the whole window below its controls.
DrawingSurface* GameField(QWidget* window, const QColor& background);

// Puts what stands on the field into its accessible description, one line per row.
void TellField(DrawingSurface* field, int columns, int firstRow, int lastRow);

// The colour a field's characters are erased with.
QColor Paper();

// Fills a label's background with a colour of its own.
void Paint(QWidget* control, const QColor& background, const QColor& text);

#pragma once

// What the windows of the reward games share: controls named and placed in one line each, and
// the text field of the prison and the number catch told to assistive technology.

#include "platform/controls.h"
#include "platform/picture_button.h"

#include <QColor>

class DrawingSurface;

// The surface a text-grid game draws its field on, covering the whole window below its controls.
DrawingSurface* gameField(QWidget* window, const QColor& background);

// Puts what stands on the field into its accessible description, one line per row.
void tellField(DrawingSurface* field, int columns, int firstRow, int lastRow);

// The colour a field's characters are erased with.
QColor paper();

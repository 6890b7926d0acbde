#include "games/game_window.h"

#include "platform/drawing_surface.h"

DrawingSurface* gameField(QWidget* window, const QColor& background)
{
    auto* field = new DrawingSurface(window);
    field->setObjectName(QStringLiteral("field"));
    field->setAccessibleName(QStringLiteral("Spielfeld"));
    field->setGeometry(QRect(QPoint(0, 0), window->size()));
    field->setBackColor(background);
    field->setScaleMode(DrawingSurface::Unit::Points);
    field->lower();
    return field;
}

void tellField(DrawingSurface* field, int columns, int firstRow, int lastRow)
{
    field->setAccessibleDescription(field->cellGrid(14, columns, firstRow, lastRow, paper()));
}

QColor paper()
{
    return DrawingSurface::qbColor(15);
}

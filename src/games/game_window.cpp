#include "games/game_window.h"

#include "platform/drawing_surface.h"

DrawingSurface* GameField(QWidget* window, const QColor& background)
{
    auto* field = new DrawingSurface(window);
    field->setObjectName(QStringLiteral("Spielfeld"));
    field->setAccessibleName(QStringLiteral("Spielfeld"));
    field->setGeometry(QRect(QPoint(0, 0), window->size()));
    field->SetBackColor(background);
    field->SetScaleMode(DrawingSurface::Unit::Points);
    field->lower();
    return field;
}

void TellField(DrawingSurface* field, int columns, int firstRow, int lastRow)
{
    field->setAccessibleDescription(field->CellGrid(14, columns, firstRow, lastRow, Paper()));
}

QColor Paper()
{
    return DrawingSurface::QBColor(15);
}

void Paint(QWidget* control, const QColor& background, const QColor& text)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Button, background);
    palette.setColor(QPalette::ButtonText, text);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

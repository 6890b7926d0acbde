#pragma once

#include <QWidget>

// Positions and sizes of controls are given in twips (1/1440 inch); at 96 dpi one pixel is 15
// twips, and Qt scales the pixels on high-dpi screens.
namespace Twips {
constexpr int PerPixel = 15;
inline int ToPixels(int twips) { return (twips + PerPixel / 2) / PerPixel; }
inline int FromPixels(int pixels) { return pixels * PerPixel; }
inline void Place(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}
inline void SetLeft(QWidget* w, int left) { w->move(ToPixels(left), w->y()); }
inline int Left(const QWidget* w) { return FromPixels(w->x()); }
inline int Width(const QWidget* w) { return FromPixels(w->width()); }
} // namespace Twips

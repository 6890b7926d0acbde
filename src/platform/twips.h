#pragma once

// Positions and sizes of controls are given in twips (1/1440 inch); at 96 dpi one pixel is 15
// twips, and Qt scales the pixels on high-dpi screens. The widget side (placing a control, reading
// its left edge) is in platform/controls.h.
namespace Twips {
constexpr int PerPixel = 15;
constexpr int toPixels(int twips)
{
    return (twips + PerPixel / 2) / PerPixel;
}
constexpr int fromPixels(int pixels)
{
    return pixels * PerPixel;
}
} // namespace Twips

#include "platform/drawing_surface.h"

#include "platform/twips.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <array>

DrawingSurface::DrawingSurface(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(QStringLiteral("Arial"), 8.25);
}

QColor DrawingSurface::qbColor(int index)
{
    static constexpr std::array<QRgb, 16> palette{ 0x000000, 0x000080, 0x008000, 0x008080,
                                                   0x800000, 0x800080, 0x808000, 0xC0C0C0,
                                                   0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                                   0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF };
    return QColor(palette[std::clamp(index, 0, 15)]);
}

void DrawingSurface::setBackColor(const QColor& color)
{
    backColor_ = color;
}

void DrawingSurface::setForeColor(const QColor& color)
{
    foreColor_ = color;
}

void DrawingSurface::setFont(const QString& family, double pointSize, bool bold)
{
    font_ = QFont(family);
    font_.setBold(bold);
    font_.setStyleStrategy(QFont::NoAntialias);
    setFontSize(pointSize);
}

void DrawingSurface::setFontSize(double pointSize)
{
    // Sizes in points at 96 dots per inch, the unit every position of the surface is scaled from.
    font_.setPixelSize(std::max(1, qRound(pointSize * 96.0 / 72.0)));
}

QPointF DrawingSurface::toPixels(double x, double y) const
{
    const double perPixel = unit_ == Unit::Twips ? Twips::PerPixel : 0.75;
    return { x / perPixel, y / perPixel };
}

void DrawingSurface::ensureImage()
{
    const qreal ratio = devicePixelRatioF();
    const QSize wanted = size().expandedTo(
            image_.isNull() ? QSize(1, 1) : image_.deviceIndependentSize().toSize());
    if (!image_.isNull() && image_.deviceIndependentSize().toSize() == wanted
        && image_.devicePixelRatio() == ratio)
        return;
    QImage grown(wanted * ratio, QImage::Format_RGB32);
    grown.setDevicePixelRatio(ratio);
    grown.fill(backColor_);
    if (!image_.isNull()) {
        QPainter p(&grown);
        p.drawImage(QPointF(0, 0), image_);
    }
    image_ = std::move(grown);
}

void DrawingSurface::cls()
{
    ensureImage();
    image_.fill(backColor_);
    written_.clear();
    update();
}

void DrawingSurface::printAt(double x, double y, const QString& text)
{
    ensureImage();
    const QPointF at = toPixels(x, y);
    const QFontMetricsF metrics(font_);
    QPainter p(&image_);
    p.setFont(font_);
    p.setPen(foreColor_);
    p.drawText(QPointF(at.x(), at.y() + metrics.ascent()), text);
    p.end();
    written_.removeIf([&](const Written& w) { return w.at == QPointF(x, y); });
    written_.append({ QPointF(x, y), text, foreColor_ });
    changed(QRectF(at,
                   QSizeF(metrics.horizontalAdvance(text) + metrics.maxWidth(), metrics.height())));
}

void DrawingSurface::line(double x1, double y1, double x2, double y2, const QColor& color)
{
    ensureImage();
    const QPointF a = toPixels(x1, y1), b = toPixels(x2, y2);
    QPainter p(&image_);
    p.setPen(QPen(color, 0));
    p.drawLine(a, b);
    p.end();
    changed(QRectF(a, b).normalized().adjusted(-1, -1, 1, 1));
}

void DrawingSurface::filledRect(double x1, double y1, double x2, double y2, const QColor& color)
{
    ensureImage();
    const QRectF r = QRectF(toPixels(x1, y1), toPixels(x2, y2)).normalized();
    QPainter p(&image_);
    p.fillRect(r, color);
    p.end();
    changed(r.adjusted(-1, -1, 1, 1));
}

QString DrawingSurface::cellGrid(double cell, int columns, int firstRow, int lastRow,
                                 const QColor& paper) const
{
    QStringList rows(std::max(0, lastRow - firstRow + 1), QString(columns, u' '));
    for (const Written& w : written_) {
        const int c = qRound(w.at.x() / cell), r = qRound(w.at.y() / cell);
        if (w.text.size() != 1 || c * cell != w.at.x() || r * cell != w.at.y() || c < 1
            || c > columns || r < firstRow || r > lastRow)
            continue;
        rows[r - firstRow][c - 1] = w.color == paper ? u' ' : w.text.at(0);
    }
    return rows.join(u'\n');
}

QColor DrawingSurface::pixelAt(double x, double y) const
{
    const QPointF at = toPixels(x, y) * image_.devicePixelRatio();
    return image_.valid(at.toPoint()) ? image_.pixelColor(at.toPoint()) : backColor_;
}

void DrawingSurface::changed(const QRectF& pixels)
{
    update(pixels.toAlignedRect());
}

void DrawingSurface::paintEvent(QPaintEvent* event)
{
    ensureImage();
    QPainter p(this);
    const QRect r = event->rect();
    const qreal ratio = image_.devicePixelRatio();
    p.drawImage(r, image_, QRectF(r.topLeft() * ratio, r.size() * ratio));
}

void DrawingSurface::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ensureImage();
}

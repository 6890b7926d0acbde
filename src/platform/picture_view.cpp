#include "platform/picture_view.h"

#include <QPainter>

void drawPicture(QPainter& painter, const PrintPicture& picture, const QRectF& target)
{
    if (picture.width <= 0 || picture.height <= 0)
        return;
    const double sx = target.width() / picture.width;
    const double sy = target.height() / picture.height;
    const auto place = [&](const QRectF& r) {
        return QRectF(target.left() + r.left() * sx, target.top() + r.top() * sy, r.width() * sx,
                      r.height() * sy);
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const PrintPicture::Shape& shape : picture.shapes) {
        const QColor color = QColor::fromRgb(shape.rgb);
        const QRectF rect = place(shape.rect);
        switch (shape.kind) {
        case PrintPicture::Shape::Kind::Box:
            painter.fillRect(rect, color);
            break;
        case PrintPicture::Shape::Kind::Line:
            painter.setPen(QPen(color, std::max(1.0, sy * 0.5)));
            painter.drawLine(rect.topLeft(), rect.bottomRight());
            break;
        case PrintPicture::Shape::Kind::Text: {
            QFont font = painter.font();
            font.setPixelSize(std::max(1, int(rect.height() * 0.8)));
            painter.setFont(font);
            painter.setPen(color);
            painter.drawText(rect, Qt::AlignCenter | Qt::TextDontClip, shape.text);
            break;
        }
        }
    }
    painter.restore();
}

void PictureView::showPicture(const PrintPicture& picture)
{
    picture_ = picture;
    update();
}

void PictureView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    drawPicture(painter, picture_, rect());
}

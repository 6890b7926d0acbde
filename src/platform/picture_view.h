#pragma once

#include "platform/print_job.h"

#include <QWidget>

class QPainter;

// Draws a picture of a print job (a chart) into `target`, scaled to fill it: on paper by the
// desktop's printer, on screen by PictureView. Drawn as shapes and text, never as pixels, so it is
// sharp on any printer and at any screen scale.
void drawPicture(QPainter& painter, const PrintPicture& picture, const QRectF& target);

// A window's view of a picture. It takes no focus: a table beside it holds the same numbers for
// the keyboard and a screen reader.
class PictureView final : public QWidget {
public:
    explicit PictureView(QWidget* parent) : QWidget(parent) { }
    void showPicture(const PrintPicture& picture);
    const PrintPicture& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PrintPicture picture_;
};

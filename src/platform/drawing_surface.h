#pragma once

// The drawing surface of a game window: what is drawn stays drawn (it survives being covered and
// repainted) until the surface is cleared. Positions are in twips or in points, as the game sets;
// colours come from the 16-colour palette. Text is written with its cell's top-left corner at the
// position and without smoothing, so writing the same text again in the background colour erases
// it completely. What was written can be read back: as pixels, as the latest text at each
// position, and, for the games that write one character per cell, as a grid of cells.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QWidget>

class DrawingSurface final : public QWidget {
public:
    enum class Unit { Twips, Points };
    struct Written {
        QPointF at; // in the unit it was written in
        QString text;
        QColor color;
        bool operator==(const Written&) const = default;
    };

    explicit DrawingSurface(QWidget* parent);

    // The 16-colour palette: 0 black, 1 dark blue, ... 14 yellow, 15 white.
    static QColor qbColor(int index);

    void setBackColor(const QColor& color); // the colour that Cls fills with
    void setForeColor(const QColor& color);
    void setFont(const QString& family, double pointSize, bool bold = false);
    void setFontSize(double pointSize);
    void setScaleMode(Unit unit) { unit_ = unit; }

    void cls(); // fills with the background colour and forgets what was written
    void printAt(double x, double y, const QString& text); // in the drawing colour
    void line(double x1, double y1, double x2, double y2, const QColor& color);
    void filledRect(double x1, double y1, double x2, double y2, const QColor& color);

    // Read-back: the latest text written at each position since the last Cls, in the order of
    // writing (a game that rewrites the same cells for hours keeps a list as long as its field);
    // the pixel at a position.
    const QList<Written>& texts() const { return written_; }
    // The field of a text-grid game as a person reads it: one line per row from firstRow to
    // lastRow, one character per column from 1 to columns, the cell (c, r) at (cell * c, cell * r).
    // A cell whose latest character was written in the paper colour (erased) or never written
    // is a blank.
    QString cellGrid(double cell, int columns, int firstRow, int lastRow,
                     const QColor& paper) const;
    QColor pixelAt(double x, double y) const;
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPointF toPixels(double x, double y) const;
    void changed(const QRectF& pixels);
    void ensureImage();

    QImage image_;
    QColor backColor_ = Qt::white;
    QColor foreColor_ = Qt::black;
    QFont font_;
    Unit unit_ = Unit::Twips;
    QList<Written> written_;
};

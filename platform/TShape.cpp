#include "TShape.h"

#include <QImage>
#include <QPainter>
#include <map>
#include <tuple>

TShape::TShape(QWidget *parent)
    : QWidget(parent)
{ }

void TShape::setShape(ShapeType shape)
{
    if (m_shape == shape)
        return;
    m_shape = shape;
    update();
}

void TShape::setBrushStyle(BrushStyle style)
{
    if (m_brushStyle == style)
        return;
    m_brushStyle = style;
    update();
}

void TShape::setBrushColor(const QColor &color)
{
    if (m_brushColor == color)
        return;
    m_brushColor = color;
    update();
}

void TShape::setPenStyle(PenStyle style)
{
    if (m_penStyle == style)
        return;
    m_penStyle = style;
    update();
}

void TShape::setPenColor(const QColor &color)
{
    if (m_penColor == color)
        return;
    m_penColor = color;
    update();
}

namespace {

// Whether pixel (x, y) of a side-by-side square lies inside the round shape.
// Tested at pixel centres, so the shape is the same on all four sides.
bool insideRoundShape(TShape::ShapeType shape, int side, int x, int y)
{
    const qreal px = x + 0.5;
    const qreal py = y + 0.5;
    // A circle is a rounded square whose corners take half the side.
    const qreal radius = shape == TShape::stCircle ? side / 2.0 : side / 4.0;
    const qreal cx = qBound(radius, px, side - radius);
    const qreal cy = qBound(radius, py, side - radius);
    const qreal dx = px - cx;
    const qreal dy = py - cy;
    // A little slack keeps the pixels that the curve just grazes.
    return dx * dx + dy * dy <= (radius + 0.2) * (radius + 0.2);
}

// Circles and rounded squares are only a few pixels across: set their pixels
// directly, crisp and symmetric, rather than leave them to the rasteriser's
// rounding. An invalid colour leaves those pixels transparent. The few looks
// in use are made once and shared.
QImage roundShapeImage(TShape::ShapeType shape, int side, const QColor &fill, const QColor &outline)
{
    using Key = std::tuple<int, int, QRgb, bool, QRgb, bool>;
    static std::map<Key, QImage> made;
    const Key key { shape, side, fill.rgba(), fill.isValid(), outline.rgba(), outline.isValid() };
    if (const auto found = made.find(key); found != made.end())
        return found->second;

    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < side && y < side && insideRoundShape(shape, side, x, y);
    };
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            if (!inside(x, y))
                continue;
            const bool edge
                = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            const QColor &colour = edge && outline.isValid() ? outline : fill;
            if (colour.isValid())
                image.setPixelColor(x, y, colour);
        }
    }
    made.emplace(key, image);
    return image;
}

} // namespace

void TShape::paintEvent(QPaintEvent *)
{
    if (m_brushStyle == bsClear && m_penStyle == psClear)
        return;

    QPainter painter(this);
    if (m_shape == stRectangle) {
        painter.setBrush(m_brushStyle == bsSolid ? QBrush(m_brushColor) : QBrush(Qt::NoBrush));
        painter.setPen(m_penStyle == psSolid ? QPen(m_penColor, 0) : QPen(Qt::NoPen));
        // QPainter outlines a rectangle one pixel past its right and bottom edges.
        painter.drawRect(m_penStyle == psSolid ? rect().adjusted(0, 0, -1, -1) : rect());
        return;
    }

    const int side = qMin(width(), height());
    painter.drawImage((width() - side) / 2, (height() - side) / 2,
        roundShapeImage(m_shape, side, m_brushStyle == bsSolid ? m_brushColor : QColor(),
            m_penStyle == psSolid ? m_penColor : QColor()));
}

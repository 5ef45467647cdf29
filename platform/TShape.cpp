#include "TShape.h"

#include <QPainter>

TShape::TShape(QWidget *parent)
    : QWidget(parent)
{
}

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

void TShape::paintEvent(QPaintEvent *)
{
    if (m_brushStyle == bsClear && m_penStyle == psClear)
        return;

    QPainter painter(this);
    // Crisp one-pixel outlines, as the marks are only a few pixels across.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(m_brushStyle == bsSolid ? QBrush(m_brushColor) : QBrush(Qt::NoBrush));
    painter.setPen(m_penStyle == psSolid ? QPen(m_penColor, 1) : QPen(Qt::NoPen));

    QRect box = rect();
    if (m_shape != stRectangle) {
        const int side = qMin(width(), height());
        box = QRect((width() - side) / 2, (height() - side) / 2, side, side);
    }
    // QPainter outlines a rectangle one pixel past its right and bottom edges.
    const QRect outline = box.adjusted(0, 0, -1, -1);
    switch (m_shape) {
    case stRectangle:
        painter.drawRect(outline);
        break;
    case stCircle:
        painter.drawEllipse(outline);
        break;
    case stRoundSquare: {
        const qreal radius = box.width() / 4.0;
        painter.drawRoundedRect(outline, radius, radius);
        break;
    }
    }
}

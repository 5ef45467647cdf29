#pragma once

#include "Dispatch.h"

#include <QColor>
#include <QWidget>

// A graphic control that paints one shape from its fill and its outline.
// Circles and rounded squares take the smaller side and sit centred in the
// rectangle, so a wide shape is a small mark inside a wider clickable area.
class TShape : public QWidget, public TMessageTarget
{
    Q_OBJECT
    Q_PROPERTY(ShapeType shape READ shape WRITE setShape)
    Q_PROPERTY(BrushStyle brushStyle READ brushStyle WRITE setBrushStyle)
    Q_PROPERTY(QColor brushColor READ brushColor WRITE setBrushColor)
    Q_PROPERTY(PenStyle penStyle READ penStyle WRITE setPenStyle)
    Q_PROPERTY(QColor penColor READ penColor WRITE setPenColor)

public:
    enum ShapeType
    {
        stRectangle,
        stCircle,
        stRoundSquare
    };
    Q_ENUM(ShapeType)
    enum BrushStyle
    {
        bsSolid,
        bsClear
    };
    Q_ENUM(BrushStyle)
    enum PenStyle
    {
        psSolid,
        psClear
    };
    Q_ENUM(PenStyle)

    explicit TShape(QWidget *parent = nullptr);

    ShapeType shape() const { return m_shape; }
    void setShape(ShapeType shape);
    BrushStyle brushStyle() const { return m_brushStyle; }
    void setBrushStyle(BrushStyle style);
    QColor brushColor() const { return m_brushColor; }
    void setBrushColor(const QColor &color);
    PenStyle penStyle() const { return m_penStyle; }
    void setPenStyle(PenStyle style);
    QColor penColor() const { return m_penColor; }
    void setPenColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ShapeType m_shape = stRectangle;
    BrushStyle m_brushStyle = bsSolid;
    QColor m_brushColor = Qt::white;
    PenStyle m_penStyle = psSolid;
    QColor m_penColor = Qt::black;
};

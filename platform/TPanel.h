#pragma once

#include <QWidget>

// A panel with an outer and an inner bevel of one pixel each, drawn inside
// its rectangle; children are placed relative to the panel's top-left corner.
class TPanel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(Bevel bevelOuter READ bevelOuter WRITE setBevelOuter)
    Q_PROPERTY(Bevel bevelInner READ bevelInner WRITE setBevelInner)

public:
    enum Bevel
    {
        bvNone,
        bvLowered,
        bvRaised
    };
    Q_ENUM(Bevel)

    explicit TPanel(QWidget *parent = nullptr);

    Bevel bevelOuter() const { return m_outer; }
    void setBevelOuter(Bevel bevel);
    Bevel bevelInner() const { return m_inner; }
    void setBevelInner(Bevel bevel);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Bevel m_outer = bvRaised;
    Bevel m_inner = bvNone;
};

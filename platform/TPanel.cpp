#include "TPanel.h"

#include <QPainter>

TPanel::TPanel(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

void TPanel::setBevelOuter(Bevel bevel)
{
    if (m_outer == bevel)
        return;
    m_outer = bevel;
    update();
}

void TPanel::setBevelInner(Bevel bevel)
{
    if (m_inner == bevel)
        return;
    m_inner = bevel;
    update();
}

namespace {

// One ring of a bevel: raised is light at the top and left, dark at the
// bottom and right; lowered is the reverse.
void drawBevel(QPainter &painter, const QRect &ring, TPanel::Bevel bevel, const QPalette &palette)
{
    if (bevel == TPanel::bvNone)
        return;
    const QColor light = palette.color(QPalette::Light);
    const QColor dark = palette.color(QPalette::Dark);
    const QColor topLeft = bevel == TPanel::bvRaised ? light : dark;
    const QColor bottomRight = bevel == TPanel::bvRaised ? dark : light;
    painter.setPen(topLeft);
    painter.drawLine(ring.topLeft(), ring.topRight());
    painter.drawLine(ring.topLeft(), ring.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(ring.bottomLeft(), ring.bottomRight());
    painter.drawLine(ring.topRight(), ring.bottomRight());
}

} // namespace

void TPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QRect ring = rect();
    if (m_outer != bvNone) {
        drawBevel(painter, ring, m_outer, palette());
        ring.adjust(1, 1, -1, -1);
    }
    drawBevel(painter, ring, m_inner, palette());
}

#include "TGroupBox.h"

#include <QPainter>

TGroupBox::TGroupBox(QWidget *parent)
    : QGroupBox(parent)
{ }

void TGroupBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int frameTop = metrics.height() / 2;
    const QRect frame = rect().adjusted(0, frameTop, -1, -1);

    // Etched: a dark line with a light one just inside and below it.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));

    if (title().isEmpty())
        return;
    const int captionLeft = 8;
    const QRect caption(captionLeft, 0, metrics.horizontalAdvance(title()) + 2, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, title());
}

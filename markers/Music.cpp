#include "Music.h"

#include "Repaint.h"

#include <QMouseEvent>

namespace {

// Steps one semitone at a time and wraps only on landing exactly on -1 or 12,
// so values outside 0..11 are carried along rather than corrected.
int transposed(int note, int steps)
{
    const int step = steps > 0 ? 1 : -1;
    for (int i = 0; i != steps; i += step) {
        note += step;
        if (note == -1)
            note = 11;
        if (note == 12)
            note = 0;
    }
    return note;
}

void makeHidden(TShape &marker)
{
    marker.setBrushStyle(TShape::bsClear);
    marker.setPenStyle(TShape::psClear);
}

void makeShown(TShape &marker, const QColor &fill)
{
    marker.setBrushStyle(TShape::bsSolid);
    marker.setPenStyle(TShape::psSolid);
    marker.setBrushColor(fill);
}

void writeNote(QWidget &marker, int &stored, int note)
{
    if (stored == note)
        return;
    stored = note;
    processPendingRepaints(marker.parentWidget());
}

} // namespace

TMusic::TMusic(QWidget *parent)
    : TShape(parent)
{ }

void TMusic::setNote(int note)
{
    writeNote(*this, m_note, note);
}

void TMusic::DefaultHandler(TMessage &message)
{
    switch (message.Msg) {
    case msgShow:
        if (message.Result == 0)
            makeShown(*this, message.LParam == message.WParam ? markerNavy : QColor(Qt::white));
        else if (message.Result > 0 && message.LParam == 1)
            makeShown(
                *this, message.Result - keyFormOffset == m_note ? markerNavy : QColor(Qt::white));
        break;
    case msgHide:
        makeHidden(*this);
        break;
    case msgTranspose:
        m_note = transposed(m_note, message.WParam);
        break;
    default:
        break;
    }
}

void TMusic::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    if (OnDblClick)
        OnDblClick(this);
}

TNote::TNote(QWidget *parent)
    : TShape(parent)
{ }

void TNote::setNote(int note)
{
    writeNote(*this, m_note, note);
}

void TNote::DefaultHandler(TMessage &message)
{
    switch (message.Msg) {
    case msgShow:
        if (message.Result == 0)
            makeShown(
                *this, message.LParam == message.WParam ? QColor(Qt::black) : QColor(Qt::white));
        break;
    case msgHide:
        makeHidden(*this);
        break;
    case msgTranspose:
        m_note = transposed(m_note, message.WParam);
        break;
    default:
        break;
    }
}

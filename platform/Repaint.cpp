#include "Repaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

void processPendingRepaints(QWidget *control)
{
    if (!control)
        return;
    QCoreApplication::sendPostedEvents(control->window(), QEvent::UpdateRequest);
}

#pragma once

class QWidget;

// Paints whatever is waiting to be repainted in the control's window now,
// instead of when the event loop next gets to it.
void processPendingRepaints(QWidget *control);

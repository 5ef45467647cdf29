#pragma once

class QWidget;

// Moves a window so that it sits in the middle of its screen's available area.
void centerOnScreen(QWidget *window);

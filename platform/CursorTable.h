#pragma once

#include <QCursor>
#include <QPoint>
#include <optional>

class QString;
class QWidget;

// The screen's table of numbered cursors. Controls carry a number from their
// design (the dynamic property "cursorNumber"); 0, or a number with no cursor
// installed, means the control has no cursor of its own.
namespace Screen {
void installCursor(int number, const QCursor &cursor);
std::optional<QCursor> cursor(int number);
void clearCursors();
} // namespace Screen

// Loads a cursor picture from the program's resources; nothing if it is missing.
std::optional<QCursor> LoadCursor(const QString &name, QPoint hotSpot);

// Gives every control under root (root included) the cursor its number stands for,
// or the arrow if that number has no cursor installed. A control with number 0 shows
// what its kind shows by default: a label, shape or picture the cursor of the control
// it sits on, any other control the arrow (an edit field its text cursor, a size grip
// its sizing arrow).
void applyCursorNumbers(QWidget *root);

// The number a control carries from its design.
int cursorNumber(const QWidget *control);
void setCursorNumber(QWidget *control, int number);

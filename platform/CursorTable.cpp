#include "CursorTable.h"

#include "TShape.h"
#include "TStaticText.h"

#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPixmap>
#include <QSizeGrip>
#include <QString>
#include <QWidget>

namespace {

QMap<int, QCursor> &cursorTable()
{
    static QMap<int, QCursor> table;
    return table;
}

// Labels, shapes and pictures are drawn by their parent and take its cursor.
bool isGraphicControl(const QWidget *control)
{
    if (qobject_cast<const TShape *>(control))
        return true;
    return qobject_cast<const QLabel *>(control) && !qobject_cast<const TStaticText *>(control);
}

void applyCursor(QWidget *control)
{
    if (const int number = cursorNumber(control); number != 0) {
        // A number with nothing installed behind it shows the screen's default arrow.
        control->setCursor(Screen::cursor(number).value_or(QCursor(Qt::ArrowCursor)));
    } else if (isGraphicControl(control)) {
        control->unsetCursor();
    } else if (qobject_cast<QLineEdit *>(control)) {
        control->setCursor(Qt::IBeamCursor);
    } else if (qobject_cast<QSizeGrip *>(control)) {
        // Keeps the sizing arrow of its corner.
    } else {
        control->setCursor(Qt::ArrowCursor);
    }
}

} // namespace

namespace Screen {

void installCursor(int number, const QCursor &cursor)
{
    cursorTable().insert(number, cursor);
}

std::optional<QCursor> cursor(int number)
{
    const auto found = cursorTable().constFind(number);
    if (number == 0 || found == cursorTable().constEnd())
        return std::nullopt;
    return *found;
}

void clearCursors()
{
    cursorTable().clear();
}

} // namespace Screen

std::optional<QCursor> LoadCursor(const QString &name, QPoint hotSpot)
{
    const QPixmap picture(QStringLiteral(":/cursors/") + name);
    if (picture.isNull())
        return std::nullopt;
    return QCursor(picture, hotSpot.x(), hotSpot.y());
}

void applyCursorNumbers(QWidget *root)
{
    applyCursor(root);
    const auto controls = root->findChildren<QWidget *>();
    for (QWidget *control : controls)
        applyCursor(control);
}

int cursorNumber(const QWidget *control)
{
    return control->property("cursorNumber").toInt();
}

void setCursorNumber(QWidget *control, int number)
{
    control->setProperty("cursorNumber", number);
}

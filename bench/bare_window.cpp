// The yardstick for start-up: an empty Qt window of the given size, and
// nothing else.
//   bare_window WIDTH HEIGHT [--first-paint]

#include "FirstPaint.h"

#include <QApplication>
#include <QString>
#include <QWidget>

#include <memory>

int main(int argc, char *argv[])
{
    int argumentCount = 1;
    QApplication application(argumentCount, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(argc > 2 ? QString::fromLocal8Bit(argv[1]).toInt() : 638,
        argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 452);
    std::unique_ptr<FirstPaint> probe;
    if (argc > 3 && QString::fromLocal8Bit(argv[3]) == QLatin1String("--first-paint"))
        probe = std::make_unique<FirstPaint>(&window);
    window.show();
    return application.exec();
}

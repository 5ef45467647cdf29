#include "Startup.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

void ApplicationInitialize()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/mainicon.png")));
}

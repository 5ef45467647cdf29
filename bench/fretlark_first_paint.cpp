// Fretlark's start-up as the program does it, ending at the main window's
// first paint.

#include "FirstPaint.h"

#include "Startup.h"
#include "flMainForm.h"

#include <QApplication>

int main(int, char *argv[])
{
    int argumentCount = 1;
    QApplication application(argumentCount, argv);
    ApplicationInitialize();

    TApplicationForms forms;

    FirstPaint probe(frmGuitar);
    frmGuitar->show();
    return application.exec();
}

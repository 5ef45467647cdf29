// Fretlark: a guitarist's reference for scales, modes and chords.

#include "Startup.h"
#include "flMainForm.h"

#include <QApplication>

int main(int, char *argv[])
{
    // The program takes no arguments: Qt sees the program's name only.
    int argumentCount = 1;
    QApplication application(argumentCount, argv);
    ApplicationInitialize();
    TApplicationForms forms;
    frmGuitar->show();
    return application.exec();
}

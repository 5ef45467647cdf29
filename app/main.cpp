// Fretlark: a guitarist's reference for scales, modes and chords.

#include "flAbout.h"
#include "flMainForm.h"
#include "flRetune.h"

#include "Startup.h"

#include <QApplication>
#include <memory>

int main(int, char *argv[])
{
    // The program takes no arguments: Qt sees the program's name only.
    int argumentCount = 1;
    QApplication application(argumentCount, argv);
    ApplicationInitialize();

    auto mainWindow = std::make_unique<TfrmGuitar>();
    frmGuitar = mainWindow.get();
    auto about = std::make_unique<TAboutForm>();
    AboutForm = about.get();
    auto retune = std::make_unique<TfrmRetune>();
    frmRetune = retune.get();

    frmGuitar->show();
    return application.exec();
}

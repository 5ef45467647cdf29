// Fretlark's start-up as the program does it, ending at the main window's
// first paint.

#include "FirstPaint.h"

#include "Startup.h"
#include "flAbout.h"
#include "flMainForm.h"
#include "flRetune.h"

#include <QApplication>
#include <memory>

int main(int, char *argv[])
{
    int argumentCount = 1;
    QApplication application(argumentCount, argv);
    ApplicationInitialize();

    auto mainWindow = std::make_unique<TfrmGuitar>();
    frmGuitar = mainWindow.get();
    auto about = std::make_unique<TAboutForm>();
    AboutForm = about.get();
    auto retune = std::make_unique<TfrmRetune>();
    frmRetune = retune.get();

    FirstPaint probe(frmGuitar);
    frmGuitar->show();
    return application.exec();
}

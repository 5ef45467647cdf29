// The main window's tuning buttons: "Alternate Tuning" and "Reset Standard".

#include "flMainForm.h"
#include "flRetune.h"

void TfrmGuitar::Button1Click(QObject *)
{
    btnClearFretsClick(nullptr);
    // How the dialog closed does not matter: "Retune" has applied its entries itself.
    frmRetune->exec();
}

void TfrmGuitar::Button2Click(QObject *)
{
    btnClearFretsClick(nullptr);
    tuneStandard();
}

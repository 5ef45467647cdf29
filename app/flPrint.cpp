#include "flPrint.h"

#include "MessageBox.h"
#include "flMainForm.h"

TRect pageRect(PrintRegion region, int factor, const TPrinter &printer)
{
    const TRect wanted
        = destinationRect(region, pageFactor(factor, printer.Orientation()), printer.PageHeight());
    return fitToPage(wanted, printer.PageWidth(), printer.PageHeight());
}

namespace {

void printRegion(PrintRegion region, int factor, const QString &progress)
{
    TStatusBar *status = frmGuitar->ui.StatusBar1;
    TPrinter &printer = Printer();
    status->setPanelText(0, progress);
    bool printed = printer.BeginDoc();
    if (printed) {
        // The pixels the window shows, lit markers and texts included.
        printer.Canvas().CopyRect(
            pageRect(region, factor, printer), frmGuitar->ui.client, sourceRect(region));
        printed = printer.EndDoc();
    }
    status->setPanelText(0, QString());
    if (!printed)
        showInformation(frmGuitar, printer.errorText());
}

} // namespace

void printScale(int factor)
{
    printRegion(PrintRegion::Scale, factor, QStringLiteral("Printing Scale..."));
}

void printChords(int factor)
{
    printRegion(PrintRegion::Chords, factor, QStringLiteral("Printing Chords..."));
}

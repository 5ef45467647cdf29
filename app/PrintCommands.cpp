// The print commands of the main window's File menu.

#include "flMainForm.h"
#include "flPrint.h"
#include "flPrintOptions.h"

#include "MessageBox.h"
#include "Printer.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>
#include <memory>

namespace {

// The picture of the screen is drawn at the size it has there: the window
// is laid out at 96 pixels per inch.
constexpr int screenPixelsPerInch = 96;

} // namespace

void TfrmGuitar::Print1Click(QObject *Sender)
{
    const bool chords = Sender == ui.PrintChords1;
    if (!chords && Sender != ui.Print1)
        return;
    const QString suffix = chords ? QStringLiteral(" Chords") : QStringLiteral(" Scale");
    printPercent = 100;

    const QString printerName = Printer().currentName();
    if (printerName.isEmpty()) {
        showInformation(this, TPrinter::noPrinterText());
        return;
    }

    bool confirmed = false;
    {
        // Made for this one showing and gone afterwards, whatever happens in it.
        const auto dialog = std::make_unique<TfrmPrint>();
        frmPrint = dialog.get();
        confirmed = frmPrint->showPrintOptions(printerName, suffix);
        frmPrint = nullptr;
    }

    if (!confirmed)
        return;
    const int factor = sizeFactor(printPercent);
    if (chords)
        printChords(factor);
    else
        printScale(factor);
}

void TfrmGuitar::PrintScreen1Click(QObject *)
{
    TPrinter &printer = Printer();
    bool printed = printer.BeginDoc();
    if (printed) {
        const TRect client { 0, 0, ui.client->width(), ui.client->height() };
        const TRect physical { 0, 0, client.width() * TPrinter::resolution / screenPixelsPerInch,
            client.height() * TPrinter::resolution / screenPixelsPerInch };
        // A window widened past the paper is shrunk onto it rather than cut off.
        printer.Canvas().CopyRect(
            fitToPage(physical, printer.PageWidth(), printer.PageHeight()), ui.client, client);
        printed = printer.EndDoc();
    }
    if (!printed)
        showInformation(this, printer.errorText());
}

void TfrmGuitar::PrintSetup1Click(QObject *)
{
    // What is chosen stays with the printer object; the answer itself is not needed.
    QPrintDialog PrinterSetupDialog1(&Printer().device(), this);
    PrinterSetupDialog1.setObjectName(QStringLiteral("PrinterSetupDialog1"));
    PrinterSetupDialog1.setWindowTitle(QStringLiteral("Print Setup"));
    PrinterSetupDialog1.setOptions(QAbstractPrintDialog::PrintToFile);
    // It sets the printer up; nothing is printed from it.
    if (auto *buttons = PrinterSetupDialog1.findChild<QDialogButtonBox *>())
        if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    PrinterSetupDialog1.exec();
}

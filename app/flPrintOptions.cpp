#include "flPrintOptions.h"

#include "flMainForm.h"

#include "ScreenPlacement.h"
#include "WindowFonts.h"

#include <QKeyEvent>

TfrmPrint *frmPrint = nullptr;
bool printConfirmed = false;

TfrmPrint::TfrmPrint(QWidget *parent)
    : QDialog(parent)
{
    ui.setupUi(this);
    applyFonts(this, printFonts);
    // No border icons: the dialog is left through its two buttons only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    connect(ui.Button1, &QPushButton::clicked, this, [this] { Button1Click(ui.Button1); });
    connect(ui.Button2, &QPushButton::clicked, this, [this] { Button2Click(ui.Button2); });
}

bool TfrmPrint::showPrintOptions(const QString &printerName, const QString &suffix)
{
    printConfirmed = false;
    ui.Edit1->setText(printerName);
    setWindowTitle(QStringLiteral("Print") + suffix);
    exec();
    return printConfirmed;
}

void TfrmPrint::Button1Click(QObject *)
{
    printConfirmed = true;
    // A number still being typed counts as if the field had been left.
    ui.SpinEdit1->interpretText();
    printPercent = ui.SpinEdit1->value();
    close();
}

void TfrmPrint::Button2Click(QObject *)
{
    close();
}

void TfrmPrint::showEvent(QShowEvent *event)
{
    centerOnScreen(this);
    QDialog::showEvent(event);
}

void TfrmPrint::keyPressEvent(QKeyEvent *event)
{
    // Neither button answers Enter or Escape.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Enter:
    case Qt::Key_Return:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

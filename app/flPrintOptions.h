#pragma once

#include "ui_flPrintOptions.h"

#include <QDialog>

// The print options dialog: the current printer and the picture's size.
// Made for one showing and destroyed after it.
class TfrmPrint : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmPrint(QWidget *parent = nullptr);

    // Shows the dialog for the printer and the command's caption suffix
    // (" Scale", " Chords"); true when Print was pressed.
    bool showPrintOptions(const QString &printerName, const QString &suffix);

    void Button1Click(QObject *Sender);
    void Button2Click(QObject *Sender);

    Ui::TfrmPrint ui;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

extern TfrmPrint *frmPrint;
extern bool printConfirmed;

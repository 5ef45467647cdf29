#pragma once

#include "ui_flRetune.h"

#include <QDialog>

// The retune dialog: one entry per string, created once and reused, so the
// entries stay as the user left them.
class TfrmRetune : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmRetune(QWidget *parent = nullptr);

    void btnRetuneClick(QObject *Sender);
    void btnCancelClick(QObject *Sender);

    Ui::TfrmRetune ui;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

extern TfrmRetune *frmRetune;

#pragma once

#include "ui_flAbout.h"

#include <QDialog>

class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutForm(QWidget *parent = nullptr);

    void BitBtn1Click(QObject *Sender);

    Ui::TAboutForm ui;

protected:
    void showEvent(QShowEvent *event) override;
};

extern TAboutForm *AboutForm;

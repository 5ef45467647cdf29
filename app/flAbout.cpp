#include "flAbout.h"

#include "ScreenPlacement.h"
#include "WindowFonts.h"

TAboutForm *AboutForm = nullptr;

TAboutForm::TAboutForm(QWidget *parent)
    : QDialog(parent)
{
    ui.setupUi(this);
    applyFonts(this, aboutFonts);
    // Only the close box on the title bar.
    setWindowFlags(
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    connect(ui.BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(ui.BitBtn1); });
}

void TAboutForm::BitBtn1Click(QObject *)
{
    close();
}

void TAboutForm::showEvent(QShowEvent *event)
{
    centerOnScreen(this);
    QDialog::showEvent(event);
}

#pragma once

// What the printing tests share: answering the dialogs a print command opens,
// lighting up both areas of the main window, and reading printed PDF pages.

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

class QAction;
class TfrmGuitar;
class TfrmPrint;

// How a command's modal dialogs are answered while it runs.
struct Answers
{
    // The print options dialog; it must close the dialog. Default: Cancel.
    std::function<void(TfrmPrint &)> onOptions;
    // Any other dialog but an information box; it must close it. Default: close.
    std::function<void(QWidget &)> onOther;

    // What happened: the texts of the information boxes (answered with OK)
    // and how many times the options dialog showed.
    QStringList messages;
    int optionsShown = 0;
};

// Triggers the menu item and answers its dialogs until it has returned.
void runCommand(QAction *item, Answers &answers);

// Buttons and typing in the print options dialog, as the user does them.
void pressPrint(TfrmPrint &dialog);
void pressCancel(TfrmPrint &dialog);
void typeSize(TfrmPrint &dialog, const QString &text);

// A scale on the neck and a chord in the diagrams, so that the printed
// regions hold lit markers and texts.
void lightUp(TfrmGuitar &window);

// The number of pages of a PDF file, or -1 if it cannot be read.
int pageCount(const QString &pdfPath);
// The first page rendered at the given resolution (null if it cannot be).
QImage renderPage(const QString &pdfPath, double dotsPerInch);
// The smallest rectangle holding everything on the page that is not white.
QRect inkBounds(const QImage &page);
// The mean difference per colour channel (0 to 255) between a printed
// picture and what the window shows, the latter scaled to the former's size.
double pictureDifference(const QImage &printed, const QImage &shown);

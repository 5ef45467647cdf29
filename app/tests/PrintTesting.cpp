#include "PrintTesting.h"

#include "FretlarkTesting.h"
#include "flMainForm.h"
#include "flPrintOptions.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdlib>

void runCommand(QAction *item, Answers &answers)
{
    QPointer<QWidget> answered;
    int waited = 0;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            answered = nullptr;
            return;
        }
        if (modal == answered) {
            // Still up after it was answered: close it rather than hang the test.
            if ((waited += 10) > 10000)
                modal->close();
            return;
        }
        answered = modal;
        waited = 0;
        if (auto *options = qobject_cast<TfrmPrint *>(modal)) {
            ++answers.optionsShown;
            if (answers.onOptions)
                answers.onOptions(*options);
            else
                pressCancel(*options);
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            answers.messages << box->text();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        } else if (answers.onOther) {
            answers.onOther(*modal);
        } else {
            modal->close();
        }
    });
    poll.start();
    item->trigger();
    poll.stop();
}

void pressPrint(TfrmPrint &dialog)
{
    QTest::mouseClick(dialog.ui.Button1, Qt::LeftButton);
}

void pressCancel(TfrmPrint &dialog)
{
    QTest::mouseClick(dialog.ui.Button2, Qt::LeftButton);
}

void typeSize(TfrmPrint &dialog, const QString &text)
{
    if (!QTest::qWaitForWindowActive(&dialog))
        qWarning("the print options dialog did not become active");
    auto *field = dialog.ui.SpinEdit1->findChild<QLineEdit *>();
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

void lightUp(TfrmGuitar &window)
{
    choose(window.ui.cmbScales, 0);
    doubleClick(window.neckMarkers[0][8]);
    choose(window.ui.cmbChordKey, 3);
    choose(window.ui.cmbChordType, 3);
    QTest::mouseClick(window.ui.btnShowChord, Qt::LeftButton);
}

int pageCount(const QString &pdfPath)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), { pdfPath });
    if (!info.waitForFinished(30000) || info.exitCode() != 0)
        return -1;
    const auto match = QRegularExpression(
        QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
                           .match(QString::fromUtf8(info.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QImage renderPage(const QString &pdfPath, double dotsPerInch)
{
    QTemporaryDir folder;
    const QString base = folder.filePath(QStringLiteral("page"));
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
        { QStringLiteral("-r"), QString::number(dotsPerInch, 'f', 3), QStringLiteral("-f"),
            QStringLiteral("1"), QStringLiteral("-singlefile"), QStringLiteral("-png"), pdfPath,
            base });
    if (!render.waitForFinished(30000) || render.exitCode() != 0)
        return {};
    return QImage(base + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

QRect inkBounds(const QImage &page)
{
    QRect bounds;
    for (int y = 0; y < page.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            const QRgb p = line[x];
            if (qRed(p) < 245 || qGreen(p) < 245 || qBlue(p) < 245)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

double pictureDifference(const QImage &printed, const QImage &shown)
{
    if (printed.isNull() || shown.isNull())
        return 255;
    // Compared at a third of the printed size: both resamplings (the printer's
    // and the renderer's) differ most at one-pixel lines, which this evens out.
    const QSize coarse = printed.size() / 3;
    const auto reduced = [&coarse](const QImage &image) {
        return image.scaled(coarse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    };
    const QImage a = reduced(printed);
    const QImage b = reduced(shown);
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

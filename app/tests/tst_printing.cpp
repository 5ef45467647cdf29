// Printing without a print server: the picture's size and place on the page,
// the options dialog, the status texts, and the messages when there is no
// printer or the page cannot be begun. Pages go to PDF files; the print
// server the program would find is pointed at a socket where none listens.

#include "FretlarkTesting.h"
#include "PrintTesting.h"
#include "Printer.h"
#include "TStatusBar.h"
#include "flPrint.h"
#include "flPrintOptions.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

Q_DECLARE_METATYPE(PrintRegion)
Q_DECLARE_METATYPE(TPrinterOrientation)
Q_DECLARE_METATYPE(TRect)

char *toString(const TRect &rect)
{
    return qstrdup(QStringLiteral("%1, %2, %3, %4")
                       .arg(rect.Left)
                       .arg(rect.Top)
                       .arg(rect.Right)
                       .arg(rect.Bottom)
                       .toUtf8()
                       .constData());
}

namespace {

constexpr auto portrait = TPrinterOrientation::poPortrait;
constexpr auto landscape = TPrinterOrientation::poLandscape;

// A page of the given size in inches with no margins, as a PDF file prints it.
void setPage(QSizeF inches, TPrinterOrientation orientation)
{
    const QPageLayout layout(QPageSize(inches, QPageSize::Inch),
        orientation == portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
        QMarginsF(0, 0, 0, 0));
    QVERIFY(Printer().device().setPageLayout(layout));
}

constexpr QSizeF letter { 8.5, 11 };

bool near(const QRect &a, const QRect &b, int tolerance)
{
    return std::abs(a.left() - b.left()) <= tolerance && std::abs(a.top() - b.top()) <= tolerance
        && std::abs(a.right() - b.right()) <= tolerance
        && std::abs(a.bottom() - b.bottom()) <= tolerance;
}

QString statusText()
{
    return frmGuitar->ui.StatusBar1->panelText(0);
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void factors_data();
    void factors();
    void pictureOnThePage_data();
    void pictureOnThePage();
    void printedPicture_data();
    void printedPicture();

    void optionsDialog_data();
    void optionsDialog();
    void sizeIsHundredAtEveryShowing();
    void typedSize_data();
    void typedSize();
    void enterAndEscapePressNothing();
    void cancelPrintsNothing();
    void statusTextWhilePrinting_data();
    void statusTextWhilePrinting();

    void noPrinter_data();
    void noPrinter();
    void pageThatCannotBeBegun();

private:
    QString pdf() const { return m_folder.filePath(QStringLiteral("page.pdf")); }

    QTemporaryDir m_folder;
    std::unique_ptr<Forms> m_forms;
};

void TestPrinting::initTestCase()
{
    QVERIFY(m_folder.isValid());
    // Before anything asks CUPS for its printers: none are to be found.
    qputenv("CUPS_SERVER", QFile::encodeName(m_folder.filePath(QStringLiteral("no-server"))));
}

void TestPrinting::init()
{
    m_forms = std::make_unique<Forms>();
    QFile::remove(pdf());
    Printer().setOutputFileName(pdf());
    setPage(letter, landscape);
    printPercent = 100;
}

void TestPrinting::cleanup()
{
    Printer().setBeginDocHook({});
    m_forms.reset();
}

void TestPrinting::factors_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("inLandscape");
    QTest::addColumn<int>("inPortrait");
    QTest::newRow("40") << 40 << 4 << 2;
    QTest::newRow("49") << 49 << 4 << 2;
    QTest::newRow("50") << 50 << 5 << 3;
    QTest::newRow("55") << 55 << 5 << 3;
    QTest::newRow("99") << 99 << 9 << 7;
    QTest::newRow("100") << 100 << 10 << 8;
}

void TestPrinting::factors()
{
    QFETCH(int, percent);
    QFETCH(int, inLandscape);
    QFETCH(int, inPortrait);
    QCOMPARE(pageFactor(sizeFactor(percent), landscape), inLandscape);
    QCOMPARE(pageFactor(sizeFactor(percent), portrait), inPortrait);
}

void TestPrinting::pictureOnThePage_data()
{
    QTest::addColumn<PrintRegion>("region");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QSizeF>("page");
    QTest::addColumn<TPrinterOrientation>("orientation");
    QTest::addColumn<TRect>("expected");

    const auto scale = PrintRegion::Scale;
    const auto chords = PrintRegion::Chords;
    // Letter at 600 dots per inch: 5100 x 6600, half its height 3300 (2550 across).
    QTest::newRow("scale 100 landscape")
        << scale << 100 << letter << landscape << TRect { 2, 2550, 6332, 4390 };
    QTest::newRow("scale 100 portrait")
        << scale << 100 << letter << portrait << TRect { 2, 3300, 5066, 4772 };
    QTest::newRow("scale 55 landscape")
        << scale << 55 << letter << landscape << TRect { 2, 2550, 3167, 3470 };
    QTest::newRow("scale 40 portrait")
        << scale << 40 << letter << portrait << TRect { 2, 3300, 1268, 3668 };
    QTest::newRow("chords 40 portrait")
        << chords << 40 << letter << portrait << TRect { 291, 216, 921, 586 };
    QTest::newRow("chords 49 landscape")
        << chords << 49 << letter << landscape << TRect { 291, 216, 1551, 956 };
    QTest::newRow("chords 99 portrait")
        << chords << 99 << letter << portrait << TRect { 291, 216, 2496, 1511 };
    QTest::newRow("chords 100 landscape")
        << chords << 100 << letter << landscape << TRect { 291, 216, 3441, 2066 };
    // Too big for a 4 x 6 inch page (2400 x 3600): shrunk to its edge.
    QTest::newRow("small scale 100 portrait")
        << scale << 100 << QSizeF(4, 6) << portrait << TRect { 2, 1800, 2400, 2497 };
    QTest::newRow("small scale 100 landscape")
        << scale << 100 << QSizeF(4, 6) << landscape << TRect { 2, 1200, 3600, 2245 };
    QTest::newRow("small chords 100 portrait")
        << chords << 100 << QSizeF(4, 6) << portrait << TRect { 291, 216, 2400, 1454 };
    QTest::newRow("small chords 100 landscape")
        << chords << 100 << QSizeF(4, 6) << landscape << TRect { 291, 216, 3441, 2066 };
    // A short wide page (6000 x 1800): the height runs out first.
    QTest::newRow("short scale 100 landscape")
        << scale << 100 << QSizeF(3, 10) << landscape << TRect { 2, 900, 3098, 1800 };
}

void TestPrinting::pictureOnThePage()
{
    QFETCH(PrintRegion, region);
    QFETCH(int, percent);
    QFETCH(QSizeF, page);
    QFETCH(TPrinterOrientation, orientation);
    QFETCH(TRect, expected);

    setPage(page, orientation);
    QCOMPARE(Printer().Orientation(), orientation);
    const TRect placed = pageRect(region, sizeFactor(percent), Printer());
    QCOMPARE(placed, expected);

    // The picture has the region's proportions, to within a pixel's rounding.
    const TRect source = sourceRect(region);
    QVERIFY(std::abs(
                qint64(placed.width()) * source.height() - qint64(placed.height()) * source.width())
        < qint64(source.width() + source.height()));
    QVERIFY(placed.Right <= Printer().PageWidth() && placed.Bottom <= Printer().PageHeight());
}

void TestPrinting::printedPicture_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<PrintRegion>("region");
    QTest::addColumn<QRect>("expected"); // at 60 dots per inch, a tenth of the device pixels
    QTest::newRow("scale") << "Print1" << PrintRegion::Scale << QRect(0, 255, 633, 184);
    QTest::newRow("chords") << "PrintChords1" << PrintRegion::Chords << QRect(29, 22, 315, 185);
}

void TestPrinting::printedPicture()
{
    QFETCH(QString, item);
    QFETCH(PrintRegion, region);
    QFETCH(QRect, expected);

    TfrmGuitar &window = m_forms->guitar();
    lightUp(window);
    // A wider window prints the same region.
    window.resize(window.width() + 100, window.height());
    QTRY_COMPARE(window.ui.PanelScale->width(), 736);

    Answers answers;
    answers.onOptions = pressPrint;
    runCommand(window.findChild<QAction *>(item), answers);
    QCOMPARE(answers.messages, QStringList());

    QCOMPARE(pageCount(pdf()), 1);
    const QImage page = renderPage(pdf(), 60);
    QCOMPARE(page.size(), QSize(660, 510));
    const QRect bounds = inkBounds(page);
    QVERIFY2(near(bounds, expected, 2),
        qPrintable(QStringLiteral("picture at %1,%2 %3x%4")
                       .arg(bounds.x())
                       .arg(bounds.y())
                       .arg(bounds.width())
                       .arg(bounds.height())));
    const QImage shown = window.ui.client->grab(sourceRect(region).toQRect()).toImage();
    const double difference = pictureDifference(page.copy(bounds), shown);
    QVERIFY2(difference < 10, qPrintable(QString::number(difference)));
}

void TestPrinting::optionsDialog_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::newRow("scale") << "Print1"
                           << "Print Scale";
    QTest::newRow("chords") << "PrintChords1"
                            << "Print Chords";
}

void TestPrinting::optionsDialog()
{
    QFETCH(QString, item);
    QFETCH(QString, caption);

    QString shownCaption, shownPrinter;
    int shownSize = 0;
    bool readOnly = false;
    Qt::WindowFlags flags;
    bool heldByFrmPrint = false;
    Answers answers;
    answers.onOptions = [&](TfrmPrint &dialog) {
        shownCaption = dialog.windowTitle();
        shownPrinter = dialog.ui.Edit1->text();
        readOnly = dialog.ui.Edit1->isReadOnly();
        shownSize = dialog.ui.SpinEdit1->value();
        flags = dialog.windowFlags();
        heldByFrmPrint = frmPrint == &dialog;
        pressCancel(dialog);
    };
    runCommand(m_forms->guitar().findChild<QAction *>(item), answers);

    QCOMPARE(answers.optionsShown, 1);
    QCOMPARE(shownCaption, caption);
    QCOMPARE(shownPrinter, pdf());
    QVERIFY(readOnly);
    QCOMPARE(shownSize, 100);
    QVERIFY(heldByFrmPrint);
    QCOMPARE(frmPrint, nullptr);
    // No border icons: the two buttons are the only way out.
    QVERIFY(!(flags & Qt::WindowSystemMenuHint));
    QVERIFY(!(flags & Qt::WindowCloseButtonHint));
}

void TestPrinting::sizeIsHundredAtEveryShowing()
{
    Answers at60;
    at60.onOptions = [](TfrmPrint &dialog) {
        // Four steps down from 100.
        for (int step = 0; step < 4; ++step)
            QTest::keyClick(dialog.ui.SpinEdit1, Qt::Key_Down);
        pressPrint(dialog);
    };
    runCommand(m_forms->guitar().ui.Print1, at60);
    QCOMPARE(printPercent, 60);
    QVERIFY(QFile::exists(pdf()));

    int sizeShown = 0;
    Answers again;
    again.onOptions = [&](TfrmPrint &dialog) {
        sizeShown = dialog.ui.SpinEdit1->value();
        pressCancel(dialog);
    };
    runCommand(m_forms->guitar().ui.Print1, again);
    QCOMPARE(sizeShown, 100);
}

void TestPrinting::typedSize_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("leaveField"); // Tab out before pressing Print
    QTest::addColumn<QString>("fieldAfter");
    QTest::addColumn<int>("printed");
    QTest::newRow("55 stays") << "55" << true << "55" << 55;
    QTest::newRow("30 left") << "30" << true << "40" << 40;
    QTest::newRow("130 left") << "130" << true << "100" << 100;
    QTest::newRow("130 printed") << "130" << false << "130" << 100;
    QTest::newRow("20 printed") << "20" << false << "20" << 40;
    QTest::newRow("letters left") << "abc" << true << "40" << 40;
    QTest::newRow("letters printed") << "abc" << false << "abc" << 40;
    QTest::newRow("decimal left") << "5.5" << true << "40" << 40;
    QTest::newRow("empty left") << "" << true << "40" << 40;
}

void TestPrinting::typedSize()
{
    QFETCH(QString, typed);
    QFETCH(bool, leaveField);
    QFETCH(QString, fieldAfter);
    QFETCH(int, printed);

    QString fieldText;
    Answers answers;
    answers.onOptions = [&](TfrmPrint &dialog) {
        typeSize(dialog, typed);
        if (leaveField)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        fieldText = dialog.ui.SpinEdit1->text();
        pressPrint(dialog);
    };
    runCommand(m_forms->guitar().ui.Print1, answers);

    QCOMPARE(fieldText, fieldAfter);
    QCOMPARE(printPercent, printed);
    QVERIFY(QFile::exists(pdf()));
}

void TestPrinting::enterAndEscapePressNothing()
{
    bool openAfterKeys = false;
    Answers answers;
    answers.onOptions = [&](TfrmPrint &dialog) {
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        for (QWidget *target :
            { static_cast<QWidget *>(dialog.ui.Button1), static_cast<QWidget *>(dialog.ui.Button2),
                static_cast<QWidget *>(dialog.ui.SpinEdit1) }) {
            target->setFocus();
            QTest::keyClick(target, Qt::Key_Return);
            QTest::keyClick(target, Qt::Key_Enter);
            QTest::keyClick(target, Qt::Key_Escape);
        }
        openAfterKeys = dialog.isVisible() && !printConfirmed;
        pressCancel(dialog);
    };
    runCommand(m_forms->guitar().ui.Print1, answers);
    QVERIFY(openAfterKeys);
    QVERIFY(!QFile::exists(pdf()));
}

void TestPrinting::cancelPrintsNothing()
{
    printPercent = 60; // as after an earlier print at 60
    Answers answers;
    answers.onOptions = [](TfrmPrint &dialog) {
        typeSize(dialog, QStringLiteral("70"));
        pressCancel(dialog);
    };
    runCommand(m_forms->guitar().ui.PrintChords1, answers);

    QCOMPARE(answers.optionsShown, 1);
    QVERIFY(!printConfirmed);
    QCOMPARE(printPercent, 100);
    QVERIFY(!QFile::exists(pdf()));
    QCOMPARE(statusText(), QString());
    QCOMPARE(answers.messages, QStringList());
}

void TestPrinting::statusTextWhilePrinting_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("progress");
    QTest::newRow("scale") << "Print1"
                           << "Printing Scale...";
    QTest::newRow("chords") << "PrintChords1"
                            << "Printing Chords...";
}

void TestPrinting::statusTextWhilePrinting()
{
    QFETCH(QString, item);
    QFETCH(QString, progress);

    QStringList seen;
    Printer().setBeginDocHook([&seen] { seen << statusText(); });
    Answers answers;
    answers.onOptions = pressPrint;
    runCommand(m_forms->guitar().findChild<QAction *>(item), answers);

    QCOMPARE(seen, QStringList { progress });
    QCOMPARE(statusText(), QString());
    QVERIFY(QFile::exists(pdf()));
}

void TestPrinting::noPrinter_data()
{
    QTest::addColumn<QString>("item");
    QTest::newRow("scale") << "Print1";
    QTest::newRow("chords") << "PrintChords1";
    QTest::newRow("screen") << "PrintScreen1";
}

void TestPrinting::noPrinter()
{
    QFETCH(QString, item);
    // Back to the print server, which has no printers.
    Printer().setOutputFileName({});
    QCOMPARE(Printer().currentName(), QString());
    QCOMPARE(Printer().PrinterIndex(), -1);

    QStringList status;
    Printer().setBeginDocHook([&status] { status << statusText(); });
    Answers answers;
    runCommand(m_forms->guitar().findChild<QAction *>(item), answers);

    QCOMPARE(answers.optionsShown, 0);
    QCOMPARE(answers.messages.size(), 1);
    QVERIFY2(answers.messages.first().contains(QStringLiteral("no printer"), Qt::CaseInsensitive),
        qPrintable(answers.messages.first()));
    QCOMPARE(status, QStringList());
    QCOMPARE(statusText(), QString());
}

void TestPrinting::pageThatCannotBeBegun()
{
    const QString nowhere = m_folder.filePath(QStringLiteral("missing/folder/page.pdf"));
    Printer().setOutputFileName(nowhere);
    Answers answers;
    answers.onOptions = pressPrint;
    runCommand(m_forms->guitar().ui.Print1, answers);

    QCOMPARE(answers.messages.size(), 1);
    QVERIFY2(answers.messages.first().contains(nowhere), qPrintable(answers.messages.first()));
    QCOMPARE(statusText(), QString());
    QVERIFY(!QFile::exists(nowhere));
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"

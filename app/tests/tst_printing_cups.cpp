// Printing end to end: through a CUPS server into cups-pdf, reading back the
// PDF page it delivers. Run by private_cups.sh, which starts the server with
// its queues and tells where the pages appear.

#include "FretlarkTesting.h"
#include "PrintTesting.h"
#include "Printer.h"
#include "TStatusBar.h"
#include "flPrint.h"
#include "flPrintOptions.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <memory>

Q_DECLARE_METATYPE(PrintRegion)

namespace {

constexpr int renderDpi = 60; // a tenth of the printer's 600

QString lp(const QStringList &arguments)
{
    QProcess tool;
    tool.start(arguments.first(), arguments.mid(1));
    tool.waitForFinished(20000);
    return QString::fromUtf8(tool.readAllStandardOutput());
}

QString describe(const QRect &rect)
{
    return QStringLiteral("%1,%2 %3x%4")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

// A rectangle in device pixels of the printable area, as it lies on the
// rendered page.
QRect onRenderedPage(const TRect &rect)
{
    const QPoint margin = Printer().device().pageLayout().paintRectPixels(600).topLeft();
    const QRectF page = QRectF(rect.toQRect().translated(margin));
    const double scale = renderDpi / 600.0;
    return QRectF(page.topLeft() * scale, page.size() * scale).toRect();
}

bool near(const QRect &a, const QRect &b, int tolerance)
{
    return std::abs(a.left() - b.left()) <= tolerance && std::abs(a.top() - b.top()) <= tolerance
        && std::abs(a.right() - b.right()) <= tolerance
        && std::abs(a.bottom() - b.bottom()) <= tolerance;
}

} // namespace

class TestPrintingThroughCups : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void defaultPrinterNamed();
    void regionPrinted_data();
    void regionPrinted();
    void printScreenAtPhysicalSize();
    void refusedJobReported();
    void setupChoiceNamedNextTime();

private:
    // The PDF files of the jobs sent so far, once no job is left pending.
    QStringList deliveredPages();
    // One page with the picture at placed (device pixels), showing what the window shows.
    void checkPicture(const QString &pdf, const TRect &placed, const QImage &shown);

    QString m_queue;
    QString m_otherQueue;
    QDir m_pages;
    std::unique_ptr<Forms> m_forms;
};

void TestPrintingThroughCups::initTestCase()
{
    m_queue = qEnvironmentVariable("FRETLARK_TEST_QUEUE");
    m_otherQueue = qEnvironmentVariable("FRETLARK_TEST_OTHER_QUEUE");
    m_pages.setPath(qEnvironmentVariable("FRETLARK_TEST_PDF_DIR"));
    QVERIFY2(!m_queue.isEmpty() && m_pages.exists(),
        "run through private_cups.sh, which sets up the print server");
}

void TestPrintingThroughCups::init()
{
    m_forms = std::make_unique<Forms>();
    for (const QString &file : m_pages.entryList(QDir::Files))
        m_pages.remove(file);
    printPercent = 100;
}

void TestPrintingThroughCups::cleanup()
{
    m_forms.reset();
    lp({ QStringLiteral("cupsaccept"), m_queue });
}

QStringList TestPrintingThroughCups::deliveredPages()
{
    for (int waited = 0; waited < 30000; waited += 100) {
        if (lp({ QStringLiteral("lpstat"), QStringLiteral("-o") }).trimmed().isEmpty())
            break;
        QTest::qWait(100);
    }
    QStringList pages;
    for (const QString &file : m_pages.entryList({ QStringLiteral("*.pdf") }, QDir::Files))
        pages << m_pages.filePath(file);
    return pages;
}

void TestPrintingThroughCups::checkPicture(
    const QString &pdf, const TRect &placed, const QImage &shown)
{
    QCOMPARE(pageCount(pdf), 1);
    const QImage page = renderPage(pdf, renderDpi);
    QVERIFY(!page.isNull());
    const QRect bounds = inkBounds(page);
    const QRect expected = onRenderedPage(placed);
    QVERIFY2(near(bounds, expected, 3),
        qPrintable(QStringLiteral("picture at %1, expected at %2")
                       .arg(describe(bounds), describe(expected))));
    // The region's own proportions, to within cups-pdf's re-encoding.
    const double printedRatio = double(bounds.width()) / bounds.height();
    const double shownRatio = double(shown.width()) / shown.height();
    QVERIFY2(std::abs(printedRatio / shownRatio - 1) < 0.03,
        qPrintable(QStringLiteral("%1 against %2").arg(printedRatio).arg(shownRatio)));

    // The content, rendered at about one screen pixel to one rendered pixel.
    const QImage closeUp = renderPage(pdf, 600.0 * shown.width() / placed.width());
    const double difference = pictureDifference(closeUp.copy(inkBounds(closeUp)), shown);
    QVERIFY2(difference < 10, qPrintable(QString::number(difference)));
}

void TestPrintingThroughCups::defaultPrinterNamed()
{
    QVERIFY(Printer().Printers().contains(m_queue));
    QVERIFY(Printer().Printers().contains(m_otherQueue));
    QCOMPARE(Printer().PrinterIndex(), Printer().Printers().indexOf(m_queue));

    QString named;
    Answers answers;
    answers.onOptions = [&](TfrmPrint &dialog) {
        named = dialog.ui.Edit1->text();
        pressCancel(dialog);
    };
    runCommand(m_forms->guitar().ui.Print1, answers);
    QCOMPARE(named, m_queue);
    QCOMPARE(deliveredPages(), QStringList());
}

void TestPrintingThroughCups::regionPrinted_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<PrintRegion>("region");
    QTest::newRow("scale") << "Print1" << PrintRegion::Scale;
    QTest::newRow("chords") << "PrintChords1" << PrintRegion::Chords;
}

void TestPrintingThroughCups::regionPrinted()
{
    QFETCH(QString, item);
    QFETCH(PrintRegion, region);

    TfrmGuitar &window = m_forms->guitar();
    lightUp(window);
    Answers answers;
    answers.onOptions = pressPrint;
    runCommand(window.findChild<QAction *>(item), answers);
    QCOMPARE(answers.messages, QStringList());

    const QStringList pages = deliveredPages();
    QCOMPARE(pages.size(), 1);
    const QImage shown = window.ui.client->grab(sourceRect(region).toQRect()).toImage();
    checkPicture(pages.first(), pageRect(region, 10, Printer()), shown);
}

void TestPrintingThroughCups::printScreenAtPhysicalSize()
{
    TfrmGuitar &window = m_forms->guitar();
    lightUp(window);
    Answers answers;
    runCommand(window.ui.PrintScreen1, answers);
    QCOMPARE(answers.optionsShown, 0);
    QCOMPARE(answers.messages, QStringList());

    const QStringList pages = deliveredPages();
    QCOMPARE(pages.size(), 1);
    // 638 x 434 screen pixels at 96 per inch.
    const QSize client = window.ui.client->size();
    QCOMPARE(client, QSize(638, 434));
    checkPicture(pages.first(), TRect { 0, 0, 638 * 600 / 96, 434 * 600 / 96 },
        window.ui.client->grab().toImage());
}

void TestPrintingThroughCups::refusedJobReported()
{
    lp({ QStringLiteral("cupsreject"), m_queue });
    Answers answers;
    answers.onOptions = pressPrint;
    runCommand(m_forms->guitar().ui.PrintChords1, answers);

    QCOMPARE(answers.messages.size(), 1);
    QVERIFY2(answers.messages.first().contains(m_queue), qPrintable(answers.messages.first()));
    QCOMPARE(m_forms->guitar().ui.StatusBar1->panelText(0), QString());
    QCOMPARE(deliveredPages(), QStringList());
}

void TestPrintingThroughCups::setupChoiceNamedNextTime()
{
    TfrmGuitar &window = m_forms->guitar();
    bool chosen = false;
    Answers setup;
    setup.onOther = [&](QWidget &dialog) {
        auto *printers = dialog.findChild<QComboBox *>(QStringLiteral("printers"));
        auto *buttons = dialog.findChild<QDialogButtonBox *>();
        if (qobject_cast<QPrintDialog *>(&dialog) && printers && buttons) {
            choose(printers, m_otherQueue);
            chosen = printers->currentText() == m_otherQueue;
            QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        }
        dialog.close();
    };
    runCommand(window.ui.PrintSetup1, setup);
    QVERIFY(chosen);
    QCOMPARE(Printer().PrinterIndex(), Printer().Printers().indexOf(m_otherQueue));

    QString named;
    Answers print;
    print.onOptions = [&](TfrmPrint &dialog) {
        named = dialog.ui.Edit1->text();
        pressPrint(dialog);
    };
    runCommand(window.ui.Print1, print);
    QCOMPARE(named, m_otherQueue);
    QCOMPARE(deliveredPages().size(), 1);
    const QString completed = lp({ QStringLiteral("lpstat"), QStringLiteral("-W"),
        QStringLiteral("completed"), QStringLiteral("-o"), m_otherQueue });
    QVERIFY2(completed.contains(m_otherQueue + QLatin1Char('-')), qPrintable(completed));

    Printer().setPrinterIndex(int(Printer().Printers().indexOf(m_queue)));
}

QTEST_MAIN(TestPrintingThroughCups)
#include "tst_printing_cups.moc"

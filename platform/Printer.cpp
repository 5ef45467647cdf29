#include "Printer.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QPageLayout>
#include <QPainter>
#include <QPixmap>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <QWidget>
#include <vector>

namespace {

// The option list the setup dialog leaves with the printer for CUPS.
constexpr auto cupsOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// Qt's own CUPS engine drops the server's answer to a job, so a refused job
// would pass in silence; the finished page goes to the CUPS library directly.
struct CupsLibrary
{
    struct Option
    {
        char *name;
        char *value;
    };
    using PrintFile = int (*)(const char *, const char *, const char *, int, Option *);
    using LastErrorString = const char *(*)();

    PrintFile printFile = nullptr;
    LastErrorString lastErrorString = nullptr;

    static const CupsLibrary &get()
    {
        static const CupsLibrary library = [] {
            CupsLibrary cups;
            QLibrary lib(QStringLiteral("cups"), 2);
            cups.printFile = reinterpret_cast<PrintFile>(lib.resolve("cupsPrintFile"));
            cups.lastErrorString
                = reinterpret_cast<LastErrorString>(lib.resolve("cupsLastErrorString"));
            return cups;
        }();
        return library;
    }
};

} // namespace

void TPrinterCanvas::CopyRect(const TRect &dest, QWidget *sourceWidget, const TRect &source)
{
    if (!m_painter || !sourceWidget || dest.isEmpty() || source.isEmpty())
        return;
    const QPixmap picture = sourceWidget->grab(source.toQRect());
    m_painter->drawPixmap(dest.toQRect(), picture);
}

QString TPrinter::noPrinterText()
{
    return QStringLiteral("There is no printer to print on.\n"
                          "Install a printer, or choose one under File, Print Setup.");
}

TPrinter::TPrinter()
    : m_device(std::make_unique<QPrinter>(QPrinter::HighResolution))
{ }

TPrinter::~TPrinter()
{
    if (m_painter)
        m_painter->end();
}

QStringList TPrinter::Printers() const
{
    return QPrinterInfo::availablePrinterNames();
}

QString TPrinter::currentName()
{
    if (m_device->outputFormat() == QPrinter::PdfFormat) {
        if (!m_device->outputFileName().isEmpty())
            return m_device->outputFileName();
    } else if (Printers().contains(m_device->printerName())) {
        return m_device->printerName();
    }
    // There was no printer when the setting was made, or it has gone since:
    // take the system's default as it is now.
    const QString systemDefault = QPrinterInfo::defaultPrinterName();
    if (systemDefault.isEmpty() || !Printers().contains(systemDefault))
        return {};
    m_device->setPrinterName(systemDefault);
    return m_device->printerName();
}

int TPrinter::PrinterIndex()
{
    const QString name = currentName();
    if (name.isEmpty() || !outputFileName().isEmpty())
        return -1;
    return int(Printers().indexOf(name));
}

void TPrinter::setPrinterIndex(int index)
{
    const QStringList printers = Printers();
    if (index < 0 || index >= printers.size())
        return;
    m_device->setOutputFileName({});
    m_device->setPrinterName(printers.at(index));
}

QString TPrinter::outputFileName() const
{
    return m_device->outputFormat() == QPrinter::PdfFormat ? m_device->outputFileName() : QString();
}

void TPrinter::setOutputFileName(const QString &pdfPath)
{
    if (pdfPath.isEmpty()) {
        m_device->setOutputFileName({});
        return;
    }
    m_device->setOutputFormat(QPrinter::PdfFormat);
    m_device->setOutputFileName(pdfPath);
}

TPrinterOrientation TPrinter::Orientation() const
{
    return m_device->pageLayout().orientation() == QPageLayout::Portrait
        ? TPrinterOrientation::poPortrait
        : TPrinterOrientation::poLandscape;
}

int TPrinter::PageHeight() const
{
    return m_device->pageLayout().paintRectPixels(resolution).height();
}

int TPrinter::PageWidth() const
{
    return m_device->pageLayout().paintRectPixels(resolution).width();
}

bool TPrinter::Printing() const
{
    return m_painter != nullptr;
}

bool TPrinter::fail(const QString &text)
{
    m_error = text;
    return false;
}

bool TPrinter::BeginDoc()
{
    if (Printing())
        return fail(QStringLiteral("A page is being printed already."));
    m_error.clear();
    const QString target = currentName();
    if (target.isEmpty())
        return fail(noPrinterText());

    m_jobQueue.clear();
    m_jobFile = outputFileName();
    if (m_jobFile.isEmpty()) {
        QTemporaryFile file(QDir::temp().filePath(QStringLiteral("fretlark-XXXXXX.pdf")));
        file.setAutoRemove(false);
        if (!file.open())
            return fail(QStringLiteral("The page for the printer \"%1\" could not be begun: "
                                       "no temporary file could be made (%2).")
                            .arg(target, file.errorString()));
        m_jobFile = file.fileName();
        m_jobQueue = target;
    }

    m_job = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_job->setOutputFormat(QPrinter::PdfFormat);
    m_job->setOutputFileName(m_jobFile);
    m_job->setPageLayout(m_device->pageLayout());
    m_job->setResolution(resolution);
    m_job->setColorMode(m_device->colorMode());
    m_job->setCreator(QCoreApplication::applicationName());

    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_job.get())) {
        m_painter.reset();
        m_job.reset();
        if (!m_jobQueue.isEmpty())
            QFile::remove(m_jobFile);
        return fail(QStringLiteral("The page could not be begun on \"%1\".").arg(target));
    }
    m_canvas.m_painter = m_painter.get();
    if (m_beginDocHook)
        m_beginDocHook();
    return true;
}

bool TPrinter::EndDoc()
{
    if (!Printing())
        return fail(QStringLiteral("No page is being printed."));
    m_canvas.m_painter = nullptr;
    const bool written = m_painter->end();
    m_painter.reset();
    m_job.reset();

    bool sent = written;
    if (!written)
        fail(QStringLiteral("The page could not be written for \"%1\".")
                 .arg(m_jobQueue.isEmpty() ? m_jobFile : m_jobQueue));
    else if (!m_jobQueue.isEmpty())
        sent = submitToQueue(m_jobQueue, m_jobFile);
    if (!m_jobQueue.isEmpty())
        QFile::remove(m_jobFile);
    m_jobQueue.clear();
    m_jobFile.clear();
    return sent;
}

bool TPrinter::submitToQueue(const QString &queue, const QString &file)
{
    const CupsLibrary &cups = CupsLibrary::get();
    if (!cups.printFile)
        return fail(QStringLiteral("The page could not be sent to \"%1\": "
                                   "the CUPS printing library is not available.")
                        .arg(queue));

    // The options Qt's own engine would send: paper, copies, sides, and what
    // the setup dialog left for CUPS.
    std::vector<std::pair<QByteArray, QByteArray>> options;
    options.emplace_back("media", m_device->pageLayout().pageSize().key().toUtf8());
    if (m_device->copyCount() > 1)
        options.emplace_back("copies", QByteArray::number(m_device->copyCount()));
    switch (m_device->duplex()) {
    case QPrinter::DuplexNone:
        options.emplace_back("sides", "one-sided");
        break;
    case QPrinter::DuplexLongSide:
        options.emplace_back("sides", "two-sided-long-edge");
        break;
    case QPrinter::DuplexShortSide:
        options.emplace_back("sides", "two-sided-short-edge");
        break;
    case QPrinter::DuplexAuto:
        break;
    }
    const QStringList dialogOptions
        = m_device->printEngine()->property(cupsOptionsKey).toStringList();
    for (qsizetype i = 0; i + 1 < dialogOptions.size(); i += 2)
        options.emplace_back(dialogOptions.at(i).toUtf8(), dialogOptions.at(i + 1).toUtf8());

    std::vector<CupsLibrary::Option> cupsOptions;
    for (auto &[name, value] : options)
        cupsOptions.push_back({ name.data(), value.data() });

    // A queue name may carry an instance after a slash; CUPS wants the queue.
    const QByteArray destination = queue.section(QLatin1Char('/'), 0, 0).toUtf8();
    const int job = cups.printFile(destination.constData(), QFile::encodeName(file).constData(), "",
        int(cupsOptions.size()), cupsOptions.data());
    if (job > 0)
        return true;
    const QString reason = cups.lastErrorString ? QString::fromUtf8(cups.lastErrorString())
                                                : QStringLiteral("unknown error");
    return fail(
        QStringLiteral("The printer \"%1\" did not accept the page: %2").arg(queue, reason));
}

TPrinter &Printer()
{
    static TPrinter *printer = nullptr;
    if (!printer) {
        printer = new TPrinter;
        // Gone with the application object, while the print support it uses is still there.
        qAddPostRoutine([] {
            delete printer;
            printer = nullptr;
        });
    }
    return *printer;
}

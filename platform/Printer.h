#pragma once

// The printer object: the system's printers, the current one with its paper
// and orientation, and one document at a time drawn on its canvas. Pages are
// laid out at a fixed 600 dots per inch whatever the printer's own resolution,
// so sizes on paper do not depend on the printer. A document goes to the
// current print queue through CUPS, or to a PDF file when one is set.

#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;
class QWidget;

// A rectangle as the print code counts it: right and bottom are exclusive,
// so a rectangle from 2 to 635 is 633 pixels wide.
struct TRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int width() const { return Right - Left; }
    constexpr int height() const { return Bottom - Top; }
    constexpr bool isEmpty() const { return Right <= Left || Bottom <= Top; }
    QRect toQRect() const { return QRect(Left, Top, width(), height()); }
    friend constexpr bool operator==(const TRect &, const TRect &) = default;
};

enum class TPrinterOrientation
{
    poPortrait,
    poLandscape
};

// Draws on the page of the document being printed.
class TPrinterCanvas
{
public:
    // Copies what the widget displays in source (its own coordinates) into
    // dest on the page, stretched to fill it.
    void CopyRect(const TRect &dest, QWidget *sourceWidget, const TRect &source);

private:
    friend class TPrinter;
    QPainter *m_painter = nullptr;
};

class TPrinter
{
public:
    static constexpr int resolution = 600; // device pixels per inch on every page

    TPrinter();
    ~TPrinter();
    TPrinter(const TPrinter &) = delete;
    TPrinter &operator=(const TPrinter &) = delete;

    // The installed printers, as the system names them.
    QStringList Printers() const;
    // The current printer's place in Printers(); -1 when there is none or
    // documents go to a PDF file. The system's default printer at first.
    int PrinterIndex();
    void setPrinterIndex(int index);
    // What documents go to: the current printer's name, the PDF file's path,
    // or empty when there is nowhere to print.
    QString currentName();

    // Empty for a print queue.
    QString outputFileName() const;
    void setOutputFileName(const QString &pdfPath);

    TPrinterOrientation Orientation() const;
    // The printable area in device pixels; the canvas origin is its top-left corner.
    int PageHeight() const;
    int PageWidth() const;

    // Starts a document of one page. False, with errorText() saying why, if
    // there is nowhere to print or the page cannot be begun.
    bool BeginDoc();
    // Finishes the document and hands it over. False, with errorText(), if
    // it could not be written or the printer refused the job.
    bool EndDoc();
    bool Printing() const;
    QString errorText() const { return m_error; }
    // What errorText() says when there is nowhere to print.
    static QString noPrinterText();

    // Valid between BeginDoc and EndDoc.
    TPrinterCanvas &Canvas() { return m_canvas; }

    // The settings behind the printer object, for the printer setup dialog.
    QPrinter &device() { return *m_device; }

    // Called as soon as a document has begun, to watch a print in progress.
    void setBeginDocHook(std::function<void()> hook) { m_beginDocHook = std::move(hook); }

private:
    bool fail(const QString &text);
    bool submitToQueue(const QString &queue, const QString &file);

    std::unique_ptr<QPrinter> m_device; // printer, paper, orientation as chosen
    std::unique_ptr<QPrinter> m_job;    // the document being made, as PDF
    std::unique_ptr<QPainter> m_painter;
    TPrinterCanvas m_canvas;
    QString m_jobFile;
    QString m_jobQueue; // empty when the document is written straight to the user's file
    QString m_error;
    std::function<void()> m_beginDocHook;
};

// The program's one printer object; it lives until the application object goes.
TPrinter &Printer();

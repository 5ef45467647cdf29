#pragma once

// Printing the scale area or the chord area of the main window as a picture,
// enlarged by a whole-number factor, on one page.

#include "Printer.h"

#include <cstdint>

enum class PrintRegion
{
    Scale,
    Chords
};

// What each command prints, in the main window's client coordinates. Fixed:
// a wider window adds nothing to the picture.
constexpr TRect sourceRect(PrintRegion region)
{
    return region == PrintRegion::Scale ? TRect { 2, 16, 635, 200 } : TRect { 291, 216, 606, 401 };
}

// The size factor the options dialog's percentage gives (40 to 49 give 4).
constexpr int sizeFactor(int percent)
{
    return percent / 10;
}

// A portrait page is narrower: it prints two steps smaller.
constexpr int pageFactor(int factor, TPrinterOrientation orientation)
{
    return orientation == TPrinterOrientation::poPortrait ? factor - 2 : factor;
}

// The picture on the page at the factor: the scale area from the vertical
// middle of the page, the chord area at a fixed place; both enlarged alike
// across and down, so the picture keeps its proportions.
constexpr TRect destinationRect(PrintRegion region, int factor, int pageHeight)
{
    const TRect source = sourceRect(region);
    const int left = region == PrintRegion::Scale ? 2 : 291;
    const int top = region == PrintRegion::Scale ? pageHeight / 2 : 216;
    return { left, top, left + factor * source.width(), top + factor * source.height() };
}

// Shrinks the rectangle about its top-left corner, proportions kept, until
// it lies within a page of the given size; one that fits stays as it is.
constexpr TRect fitToPage(const TRect &rect, int pageWidth, int pageHeight)
{
    const int width = rect.width();
    const int height = rect.height();
    const int roomAcross = pageWidth - rect.Left;
    const int roomDown = pageHeight - rect.Top;
    if (width <= 0 || height <= 0 || (width <= roomAcross && height <= roomDown))
        return rect;
    if (roomAcross <= 0 || roomDown <= 0)
        return { rect.Left, rect.Top, rect.Left, rect.Top };
    // Whichever way is the tighter fit sets the scale; in 64 bits, as the
    // products run past 32.
    if (std::int64_t(roomAcross) * height <= std::int64_t(roomDown) * width)
        return { rect.Left, rect.Top, rect.Left + roomAcross,
            rect.Top + int(std::int64_t(height) * roomAcross / width) };
    return { rect.Left, rect.Top, rect.Left + int(std::int64_t(width) * roomDown / height),
        rect.Top + roomDown };
}

// Where the picture goes on the printer's page as it is set now.
TRect pageRect(PrintRegion region, int factor, const TPrinter &printer);

// Print the region at the size factor, with a progress text in the status bar.
void printScale(int factor);
void printChords(int factor);

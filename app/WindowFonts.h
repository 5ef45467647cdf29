#pragma once

// The fonts of the window designs: every window starts from one base font and
// a few controls get their own height, weight and colour.

#include <array>
#include <span>
#include <string_view>

class QFont;
class QWidget;

struct ControlFont
{
    std::string_view name; // the control's objectName
    int pixelHeight;
    bool bold;
    bool navy; // otherwise the window's own text colour
};

// The stand-in for the designs' MS Sans Serif, at its 8-point height: the
// font of every window.
QFont windowFont();

// Gives the window the base font, then each listed control its own font and
// text colour, and lets every text label grow to fit its text. Every name
// must be that of a control of the window.
void applyFonts(QWidget *window, std::span<const ControlFont> fonts);
void fitTextsToFonts(QWidget *window);

inline constexpr std::array<ControlFont, 18> mainWindowFonts { {
    { "GroupBox1", 13, false, true },
    { "GroupBox2", 13, false, true },
    { "GroupBox3", 13, false, true },
    { "fldKey", 12, true, true },
    // Set black explicitly, or it would take the navy of its group box.
    { "cmbScales", 12, false, false },
    { "fldTuning", 13, true, true },
    { "Button1", 11, false, true },
    { "Button2", 11, false, true },
    { "Edit2", 11, true, false },
    { "LabelE", 13, true, true },
    { "LabelA", 13, true, true },
    { "LabelD", 13, true, true },
    { "LabelG", 13, true, true },
    { "LabelB", 13, true, true },
    { "LabelE2", 13, true, true },
    { "fldChordName", 11, true, false },
    { "StaticText18", 11, false, false },
    { "txtMakeup", 11, true, false },
} };

inline constexpr std::array<ControlFont, 0> retuneFonts {};

inline constexpr std::array<ControlFont, 2> aboutFonts { {
    { "StaticText4", 16, true, true },
    { "StaticText3", 12, false, true },
} };

inline constexpr std::array<ControlFont, 0> printFonts {};

#pragma once

// The neck's 138 markers: one per string and fret, open string to fret 22.
// Copied from the neck's layout sheet, fret by fret, low E string first. The
// names follow no rule (note NoteA4), so this table is the reference.

#include <array>
#include <string_view>

struct NeckCell
{
    std::string_view name;
    int string; // 0 = low E ... 5 = high E
    int fret;   // 0 = open string ... 22
    int left;
    int width;
    int top;
    int standardPitch;
};

inline constexpr int neckStringCount = 6;
inline constexpr int neckFretCount = 23;
inline constexpr int neckMarkerHeight = 9;

inline constexpr std::array<NeckCell, 138> neckGrid = { {
    // name, string, fret, left, width, top, standard pitch
    // fret 0
    { "noteE", 0, 0, 16, 25, 149, 7 },
    { "noteA2", 1, 0, 16, 25, 136, 0 },
    { "noteD4", 2, 0, 16, 25, 123, 5 },
    { "noteG6", 3, 0, 16, 25, 110, 10 },
    { "noteB8", 4, 0, 16, 25, 97, 2 },
    { "noteE10", 5, 0, 16, 25, 84, 7 },
    // fret 1
    { "noteF", 0, 1, 52, 37, 149, 8 },
    { "noteAs2", 1, 1, 52, 37, 136, 1 },
    { "noteDs4", 2, 1, 52, 37, 123, 6 },
    { "noteGs6", 3, 1, 52, 37, 110, 11 },
    { "noteC8", 4, 1, 52, 37, 97, 3 },
    { "noteF10", 5, 1, 52, 37, 84, 8 },
    // fret 2
    { "noteFs", 0, 2, 95, 33, 149, 9 },
    { "noteB2", 1, 2, 95, 33, 136, 2 },
    { "noteE4", 2, 2, 95, 33, 123, 7 },
    { "noteA6", 3, 2, 95, 33, 110, 0 },
    { "noteCs8", 4, 2, 95, 33, 97, 4 },
    { "noteFs10", 5, 2, 95, 33, 84, 9 },
    // fret 3
    { "noteG", 0, 3, 132, 33, 149, 10 },
    { "noteC2", 1, 3, 132, 33, 136, 3 },
    { "noteF4", 2, 3, 132, 33, 123, 8 },
    { "noteAs6", 3, 3, 132, 33, 110, 1 },
    { "noteD8", 4, 3, 132, 33, 97, 5 },
    { "noteG10", 5, 3, 132, 33, 84, 10 },
    // fret 4
    { "noteGs", 0, 4, 173, 29, 149, 11 },
    { "noteCs2", 1, 4, 173, 29, 136, 4 },
    { "noteFs4", 2, 4, 173, 29, 123, 9 },
    { "noteB6", 3, 4, 173, 29, 110, 2 },
    { "noteDs8", 4, 4, 173, 29, 97, 6 },
    { "noteGs10", 5, 4, 173, 29, 84, 11 },
    // fret 5
    { "noteA", 0, 5, 212, 29, 149, 0 },
    { "noteD2", 1, 5, 212, 29, 136, 5 },
    { "noteG4", 2, 5, 212, 29, 123, 10 },
    { "noteC6", 3, 5, 212, 29, 110, 3 },
    { "noteE8", 4, 5, 212, 29, 97, 7 },
    { "noteA10", 5, 5, 212, 29, 84, 0 },
    // fret 6
    { "noteAs", 0, 6, 248, 25, 149, 1 },
    { "noteDs2", 1, 6, 248, 25, 136, 6 },
    { "noteGs4", 2, 6, 248, 25, 123, 11 },
    { "noteCs6", 3, 6, 248, 25, 110, 4 },
    { "noteF8", 4, 6, 248, 25, 97, 8 },
    { "noteAs10", 5, 6, 248, 25, 84, 1 },
    // fret 7
    { "noteB", 0, 7, 282, 25, 149, 2 },
    { "noteE2", 1, 7, 282, 25, 136, 7 },
    { "NoteA4", 2, 7, 282, 25, 123, 0 },
    { "noteD6", 3, 7, 282, 25, 110, 5 },
    { "noteFs8", 4, 7, 282, 25, 97, 9 },
    { "noteB10", 5, 7, 282, 25, 84, 2 },
    // fret 8
    { "noteC", 0, 8, 316, 21, 149, 3 },
    { "noteF2", 1, 8, 316, 21, 136, 8 },
    { "noteAs4", 2, 8, 316, 21, 123, 1 },
    { "noteDs6", 3, 8, 316, 21, 110, 6 },
    { "noteG8", 4, 8, 316, 21, 97, 10 },
    { "noteC10", 5, 8, 316, 21, 84, 3 },
    // fret 9
    { "noteCs", 0, 9, 346, 21, 149, 4 },
    { "noteFs2", 1, 9, 346, 21, 136, 9 },
    { "noteB4", 2, 9, 346, 21, 123, 2 },
    { "noteE6", 3, 9, 346, 21, 110, 7 },
    { "noteGs8", 4, 9, 346, 21, 97, 11 },
    { "noteCs10", 5, 9, 346, 21, 84, 4 },
    // fret 10
    { "noteD", 0, 10, 373, 21, 149, 5 },
    { "noteG2", 1, 10, 373, 21, 136, 10 },
    { "noteC4", 2, 10, 373, 21, 123, 3 },
    { "noteF6", 3, 10, 373, 21, 110, 8 },
    { "noteA8", 4, 10, 373, 21, 97, 0 },
    { "noteD10", 5, 10, 373, 21, 84, 5 },
    // fret 11
    { "noteDs", 0, 11, 401, 19, 149, 6 },
    { "noteGs2", 1, 11, 401, 19, 136, 11 },
    { "noteCs4", 2, 11, 401, 19, 123, 4 },
    { "noteFs6", 3, 11, 401, 19, 110, 9 },
    { "noteAs8", 4, 11, 401, 19, 97, 1 },
    { "noteDs10", 5, 11, 401, 19, 84, 6 },
    // fret 12
    { "noteE1", 0, 12, 424, 21, 149, 7 },
    { "noteA3", 1, 12, 424, 21, 136, 0 },
    { "noteD5", 2, 12, 424, 21, 123, 5 },
    { "noteG7", 3, 12, 424, 21, 110, 10 },
    { "noteB9", 4, 12, 424, 21, 97, 2 },
    { "noteE11", 5, 12, 424, 21, 84, 7 },
    // fret 13
    { "noteF1", 0, 13, 448, 17, 149, 8 },
    { "noteAs3", 1, 13, 448, 17, 136, 1 },
    { "noteDs5", 2, 13, 448, 17, 123, 6 },
    { "noteGs7", 3, 13, 448, 17, 110, 11 },
    { "noteC9", 4, 13, 448, 17, 97, 3 },
    { "noteF11", 5, 13, 448, 17, 84, 8 },
    // fret 14
    { "noteFs1", 0, 14, 469, 15, 149, 9 },
    { "noteB3", 1, 14, 469, 15, 136, 2 },
    { "noteE5", 2, 14, 469, 15, 123, 7 },
    { "noteA7", 3, 14, 469, 15, 110, 0 },
    { "noteCs9", 4, 14, 469, 15, 97, 4 },
    { "noteFs11", 5, 14, 469, 15, 84, 9 },
    // fret 15
    { "noteG1", 0, 15, 488, 15, 149, 10 },
    { "noteC3", 1, 15, 488, 15, 136, 3 },
    { "noteF5", 2, 15, 488, 15, 123, 8 },
    { "noteAs7", 3, 15, 488, 15, 110, 1 },
    { "noteD9", 4, 15, 488, 15, 97, 5 },
    { "noteG11", 5, 15, 488, 15, 84, 10 },
    // fret 16
    { "noteGs1", 0, 16, 504, 15, 149, 11 },
    { "noteCs3", 1, 16, 504, 15, 136, 4 },
    { "noteFs5", 2, 16, 504, 15, 123, 9 },
    { "noteB7", 3, 16, 504, 15, 110, 2 },
    { "noteDs9", 4, 16, 504, 15, 97, 6 },
    { "noteGs11", 5, 16, 504, 15, 84, 11 },
    // fret 17
    { "noteA1", 0, 17, 521, 15, 149, 0 },
    { "noteD3", 1, 17, 521, 15, 136, 5 },
    { "noteG5", 2, 17, 521, 15, 123, 10 },
    { "noteC7", 3, 17, 521, 15, 110, 3 },
    { "noteE9", 4, 17, 521, 15, 97, 7 },
    { "noteA11", 5, 17, 521, 15, 84, 0 },
    // fret 18
    { "noteAs1", 0, 18, 538, 13, 149, 1 },
    { "noteDs3", 1, 18, 538, 13, 136, 6 },
    { "noteGs5", 2, 18, 538, 13, 123, 11 },
    { "noteCs7", 3, 18, 538, 13, 110, 4 },
    { "noteF9", 4, 18, 538, 13, 97, 8 },
    { "noteAs11", 5, 18, 538, 13, 84, 1 },
    // fret 19
    { "noteB1", 0, 19, 554, 11, 149, 2 },
    { "noteE3", 1, 19, 554, 11, 136, 7 },
    { "noteA5", 2, 19, 554, 11, 123, 0 },
    { "noteD7", 3, 19, 554, 11, 110, 5 },
    { "noteFs9", 4, 19, 554, 11, 97, 9 },
    { "noteB11", 5, 19, 554, 11, 84, 2 },
    // fret 20
    { "noteC1", 0, 20, 569, 11, 149, 3 },
    { "noteF3", 1, 20, 569, 11, 136, 8 },
    { "noteAs5", 2, 20, 569, 11, 123, 1 },
    { "noteDs7", 3, 20, 569, 11, 110, 6 },
    { "noteG9", 4, 20, 569, 11, 97, 10 },
    { "noteC11", 5, 20, 569, 11, 84, 3 },
    // fret 21
    { "noteCs1", 0, 21, 584, 9, 149, 4 },
    { "noteFs3", 1, 21, 584, 9, 136, 9 },
    { "noteB5", 2, 21, 584, 9, 123, 2 },
    { "noteE7", 3, 21, 584, 9, 110, 7 },
    { "noteGs9", 4, 21, 584, 9, 97, 11 },
    { "noteCs11", 5, 21, 584, 9, 84, 4 },
    // fret 22
    { "noteD1", 0, 22, 598, 9, 149, 5 },
    { "noteG3", 1, 22, 598, 9, 136, 10 },
    { "noteC5", 2, 22, 598, 9, 123, 3 },
    { "noteF7", 3, 22, 598, 9, 110, 8 },
    { "noteA9", 4, 22, 598, 9, 97, 0 },
    { "noteD11", 5, 22, 598, 9, 84, 5 },
} };

struct NeckString
{
    int openPitch;
    std::string_view letter; // the neck letter's caption in standard tuning
};

// Low E first, as the grid's string numbers count.
inline constexpr std::array<NeckString, neckStringCount> neckStrings = { {
    { 7, "E" },
    { 0, "A" },
    { 5, "D" },
    { 10, "G" },
    { 2, "B" },
    { 7, "E" },
} };

// The markers of each standard pitch, in the order the scale display sends
// to them (A first). Groups of fewer than 12 end in empty names.
inline constexpr std::array<std::array<std::string_view, 12>, 12> pitchGroupNames = { {
    { "noteA", "noteA1", "noteA2", "noteA3", "NoteA4", "noteA5", "noteA6", "noteA7", "noteA8",
        "noteA9", "noteA10", "noteA11" }, // "A"
    { "noteAs", "noteAs1", "noteAs2", "noteAs3", "noteAs4", "noteAs5", "noteAs6", "noteAs7",
        "noteAs8", "noteAs10", "noteAs11" }, // "A#"
    { "noteB", "noteB1", "noteB2", "noteB3", "noteB4", "noteB5", "noteB6", "noteB7", "noteB8",
        "noteB9", "noteB10", "noteB11" }, // "B"
    { "noteC", "noteC1", "noteC2", "noteC3", "noteC4", "noteC5", "noteC6", "noteC7", "noteC8",
        "noteC9", "noteC10", "noteC11" }, // "C"
    { "noteCs", "noteCs1", "noteCs2", "noteCs3", "noteCs4", "noteCs6", "noteCs7", "noteCs8",
        "noteCs9", "noteCs10", "noteCs11" }, // "C#"
    { "noteD", "noteD1", "noteD2", "noteD3", "noteD4", "noteD5", "noteD6", "noteD7", "noteD8",
        "noteD9", "noteD10", "noteD11" }, // "D"
    { "noteDs", "noteDs2", "noteDs3", "noteDs4", "noteDs5", "noteDs6", "noteDs7", "noteDs8",
        "noteDs9", "noteDs10" }, // "D#"
    { "noteE", "noteE1", "noteE2", "noteE3", "noteE4", "noteE5", "noteE6", "noteE7", "noteE8",
        "noteE9", "noteE10", "noteE11" }, // "E"
    { "noteF", "noteF1", "noteF2", "noteF3", "noteF4", "noteF5", "noteF6", "noteF7", "noteF8",
        "noteF9", "noteF10", "noteF11" }, // "F"
    { "noteFs", "noteFs1", "noteFs2", "noteFs3", "noteFs4", "noteFs5", "noteFs6", "noteFs8",
        "noteFs9", "noteFs10", "noteFs11" }, // "F#"
    { "noteG", "noteG1", "noteG2", "noteG3", "noteG4", "noteG5", "noteG6", "noteG7", "noteG8",
        "noteG9", "noteG10", "noteG11" }, // "G"
    { "noteGs", "noteGs1", "noteGs2", "noteGs4", "noteGs5", "noteGs6", "noteGs7", "noteGs8",
        "noteGs9", "noteGs10", "noteGs11" }, // "G#"
} };

#pragma once

// The chord types of the chord type list with their makeup, and the stored fingerings: for every
// type and key one 30-character shape code holding three positions up the neck.
//
// A code is three blocks of ten characters, positions 1 to 3. In a block, characters 1 to 6 are
// the string states from the high E string down to the low E string ("0" open, "1" to "4" pressed
// at diagram fret 1 to 4, "5" not played) and characters 7 to 10 label the four diagram frets
// ("0" to "9", "A" to "E" for frets 10 to 14).

#include "flUtils.h"

#include <array>
#include <string>
#include <string_view>

inline constexpr int chordTypeCount = 17;
inline constexpr int shapeCodeLength = 30;

// The items of the chord type list, in order ("diminshed" is how the list has always read).
inline constexpr std::array<std::string_view, chordTypeCount> chordTypeNames = {
    "major",
    "minor",
    "7th",
    "major 7th",
    "minor 7th",
    "suspended 4th",
    "7th suspended 4th",
    "6th",
    "minor 6th",
    "9th",
    "minor 9th",
    "major 6th add 9",
    "augmented",
    "diminished",
    "7th diminshed 5th",
    "11th",
    "13th",
};

// Degrees of the major scale of the key; "b" flattens by a semitone, "bb" by two, "#" sharpens.
inline constexpr std::array<std::string_view, chordTypeCount> chordMakeups = {
    "1st 3rd 5th",               // 0 major
    "1st b3rd 5th",              // 1 minor
    "1st 3rd 5th b7th",          // 2 7th
    "1st 3rd 5th 7th",           // 3 major 7th
    "1st b3rd 5th b7th",         // 4 minor 7th
    "1st 4th 5th",               // 5 suspended 4th
    "1st 4th 5th b7th",          // 6 7th suspended 4th
    "1st 3rd 5th 6th",           // 7 6th
    "1st b3rd 5th 6th",          // 8 minor 6th
    "1st 3rd 5th b7th 9th",      // 9 9th
    "1st b3rd 5th b7th 9th",     // 10 minor 9th
    "1st 3rd 5th 6th 9th",       // 11 major 6th add 9
    "1st 3rd #5th",              // 12 augmented
    "1st b3rd b5th bb7th",       // 13 diminished
    "1st 3rd b5th b7th",         // 14 7th diminshed 5th
    "1st 3rd 5th b7th 9th 11th", // 15 11th
    "1st 3rd 5th b7th 9th 13th", // 16 13th
};

static_assert(chordTypeNames.size() == chordTypeCount && chordMakeups.size() == chordTypeCount);

// Shape code of `chordType` (0..16) in `key` (0..11); empty when either is outside its range.
std::string chordShape(int key, int chordType);

// Makeup text of `chordType`, empty outside 0..16.
std::string chordMakeup(int chordType);

// Fret number of a letter label: "A".."E" give "10".."14", any other text "XX". Digit labels are
// shown as they are and never come here.
std::string fretLabelText(std::string_view label);

#pragma once

// Pitch classes and their names. A pitch class counts semitones up from A:
// A = 0, A# = 1, ... G# = 11.

#include <array>
#include <string>
#include <string_view>

inline constexpr int pitchClassCount = 12;

// The names that are parsed and that the neck letters show.
inline constexpr std::array<std::string_view, pitchClassCount> sharpNames = {
    "A",
    "A#",
    "B",
    "C",
    "C#",
    "D",
    "D#",
    "E",
    "F",
    "F#",
    "G",
    "G#",
};

// The names the chord key list and the key field show.
inline constexpr std::array<std::string_view, pitchClassCount> keyNames = {
    "A",
    "A#/Bb",
    "B",
    "C",
    "C#/Db",
    "D",
    "D#/Eb",
    "E",
    "F",
    "F#/Gb",
    "G",
    "G#/Ab",
};

// Whole text, case significant; any other text (the empty one too) is A, 0.
int noteToPitch(std::string_view name);

// Sharp name of 0..11, "X" otherwise.
std::string pitchToNote(int pitch);

// Key name of 0..11, "unknown" otherwise.
std::string keyDisplayName(int pitch);

// True when name is exactly one of the twelve sharp names.
bool isSharpName(std::string_view name);

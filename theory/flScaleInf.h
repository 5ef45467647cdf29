#pragma once

// The scales and modes of the scale list: which semitones above a key belong to each, and its
// step pattern in words. Indexes are the list's item indexes.

#include "flUtils.h"

#include <array>
#include <string>
#include <string_view>

inline constexpr int scaleCount = 15;

// The items of the scale list, in order.
inline constexpr std::array<std::string_view, scaleCount> scaleNames = {
    "Major (Ionian mode)",
    "Natural Minor (Aeolian mode)",
    "Blues Scale",
    "Harmonic Minor",
    "Melodic Minor",
    "Pentatonic",
    "Pentatonic Minor (rock scale)",
    "Hungarian Minor",
    "Dorian mode",
    "Phrygian mode",
    "Lydian mode",
    "Mixolydian mode",
    "Locrian mode",
    "Diminished scale",
    "Enigmatic scale",
};

// Intervals from the key up to the octave, one word each. "Hungarian Minor" has always been
// written with the short "semitn".
inline constexpr std::array<std::string_view, scaleCount> scaleStepTexts = {
    "tone tone semitone tone tone tone semitone",               // 0 Major (Ionian mode)
    "tone semitone tone tone semitone tone tone",               // 1 Natural Minor (Aeolian mode)
    "tone+semitone tone semitone semitone tone+semitone tone",  // 2 Blues Scale
    "tone semitone tone tone semitone tone+semitone semitone",  // 3 Harmonic Minor
    "tone semitone tone tone tone tone semitone",               // 4 Melodic Minor
    "tone tone tone+semitone tone tone+semitone",               // 5 Pentatonic
    "tone+semitone tone tone tone+semitone tone",               // 6 Pentatonic Minor (rock scale)
    "tone semitn tone+semitn semitn semitn tone+semitn semitn", // 7 Hungarian Minor
    "tone semitone tone tone tone semitone tone",               // 8 Dorian mode
    "semitone tone tone tone semitone tone tone",               // 9 Phrygian mode
    "tone tone tone semitone tone tone semitone",               // 10 Lydian mode
    "tone tone semitone tone tone semitone tone",               // 11 Mixolydian mode
    "semitone tone tone semitone tone tone tone",               // 12 Locrian mode
    "tone semitone tone semitone tone semitone tone semitone",  // 13 Diminished scale
    "semitone tone+semitone tone tone tone semitone semitone",  // 14 Enigmatic scale
};

static_assert(scaleNames.size() == scaleCount && scaleStepTexts.size() == scaleCount);

// Element i is 1 when the note i semitones above the key is in the scale last built. The one
// mask of the program, all zeros until the first build; read it right after building.
extern std::array<int, pitchClassCount> scaleMask;

// Replaces the whole mask with the degrees of scale `index`; any other index leaves it as it is.
void buildScaleMask(int index);

// Step text of scale `index`, empty outside the list.
std::string scaleSteps(int index);

// Lays the mask over the pitch classes from `key` (0..11) up: element (key + i) % 12 of the result
// is scaleMask[i], so element p is 1 when pitch class p is in the scale in that key.
std::array<int, pitchClassCount> placeScaleInKey(int key);

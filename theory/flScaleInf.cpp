#include "flScaleInf.h"

#include <cstddef>

std::array<int, pitchClassCount> scaleMask {};

namespace {

// Degrees in semitones above the key, in list order.
constexpr std::array<int, 7> majorDegrees { 0, 2, 4, 5, 7, 9, 11 };          // 0
constexpr std::array<int, 7> naturalMinorDegrees { 0, 2, 3, 5, 7, 8, 10 };   // 1
constexpr std::array<int, 6> bluesDegrees { 0, 3, 5, 6, 7, 10 };             // 2
constexpr std::array<int, 7> harmonicMinorDegrees { 0, 2, 3, 5, 7, 8, 11 };  // 3
constexpr std::array<int, 7> melodicMinorDegrees { 0, 2, 3, 5, 7, 9, 11 };   // 4
constexpr std::array<int, 5> pentatonicDegrees { 0, 2, 4, 7, 9 };            // 5
constexpr std::array<int, 5> pentatonicMinorDegrees { 0, 3, 5, 7, 10 };      // 6
constexpr std::array<int, 7> hungarianMinorDegrees { 0, 2, 3, 6, 7, 8, 11 }; // 7
constexpr std::array<int, 7> dorianDegrees { 0, 2, 3, 5, 7, 9, 10 };         // 8
constexpr std::array<int, 7> phrygianDegrees { 0, 1, 3, 5, 7, 8, 10 };       // 9
constexpr std::array<int, 7> lydianDegrees { 0, 2, 4, 6, 7, 9, 11 };         // 10
constexpr std::array<int, 7> mixolydianDegrees { 0, 2, 4, 5, 7, 9, 10 };     // 11
constexpr std::array<int, 7> locrianDegrees { 0, 1, 3, 5, 6, 8, 10 };        // 12
constexpr std::array<int, 8> diminishedDegrees { 0, 2, 3, 5, 6, 8, 9, 11 };  // 13
constexpr std::array<int, 7> enigmaticDegrees { 0, 1, 4, 6, 8, 10, 11 };     // 14

void clearMask()
{
    scaleMask.fill(0);
}

template <std::size_t N> void setDegrees(const std::array<int, N> &degrees)
{
    for (const int degree : degrees)
        scaleMask[degree] = 1;
}

// Each routine clears first, so nothing of an earlier scale survives.
void buildMajor()
{
    clearMask();
    setDegrees(majorDegrees);
}

void buildNaturalMinor()
{
    clearMask();
    setDegrees(naturalMinorDegrees);
}

void buildBlues()
{
    clearMask();
    setDegrees(bluesDegrees);
}

void buildHarmonicMinor()
{
    clearMask();
    setDegrees(harmonicMinorDegrees);
}

void buildMelodicMinor()
{
    clearMask();
    setDegrees(melodicMinorDegrees);
}

void buildPentatonic()
{
    clearMask();
    setDegrees(pentatonicDegrees);
}

void buildPentatonicMinor()
{
    clearMask();
    setDegrees(pentatonicMinorDegrees);
}

void buildHungarianMinor()
{
    clearMask();
    setDegrees(hungarianMinorDegrees);
}

void buildDorian()
{
    clearMask();
    setDegrees(dorianDegrees);
}

void buildPhrygian()
{
    clearMask();
    setDegrees(phrygianDegrees);
}

void buildLydian()
{
    clearMask();
    setDegrees(lydianDegrees);
}

void buildMixolydian()
{
    clearMask();
    setDegrees(mixolydianDegrees);
}

void buildLocrian()
{
    clearMask();
    setDegrees(locrianDegrees);
}

void buildDiminished()
{
    clearMask();
    setDegrees(diminishedDegrees);
}

void buildEnigmatic()
{
    clearMask();
    setDegrees(enigmaticDegrees);
}

constexpr std::array<void (*)(), scaleCount> builders = {
    buildMajor,
    buildNaturalMinor,
    buildBlues,
    buildHarmonicMinor,
    buildMelodicMinor,
    buildPentatonic,
    buildPentatonicMinor,
    buildHungarianMinor,
    buildDorian,
    buildPhrygian,
    buildLydian,
    buildMixolydian,
    buildLocrian,
    buildDiminished,
    buildEnigmatic,
};
static_assert(builders.size() == scaleCount);

bool isScaleIndex(int index)
{
    return index >= 0 && index < scaleCount;
}

} // namespace

void buildScaleMask(int index)
{
    if (isScaleIndex(index))
        builders[index]();
}

std::string scaleSteps(int index)
{
    return isScaleIndex(index) ? std::string(scaleStepTexts[index]) : std::string();
}

std::array<int, pitchClassCount> placeScaleInKey(int key)
{
    // Keys come from the neck markers, always 0..11; the double modulo only keeps a stray
    // negative key inside the array.
    std::array<int, pitchClassCount> placed {};
    for (int i = 0; i < pitchClassCount; ++i)
        placed[((key + i) % pitchClassCount + pitchClassCount) % pitchClassCount] = scaleMask[i];
    return placed;
}

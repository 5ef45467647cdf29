#include "flUtils.h"

#include <algorithm>

namespace {

bool isPitchClass(int pitch)
{
    return pitch >= 0 && pitch < pitchClassCount;
}

} // namespace

int noteToPitch(std::string_view name)
{
    const auto found = std::find(sharpNames.begin(), sharpNames.end(), name);
    return found == sharpNames.end() ? 0 : int(found - sharpNames.begin());
}

std::string pitchToNote(int pitch)
{
    return isPitchClass(pitch) ? std::string(sharpNames[pitch]) : std::string("X");
}

std::string keyDisplayName(int pitch)
{
    return isPitchClass(pitch) ? std::string(keyNames[pitch]) : std::string("unknown");
}

bool isSharpName(std::string_view name)
{
    return std::find(sharpNames.begin(), sharpNames.end(), name) != sharpNames.end();
}

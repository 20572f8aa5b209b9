#include "theory/PitchNameInfo.h"

#include "theory/Define_PitchName.h"

namespace nubo
{

namespace
{
    constexpr int majorScaleSteps[] = { 0, 2, 4, 5, 7, 9, 11 };

    /** value mod 12 in 0 … 11, for any int (no overflow). */
    int pitchClassOf (int value) noexcept
    {
        const auto pc = value % 12;
        return pc < 0 ? pc + 12 : pc;
    }

    /** Bit i set when pitch class i belongs to the major scale of key. */
    int majorScaleMask (int key) noexcept
    {
        int mask = 0;

        for (auto step : majorScaleSteps)
            mask |= 1 << pitchClassOf (pitchClassOf (key) + step);

        return mask;
    }
} // namespace

juce::StringArray PitchNameInfo::getMajorScaleStringArry (int key, bool isFlat)
{
    juce::StringArray names;
    names.ensureStorageAllocated ((int) std::size (majorScaleSteps));

    for (auto step : majorScaleSteps)
        names.add (Define_PitchName::getPitchClassName (pitchClassOf (pitchClassOf (key) + step), isFlat));

    return names;
}

bool PitchNameInfo::isDiatonicChord (int mainKey, int /*chordRoot*/, const juce::String& /*chordName*/,
                                     const juce::Array<int>& chordTones)
{
    if (chordTones.isEmpty())
        return false;

    const auto mask = majorScaleMask (mainKey);

    for (auto tone : chordTones)
    {
        // A negative pitch has no name in the tables, so it matches no scale tone.
        if (tone < 0 || (mask & (1 << (tone % 12))) == 0)
            return false;
    }

    return true;
}

} // namespace nubo

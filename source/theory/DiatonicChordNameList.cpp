#include "theory/DiatonicChordNameList.h"

#include "theory/ChordGenerator.h"
#include "theory/Define_ChordName.h"
#include "theory/PitchNameInfo.h"

namespace nubo
{

namespace
{
    int pitchClassOf (int value) noexcept
    {
        const auto pc = value % 12;
        return pc < 0 ? pc + 12 : pc;
    }
} // namespace

DiatonicChordNameList::DiatonicChordNameList() = default;

DiatonicChordNameList& DiatonicChordNameList::getShared()
{
    static DiatonicChordNameList shared;
    return shared;
}

juce::StringArray DiatonicChordNameList::get (int mainKey, int chordRoot)
{
    const auto keyClass = pitchClassOf (mainKey);
    const auto rootClass = pitchClassOf (chordRoot);

    const juce::ScopedLock sl (lock);
    auto& slot = lists[(size_t) (keyClass * numPitchClasses + rootClass)];

    if (! slot.has_value())
        slot = build (keyClass, rootClass);

    return *slot;
}

void DiatonicChordNameList::clear()
{
    const juce::ScopedLock sl (lock);

    for (auto& slot : lists)
        slot.reset();
}

juce::StringArray DiatonicChordNameList::build (int keyClass, int rootClass)
{
    // The root in the octave of C3: every root-position tone is a valid pitch of that class.
    const auto root = 60 + rootClass;

    juce::StringArray names;

    for (const auto& name : Define_ChordName::getAllChordNameList())
    {
        generator.clearStoredChordTone();
        ChordGenerator::checkAndExecute (&generator, nullptr, nullptr, name, root, 0.0f, 4.0f, 1.0f, 1);

        if (PitchNameInfo::isDiatonicChord (keyClass, root, name, generator.getChordTone()))
            names.add (name);
    }

    if (names.isEmpty())
        names.add ("---");

    return names;
}

juce::StringArray ChordGenerator::getDiatonicChordNameList (int mainKey, int chordRoot)
{
    return DiatonicChordNameList::getShared().get (mainKey, chordRoot);
}

} // namespace nubo

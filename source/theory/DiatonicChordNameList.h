#pragma once

#include "theory/ChordGenerator_Base.h"

#include <array>
#include <optional>

namespace nubo
{

/**
    The lists of diatonic chord names, one per pair of pitch classes (main key, chord root), built
    on first request and kept. The process-wide instance serves ChordGenerator::getDiatonicChordNameList;
    a separate instance starts empty (benchmarks measure the first build with one).
*/
class DiatonicChordNameList final
{
public:
    DiatonicChordNameList();

    /** The names of "All Chord", in order, whose chord tones in root position on chordRoot all lie
        in the major scale of mainKey, or the single entry "---". Only the pitch classes of mainKey
        and chordRoot count. */
    juce::StringArray get (int mainKey, int chordRoot);

    /** Forgets every list built so far. */
    void clear();

    /** The instance behind ChordGenerator::getDiatonicChordNameList. */
    static DiatonicChordNameList& getShared();

private:
    juce::StringArray build (int keyClass, int rootClass);

    static constexpr int numPitchClasses = 12;

    juce::CriticalSection lock;
    std::array<std::optional<juce::StringArray>, numPitchClasses * numPitchClasses> lists;
    ChordGeneratorType_1 generator;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DiatonicChordNameList)
};

} // namespace nubo

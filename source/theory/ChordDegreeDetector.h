#pragma once

#include <juce_core/juce_core.h>

namespace nubo
{

/** One pair of chord tones: the indexes refer to the sorted tone list kept in `tones`. */
struct DegreeInfo
{
    int distance = 0; ///< semitones from the lower to the upper tone
    int lowerIndex = 0;
    int upperIndex = 0;
    juce::Array<int> tones; ///< the chord tones, sorted ascending
};

/** Finds the pairs of chord tones that lie a given number of semitones apart. */
struct ChordDegreeDetector final
{
    /** Every pair (i, k), i ≤ k, of the sorted tones whose distance is exactly `semitones`
        (a negative value counts 12 higher: -5 asks for fifths), ordered by i and then by k.
        Asking for 0 pairs every tone with itself. */
    static juce::Array<DegreeInfo> getDegreeInfo_Order (juce::Array<int> tones, int semitones);

    ChordDegreeDetector() = delete;
};

} // namespace nubo

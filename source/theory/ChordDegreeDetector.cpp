#include "theory/ChordDegreeDetector.h"

#include <algorithm>

namespace nubo
{

juce::Array<DegreeInfo> ChordDegreeDetector::getDegreeInfo_Order (juce::Array<int> tones, int semitones)
{
    std::sort (tones.begin(), tones.end());

    // Widened, so that neither the wanted distance nor the difference of two extreme tones overflows.
    const auto wanted = static_cast<juce::int64> (semitones) + (semitones < 0 ? 12 : 0);

    juce::Array<DegreeInfo> found;

    for (int i = 0; i < tones.size(); ++i)
    {
        for (int k = i; k < tones.size(); ++k)
        {
            const auto distance = static_cast<juce::int64> (tones.getUnchecked (k)) - tones.getUnchecked (i);

            if (distance == wanted)
                found.add ({ static_cast<int> (distance), i, k, tones });
        }
    }

    return found;
}

} // namespace nubo

#include "engine/NuboChord2AudioProcessor.h"

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new NuboChord2AudioProcessor();
}

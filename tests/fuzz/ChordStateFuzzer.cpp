// Fuzz entry point for the chord-state text: any text read by fromXMLString must leave every
// value inside the setters' limits, and whatever state results must write and read back to the
// same text.

#include "performance/PitchChordManager.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    if (size > 1 << 20)
        return 0;

    // The plug-in only ever holds text that JUCE made from valid UTF-8 (files and the state
    // block are checked), so build the text the same way.
    if (! juce::CharPointer_UTF8::isValidString (reinterpret_cast<const char*> (data), static_cast<int> (size)))
        return 0;

    const auto text = juce::String::fromUTF8 (reinterpret_cast<const char*> (data), static_cast<int> (size));

    nubo::PitchChordManager state (nullptr);
    state.fromXMLString (text);

    const auto inRange = [] (const nubo::PitchChordManager& m) {
        return m.getMidiChannel() >= 1 && m.getMidiChannel() <= 16
            && m.getMainKey() >= 0 && m.getMainKey() <= 11
            && m.getVelocity() >= 0.0f && m.getVelocity() <= 1.0f;
    };

    if (! inRange (state))
        std::abort();

    if (auto* saved = state.getSavedPitchChordManager())
        if (! inRange (*saved) || saved->getSavedPitchChordManager() != nullptr)
            std::abort();

    for (auto tone : state.getChordTones (false))
        if (tone < 0 || tone > 127)
            std::abort();

    state.getFullChordName();

    const auto written = state.toXMLString();
    nubo::PitchChordManager again (nullptr);
    again.fromXMLString (written);

    if (again.toXMLString() != written)
        std::abort();

    return 0;
}

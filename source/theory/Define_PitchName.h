#pragma once

#include <juce_core/juce_core.h>

namespace nubo
{

/**
    The two twelve-name pitch tables (index = pitch class, C = 0) and the octave-offset list.
    The sharp sign shown is U+FF03 "＃", the flat sign U+266D "♭". Every list is built once and
    handed out as a copy.
*/
class Define_PitchName final
{
public:
    /** The flat table when isFlat is true, else the sharp table. */
    static juce::StringArray getPitchNameArray (bool isFlat);

    /** "-3" … "3": the entries of the octave roulette. */
    static juce::StringArray getOctaveListStringList();

    /** The table name of pitch mod 12 without copying the table; empty for a negative pitch. */
    static const juce::String& getPitchClassName (int pitch, bool isFlat);

private:
    Define_PitchName() = delete;
};

} // namespace nubo

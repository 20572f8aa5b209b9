#pragma once

#include <juce_core/juce_core.h>

namespace nubo
{

/**
    Pitch names read and written: names with octave numbers (60 is C3, the octave shown is
    pitch / 12 - 2), the parsers that turn texts such as "C＃3", "Db-1" or "B♭" back into pitch
    numbers, respelling in sharps or flats, and the key-name spelling of the circle of fifths.
    All stateless apart from the language switch.
*/
class PitchNameInfo final
{
public:
    /** Language of the interval, degree and tonic/dominant labels: 0 Japanese, 1 English. */
    static int m_laguageMode;

    /** The table name of pitch mod 12 followed by the octave number pitch / 12 - 2 ("C＃3",
        "D♭3", "C-2"). A negative pitch has an empty name part. */
    static juce::String pitchNumberToNameWithOctave (int pitch, bool isFlat);

    /** Parses a pitch name with an optional octave number (missing: octave 3). The first of the
        letters C, D, E, F, G, A, B that the text contains gives the letter (none gives C); a
        parenthesised part, when there is one, is where the accidental ("＃", "#", "♭", "b") and
        the one-digit octave (or -1, -2) are looked for. Not limited to 0 … 127. */
    static int getPitchNumberFromString (const juce::String& text);

    /** Parses a pitch name ignoring any octave: the result lies around C3 (59 … 72). */
    static int getPitchNumberFromStringNO (const juce::String& text);

    /** The text parsed and spelled again with the sharp table, with or without octave. */
    static juce::String convertSharpFlatPitchNameToS (const juce::String& text, bool withOctave);

    /** The text parsed and spelled again with the flat table, with or without octave. */
    static juce::String convertSharpFlatPitchNameToF (const juce::String& text, bool withOctave);

    /** Key-name spelling: A＃, D＃, G＃ and C＃ become flats (without octave), anything else is
        returned unchanged, so the sharp table gives C, D♭, D, E♭, E, F, F＃, G, A♭, A, B♭, B. */
    static juce::String convertPitchStringToCircleofFifth (const juce::String& text);

    // Scale, interval and harmonic-function names live in their own source files.

private:
    PitchNameInfo() = delete;
};

} // namespace nubo

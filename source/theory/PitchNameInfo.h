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

    //==============================================================================
    // Scales and keys (PitchNameInfo_Scales.cpp)

    /** The seven names of the major scale on key (pitch classes key, key+2, key+4, key+5, key+7,
        key+9, key+11, each mod 12), from the flat table when isFlat is set, else the sharp table. */
    static juce::StringArray getMajorScaleStringArry (int key, bool isFlat);

    /** Whether every chord tone lies in the major scale of mainKey (whatever scale a chord state
        holds). A chord without tones is never diatonic, and neither is one with a negative tone.
        The result depends on the tones alone; chordRoot and chordName are accepted for callers
        that name the chord, and do not change it. */
    static bool isDiatonicChord (int mainKey, int chordRoot, const juce::String& chordName, const juce::Array<int>& chordTones);

    //==============================================================================
    // Intervals and harmonic functions (PitchNameInfo_Degrees.cpp)

    /** The name of an interval of 0 … 24 semitones in the current language ("P1", "m2" …, "P15";
        "完全1度" …); "---" (English) or "---度" (Japanese) for any other value. */
    static juce::String getDegreeName (int semitones);

    /** Harmonic-function labels in the current language. */
    static juce::String getTonicString();
    static juce::String getSubDominantString();
    static juce::String getDominantString();
    static juce::String getLeadingString();

    /** The label of the first function that pitch has in the key mainKey (tonic, subdominant,
        dominant, leading tone), or an empty text when it has none. */
    static juce::String getHarmonicFunctionString (int pitch, int mainKey);

private:
    PitchNameInfo() = delete;
};

} // namespace nubo

#pragma once

#include <juce_core/juce_core.h>

namespace nubo
{

/**
    The chord vocabulary: the 75 chord-type names in five size groups and the category lists of
    the chord-list changer, the inversion-type names, the note-order names and the key names of
    the circle of fifths. Chord-type names are the same in both languages; "△" marks a major
    seventh and "¯" a lowered degree. Every list is built once and handed out as a copy.
*/
class Define_ChordName final
{
public:
    /** Language of the inversion-type and note-order names: 0 Japanese, 1 English. */
    static int m_laguageMode;

    /** "Maj", "min", "aug", "dim", "sus4". */
    static juce::StringArray get3rdChordNameList();
    /** The ten seventh chords, "△7" … "m7¯5". */
    static juce::StringArray get4thChordNameList();
    /** The 36 added-ninth chords, "Add9" … "sus47Add¯9¯5". */
    static juce::StringArray get9thChordNameList();
    /** The twelve added-eleventh chords. */
    static juce::StringArray get11thChordNameList();
    /** The twelve added-thirteenth chords. */
    static juce::StringArray get13thChordNameList();

    /** "All Chord": the five groups in order (75 names). */
    static juce::StringArray getAllChordNameList();
    /** "All Sus4 Chord": eleven names, then the six "¯5" sus4 names of the ninth group (17). */
    static juce::StringArray getAllSus4ChordnameList();
    /** "All Minor Chord" (23 names). */
    static juce::StringArray getAllMinorChordNameList();
    /** "All Major Chord" (23 names). */
    static juce::StringArray getAllMajorChordNameList();
    /** "Tension Chords": ninths, elevenths and thirteenths (60 names). */
    static juce::StringArray getTentionChordNameList();
    /** "3rd and 4th": triads then sevenths (15 names). */
    static juce::StringArray get3rdAnd4thChordNameList();

    /** The four inversion-type names of the current language ("Normal", "Inversion 1" …). */
    static juce::StringArray getChordTypeList();
    /** Key names in circle-of-fifths order from C. */
    static juce::StringArray getFifthPitchNameList();
    /** The relative minor keys at the same positions ("Am", "Em" …). */
    static juce::StringArray getFifthPitchNameListMinor();

    /** An inversion-type name of the other language in the current one; anything else unchanged. */
    static juce::String convertInvertChordTypeByLanguage (const juce::String& name);

    /** The six note-order names of the current language ("Normal", "Even", "Odd", "Bass,Top",
        "Top", "Bass"), without "Sync". */
    static juce::StringArray getNoteReplaceTypeList_WithoutSync();
    /** A note-order name of the other language in the current one; anything else unchanged. */
    static juce::String convertNoteOrderReplaceName_JA_EN (const juce::String& name);

private:
    Define_ChordName() = delete;
};

} // namespace nubo

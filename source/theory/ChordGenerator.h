#pragma once

#include <juce_core/juce_core.h>

namespace nubo
{

class ChordGenerator_Base;
class FileCreator_Base;
class NotesOrderReplace_Base;

/** Chord generation by chord-type name. */
class ChordGenerator final
{
public:
    /** Builds the chord of that chord-type name (exact comparison) with the generator, through the
        re-voicing into the sink (both may be null), and returns the lowest stored tone (0 when
        none). A text that is no chord-type name, or a null generator, delivers nothing, leaves
        the stored tones as they are and returns 0. */
    static int checkAndExecute (ChordGenerator_Base* generator, FileCreator_Base* sink, NotesOrderReplace_Base* reorder,
                                const juce::String& chordName, int root, float start, float length, float velocity, int channel);

    /** The "DiaTonic Chord Only" list: the names of "All Chord", in order, whose root-position
        chord on chordRoot lies wholly in the major scale of mainKey; the single entry "---" when
        none does. Built once per pair of pitch classes and kept (see DiatonicChordNameList). */
    static juce::StringArray getDiatonicChordNameList (int mainKey, int chordRoot);

private:
    ChordGenerator() = delete;
};

} // namespace nubo

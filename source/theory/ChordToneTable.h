#pragma once

#include <juce_core/juce_core.h>

namespace nubo
{

/**
    The chord tones of all 75 chord types, as semitones above the root in the order a generator
    delivers them in root position: root, third (or fourth), fifth, then the seventh when there is
    one, then the added tone. Entries stand in the order of the "All Chord" list: 5 triads,
    10 sevenths, 36 ninths, 12 elevenths, 12 thirteenths.
*/
class ChordToneTable final
{
public:
    static constexpr int maxTones = 5;
    static constexpr int numEntries = 75;

    struct Entry
    {
        const char* name; // UTF-8
        int numTones;
        int semitones[maxTones];

        /** Whether the fourth tone is a seventh (10 or 11 semitones above the root). */
        bool hasSeventh() const noexcept
        {
            return numTones >= 4 && (semitones[3] == 10 || semitones[3] == 11);
        }
    };

    /** The entry at index 0 … numEntries - 1, in "All Chord" order. */
    static const Entry& getEntry (int index) noexcept;

    /** The entry of a chord-type name (exact comparison), or nullptr for any other text. */
    static const Entry* find (const juce::String& chordName);

    /** The index of a chord-type name in "All Chord" order, or -1. */
    static int indexOf (const juce::String& chordName);

private:
    ChordToneTable() = delete;
};

} // namespace nubo

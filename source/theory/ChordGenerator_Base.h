#pragma once

#include <juce_core/juce_core.h>

#include "theory/ChordToneTable.h"

#include <limits>

namespace nubo
{

class FileCreator_Base;
class NotesOrderReplace_Base;

/**
    A chord generator: turns a root pitch and a chord type into chord tones in one inversion type,
    hands them through an optional re-voicing to an optional note sink, and keeps the last chord
    it produced, sorted from the lowest tone up.

    Every add operation returns the lowest stored tone after processing (the bass of the chord as
    sounded), or 0 when no tone is stored. Tones are not limited to 0 … 127 here; the root is
    limited so far inside the int range that no tone can overflow.
*/
class ChordGenerator_Base
{
public:
    virtual ~ChordGenerator_Base() = default;

    /** A copy of the stored chord tones, ascending. */
    virtual juce::Array<int> getChordTone() const = 0;
    /** The stored tones as sharp-table names, with their octave numbers when withOctave is set. */
    virtual juce::StringArray getChordToneAsName (bool withOctave) const = 0;
    /** Empties the stored tones. */
    virtual void clearStoredChordTone() = 0;

    virtual int addMaj (FileCreator_Base* sink, NotesOrderReplace_Base* reorder, int root, float start, float length, float velocity, int channel) = 0;
    virtual int addMin (FileCreator_Base* sink, NotesOrderReplace_Base* reorder, int root, float start, float length, float velocity, int channel) = 0;
    virtual int addArg (FileCreator_Base* sink, NotesOrderReplace_Base* reorder, int root, float start, float length, float velocity, int channel) = 0;
    virtual int addDim (FileCreator_Base* sink, NotesOrderReplace_Base* reorder, int root, float start, float length, float velocity, int channel) = 0;
    virtual int addSus4 (FileCreator_Base* sink, NotesOrderReplace_Base* reorder, int root, float start, float length, float velocity, int channel) = 0;

    /** The common processing of a built chord: re-voice, deliver to the sink in list order, store
        sorted, return the lowest stored tone (0 when none). */
    virtual int _procesing_ChordTones (juce::Array<int> tones, FileCreator_Base* sink, NotesOrderReplace_Base* reorder,
                                       float start, float length, float velocity, int channel) = 0;

    /** Builds any chord of the dictionary from its root-position intervals, in this generator's
        inversion type, and processes it. */
    virtual int addChordTones (const ChordToneTable::Entry& chord, FileCreator_Base* sink, NotesOrderReplace_Base* reorder,
                               int root, float start, float length, float velocity, int channel) = 0;

    /** Roots are limited to this range so that every chord tone stays an int. */
    static constexpr int maxRootMagnitude = std::numeric_limits<int>::max() - 64;
    static int limitRoot (int root) noexcept { return juce::jlimit (-maxRootMagnitude, maxRootMagnitude, root); }
};

/**
    Type 1, "Normal" / "基本形": the chord in root position. Holds the stored tones; the other
    types differ only in how they place the tones.
*/
class ChordGeneratorType_1 : public ChordGenerator_Base
{
public:
    ChordGeneratorType_1() = default;

    juce::Array<int> getChordTone() const override;
    juce::StringArray getChordToneAsName (bool withOctave) const override;
    void clearStoredChordTone() override;

    int addMaj (FileCreator_Base*, NotesOrderReplace_Base*, int root, float start, float length, float velocity, int channel) override;
    int addMin (FileCreator_Base*, NotesOrderReplace_Base*, int root, float start, float length, float velocity, int channel) override;
    int addArg (FileCreator_Base*, NotesOrderReplace_Base*, int root, float start, float length, float velocity, int channel) override;
    int addDim (FileCreator_Base*, NotesOrderReplace_Base*, int root, float start, float length, float velocity, int channel) override;
    int addSus4 (FileCreator_Base*, NotesOrderReplace_Base*, int root, float start, float length, float velocity, int channel) override;

    int _procesing_ChordTones (juce::Array<int> tones, FileCreator_Base*, NotesOrderReplace_Base*,
                               float start, float length, float velocity, int channel) override;

    int addChordTones (const ChordToneTable::Entry& chord, FileCreator_Base*, NotesOrderReplace_Base*,
                       int root, float start, float length, float velocity, int channel) override;

protected:
    /** Moves the tones of a chord built in root position (root first, in table order) into this
        type's places. The root never moves. */
    virtual void placeTones (juce::Array<int>& tones, const ChordToneTable::Entry& chord, int root) const;

    /** Builds root + each offset, in order, and processes the list. */
    int processOffsets (std::initializer_list<int> offsets, FileCreator_Base*, NotesOrderReplace_Base*,
                        int root, float start, float length, float velocity, int channel);

private:
    juce::Array<int> storedTones;
    juce::CriticalSection storedTonesLock;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ChordGeneratorType_1)
};

/**
    Type 2, "Inversion 1" / "第１転": every tone but the root an octave lower, so the third (the
    fourth of a sus4 chord) becomes the bass and the root the top.
*/
class ChordGeneratorType_2 final : public ChordGeneratorType_1
{
public:
    int addMaj (FileCreator_Base*, NotesOrderReplace_Base*, int root, float start, float length, float velocity, int channel) override;
    int addMin (FileCreator_Base*, NotesOrderReplace_Base*, int root, float start, float length, float velocity, int channel) override;
    int addArg (FileCreator_Base*, NotesOrderReplace_Base*, int root, float start, float length, float velocity, int channel) override;
    int addDim (FileCreator_Base*, NotesOrderReplace_Base*, int root, float start, float length, float velocity, int channel) override;
    int addSus4 (FileCreator_Base*, NotesOrderReplace_Base*, int root, float start, float length, float velocity, int channel) override;

protected:
    void placeTones (juce::Array<int>& tones, const ChordToneTable::Entry& chord, int root) const override;
};

/** Type 3, "Inversion 2" / "第２転": only the fifth (the third entry) an octave lower, in its place. */
class ChordGeneratorType_3 final : public ChordGeneratorType_1
{
public:
    int addMaj (FileCreator_Base*, NotesOrderReplace_Base*, int root, float start, float length, float velocity, int channel) override;
    int addMin (FileCreator_Base*, NotesOrderReplace_Base*, int root, float start, float length, float velocity, int channel) override;
    int addArg (FileCreator_Base*, NotesOrderReplace_Base*, int root, float start, float length, float velocity, int channel) override;
    int addDim (FileCreator_Base*, NotesOrderReplace_Base*, int root, float start, float length, float velocity, int channel) override;
    int addSus4 (FileCreator_Base*, NotesOrderReplace_Base*, int root, float start, float length, float velocity, int channel) override;

protected:
    void placeTones (juce::Array<int>& tones, const ChordToneTable::Entry& chord, int root) const override;
};

/**
    Type 4, "Inversion 3" / "第３転": a chord with a seventh has its seventh an octave lower, in its
    place (a third inversion); any other chord keeps root position and adds the root an octave
    below at the end.
*/
class ChordGeneratorType_4 final : public ChordGeneratorType_1
{
public:
    int addMaj (FileCreator_Base*, NotesOrderReplace_Base*, int root, float start, float length, float velocity, int channel) override;
    int addMin (FileCreator_Base*, NotesOrderReplace_Base*, int root, float start, float length, float velocity, int channel) override;
    int addArg (FileCreator_Base*, NotesOrderReplace_Base*, int root, float start, float length, float velocity, int channel) override;
    int addDim (FileCreator_Base*, NotesOrderReplace_Base*, int root, float start, float length, float velocity, int channel) override;
    int addSus4 (FileCreator_Base*, NotesOrderReplace_Base*, int root, float start, float length, float velocity, int channel) override;

protected:
    void placeTones (juce::Array<int>& tones, const ChordToneTable::Entry& chord, int root) const override;
};

} // namespace nubo

#include "theory/ChordGenerator_Base.h"

#include "export/FileCreator_Base.h"
#include "theory/Define_PitchName.h"
#include "theory/NotesOrderReplace.h"
#include "theory/PitchNameInfo.h"

#include <algorithm>

namespace nubo
{

//==============================================================================
juce::Array<int> ChordGeneratorType_1::getChordTone() const
{
    const juce::ScopedLock sl (storedTonesLock);
    return storedTones;
}

juce::StringArray ChordGeneratorType_1::getChordToneAsName (bool withOctave) const
{
    juce::StringArray names;

    for (auto tone : getChordTone())
        names.add (withOctave ? PitchNameInfo::pitchNumberToNameWithOctave (tone, false)
                              : Define_PitchName::getPitchClassName (tone, false));

    return names;
}

void ChordGeneratorType_1::clearStoredChordTone()
{
    const juce::ScopedLock sl (storedTonesLock);
    storedTones.clearQuick();
}

int ChordGeneratorType_1::_procesing_ChordTones (juce::Array<int> tones, FileCreator_Base* sink, NotesOrderReplace_Base* reorder,
                                                 float start, float length, float velocity, int channel)
{
    if (reorder != nullptr)
        tones = reorder->executeOrderReplace (std::move (tones));

    if (sink != nullptr)
        for (auto tone : tones)
            sink->addOneNote (tone, start, length, velocity, channel);

    const juce::ScopedLock sl (storedTonesLock);
    storedTones.clearQuick();
    storedTones.addArray (tones);
    std::sort (storedTones.begin(), storedTones.end());

    return storedTones.isEmpty() ? 0 : storedTones.getFirst();
}

int ChordGeneratorType_1::processOffsets (std::initializer_list<int> offsets, FileCreator_Base* sink, NotesOrderReplace_Base* reorder,
                                          int root, float start, float length, float velocity, int channel)
{
    root = limitRoot (root);

    juce::Array<int> tones;
    tones.ensureStorageAllocated (static_cast<int> (offsets.size()));

    for (auto offset : offsets)
        tones.add (root + offset);

    return _procesing_ChordTones (std::move (tones), sink, reorder, start, length, velocity, channel);
}

int ChordGeneratorType_1::addChordTones (const ChordToneTable::Entry& chord, FileCreator_Base* sink, NotesOrderReplace_Base* reorder,
                                         int root, float start, float length, float velocity, int channel)
{
    root = limitRoot (root);

    juce::Array<int> tones;
    tones.ensureStorageAllocated (chord.numTones + 1);

    for (int i = 0; i < chord.numTones; ++i)
        tones.add (root + chord.semitones[i]);

    placeTones (tones, chord, root);
    return _procesing_ChordTones (std::move (tones), sink, reorder, start, length, velocity, channel);
}

void ChordGeneratorType_1::placeTones (juce::Array<int>&, const ChordToneTable::Entry&, int) const {}

int ChordGeneratorType_1::addMaj (FileCreator_Base* s, NotesOrderReplace_Base* o, int r, float st, float l, float v, int c)
{
    return processOffsets ({ 0, 4, 7 }, s, o, r, st, l, v, c);
}
int ChordGeneratorType_1::addMin (FileCreator_Base* s, NotesOrderReplace_Base* o, int r, float st, float l, float v, int c)
{
    return processOffsets ({ 0, 3, 7 }, s, o, r, st, l, v, c);
}
int ChordGeneratorType_1::addArg (FileCreator_Base* s, NotesOrderReplace_Base* o, int r, float st, float l, float v, int c)
{
    return processOffsets ({ 0, 4, 8 }, s, o, r, st, l, v, c);
}
int ChordGeneratorType_1::addDim (FileCreator_Base* s, NotesOrderReplace_Base* o, int r, float st, float l, float v, int c)
{
    return processOffsets ({ 0, 3, 6 }, s, o, r, st, l, v, c);
}
int ChordGeneratorType_1::addSus4 (FileCreator_Base* s, NotesOrderReplace_Base* o, int r, float st, float l, float v, int c)
{
    return processOffsets ({ 0, 5, 7 }, s, o, r, st, l, v, c);
}

//==============================================================================
void ChordGeneratorType_2::placeTones (juce::Array<int>& tones, const ChordToneTable::Entry&, int) const
{
    for (int i = 1; i < tones.size(); ++i)
        tones.getReference (i) -= 12;
}

int ChordGeneratorType_2::addMaj (FileCreator_Base* s, NotesOrderReplace_Base* o, int r, float st, float l, float v, int c)
{
    return processOffsets ({ 0, -8, -5 }, s, o, r, st, l, v, c);
}
int ChordGeneratorType_2::addMin (FileCreator_Base* s, NotesOrderReplace_Base* o, int r, float st, float l, float v, int c)
{
    return processOffsets ({ 0, -9, -5 }, s, o, r, st, l, v, c);
}
int ChordGeneratorType_2::addArg (FileCreator_Base* s, NotesOrderReplace_Base* o, int r, float st, float l, float v, int c)
{
    return processOffsets ({ 0, -8, -4 }, s, o, r, st, l, v, c);
}
int ChordGeneratorType_2::addDim (FileCreator_Base* s, NotesOrderReplace_Base* o, int r, float st, float l, float v, int c)
{
    return processOffsets ({ 0, -9, -6 }, s, o, r, st, l, v, c);
}
int ChordGeneratorType_2::addSus4 (FileCreator_Base* s, NotesOrderReplace_Base* o, int r, float st, float l, float v, int c)
{
    return processOffsets ({ 0, -7, -5 }, s, o, r, st, l, v, c);
}

//==============================================================================
void ChordGeneratorType_3::placeTones (juce::Array<int>& tones, const ChordToneTable::Entry&, int) const
{
    if (tones.size() > 2)
        tones.getReference (2) -= 12;
}

int ChordGeneratorType_3::addMaj (FileCreator_Base* s, NotesOrderReplace_Base* o, int r, float st, float l, float v, int c)
{
    return processOffsets ({ 0, 4, -5 }, s, o, r, st, l, v, c);
}
int ChordGeneratorType_3::addMin (FileCreator_Base* s, NotesOrderReplace_Base* o, int r, float st, float l, float v, int c)
{
    return processOffsets ({ 0, 3, -5 }, s, o, r, st, l, v, c);
}
int ChordGeneratorType_3::addArg (FileCreator_Base* s, NotesOrderReplace_Base* o, int r, float st, float l, float v, int c)
{
    return processOffsets ({ 0, 4, -4 }, s, o, r, st, l, v, c);
}
int ChordGeneratorType_3::addDim (FileCreator_Base* s, NotesOrderReplace_Base* o, int r, float st, float l, float v, int c)
{
    return processOffsets ({ 0, 3, -6 }, s, o, r, st, l, v, c);
}
int ChordGeneratorType_3::addSus4 (FileCreator_Base* s, NotesOrderReplace_Base* o, int r, float st, float l, float v, int c)
{
    return processOffsets ({ 0, 5, -5 }, s, o, r, st, l, v, c);
}

//==============================================================================
void ChordGeneratorType_4::placeTones (juce::Array<int>& tones, const ChordToneTable::Entry& chord, int root) const
{
    if (chord.hasSeventh() && tones.size() > 3)
        tones.getReference (3) -= 12;
    else
        tones.add (root - 12);
}

int ChordGeneratorType_4::addMaj (FileCreator_Base* s, NotesOrderReplace_Base* o, int r, float st, float l, float v, int c)
{
    return processOffsets ({ 0, 4, 7, -12 }, s, o, r, st, l, v, c);
}
int ChordGeneratorType_4::addMin (FileCreator_Base* s, NotesOrderReplace_Base* o, int r, float st, float l, float v, int c)
{
    return processOffsets ({ 0, 3, 7, -12 }, s, o, r, st, l, v, c);
}
int ChordGeneratorType_4::addArg (FileCreator_Base* s, NotesOrderReplace_Base* o, int r, float st, float l, float v, int c)
{
    return processOffsets ({ 0, 4, 8, -12 }, s, o, r, st, l, v, c);
}
int ChordGeneratorType_4::addDim (FileCreator_Base* s, NotesOrderReplace_Base* o, int r, float st, float l, float v, int c)
{
    return processOffsets ({ 0, 3, 6, -12 }, s, o, r, st, l, v, c);
}
int ChordGeneratorType_4::addSus4 (FileCreator_Base* s, NotesOrderReplace_Base* o, int r, float st, float l, float v, int c)
{
    return processOffsets ({ 0, 5, 7, -12 }, s, o, r, st, l, v, c);
}

} // namespace nubo

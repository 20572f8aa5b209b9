#include "performance/One_SequenceMidiNote.h"

#include "engine/MidiMessageManager.h"

namespace nubo
{

One_SequenceMidiNote::One_SequenceMidiNote (const One_SequenceMidiNote& other)
    : notes (other.notes)
    , timing (other.timing)
    , noteOffsStale (other.noteOffsStale)
    , noteOnsStale (other.noteOnsStale)
    , preparedNoteOns (other.preparedNoteOns)
    , preparedNoteOffs (other.preparedNoteOffs)
    , isPlaying (other.isPlaying)
{
}

One_SequenceMidiNote& One_SequenceMidiNote::operator= (const One_SequenceMidiNote& other)
{
    if (&other != this)
    {
        notes = other.notes;
        timing = other.timing;
        noteOffsStale = other.noteOffsStale;
        noteOnsStale = other.noteOnsStale;
        preparedNoteOns = other.preparedNoteOns;
        preparedNoteOffs = other.preparedNoteOffs;
        isPlaying = other.isPlaying;
        nextEvent = nullptr;
        previousEvent = nullptr;
    }

    return *this;
}

void One_SequenceMidiNote::setMidiNotes (const juce::Array<MidiNoteInfo>& newNotes)
{
    notes = newNotes;
    noteOffsStale = true;
    noteOnsStale = true;
    isPlaying = false;
}

void One_SequenceMidiNote::prepareNoteOns()
{
    if (! noteOnsStale)
        return;

    preparedNoteOns.clearQuick();
    preparedNoteOns.ensureStorageAllocated (notes.size());

    for (const auto& n : notes)
        preparedNoteOns.add (makeNoteOn (n.getChannel(), n.getPitchNumber(), truncatedVelocityByte (n.getVelocity())));

    noteOnsStale = false;
}

void One_SequenceMidiNote::prepareNoteOffs()
{
    if (! noteOffsStale)
        return;

    preparedNoteOffs.clearQuick();
    preparedNoteOffs.ensureStorageAllocated (notes.size());

    for (const auto& n : notes)
        preparedNoteOffs.add (makeNoteOff (n.getChannel(), n.getPitchNumber(), truncatedVelocityByte (n.getVelocity())));

    noteOffsStale = false;
}

} // namespace nubo

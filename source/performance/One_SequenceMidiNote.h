#pragma once

#include "engine/MidiNoteInfo.h"
#include "performance/OneStep_QN_Timing.h"

#include <juce_audio_basics/juce_audio_basics.h>

namespace nubo
{

/**
    One chord event of a loaded sequence: its notes, its timing and the note messages built from
    the notes (built once, when their stale flag is set, and reused on every pass of the loop).
*/
class One_SequenceMidiNote
{
public:
    One_SequenceMidiNote() = default;
    /** Copies notes, timing, flags and prepared messages; the copy is not linked to any event. */
    One_SequenceMidiNote (const One_SequenceMidiNote& other);
    One_SequenceMidiNote& operator= (const One_SequenceMidiNote& other);
    virtual ~One_SequenceMidiNote() = default;

    /** Replaces the notes, marks both prepared lists stale and clears the playing flag. */
    void setMidiNotes (const juce::Array<MidiNoteInfo>& newNotes);

    /** Rebuilds the prepared note-ons when they are stale. */
    void prepareNoteOns();
    /** Rebuilds the prepared note-offs when they are stale. */
    void prepareNoteOffs();

    juce::Array<MidiNoteInfo> notes;
    OneStep_QN_Timing timing;
    bool noteOffsStale = true;
    bool noteOnsStale = true;
    juce::Array<juce::MidiMessage> preparedNoteOns;
    juce::Array<juce::MidiMessage> preparedNoteOffs;
    One_SequenceMidiNote* nextEvent = nullptr;
    One_SequenceMidiNote* previousEvent = nullptr;
    bool isPlaying = false;
};

} // namespace nubo

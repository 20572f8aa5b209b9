#pragma once

#include "engine/MidiMessageManager.h"
#include "performance/One_SequenceMidiNote.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace nubo::test
{

/** One chord event of a pattern with stepCount steps of stepLength quarter notes. */
inline One_SequenceMidiNote makeEvent (double start, double length, std::initializer_list<int> pitches,
                                       int stepCount = 4, double stepLength = 1.0,
                                       float velocity = 0.79f, int channel = 1)
{
    One_SequenceMidiNote event;
    juce::Array<MidiNoteInfo> notes;

    for (auto p : pitches)
        notes.add (MidiNoteInfo (p, velocity, channel));

    event.setMidiNotes (notes);
    event.timing.start = start;
    event.timing.length = length;
    event.timing.end = start + length;
    event.timing.name = "Normal";
    event.timing.stepCount = stepCount;
    event.timing.stepLength = stepLength;
    return event;
}

/** A message that left the scheduler, with the sequencer step that queued it (1 = the first
    step after loading) and the sequencer's sample count after that step. */
struct SentMessage
{
    std::int64_t step = 0;
    int sampleCount = 0;
    juce::MidiMessage message;
};

/** Moves everything queued in the scheduler into a MIDI buffer and returns it in order. */
inline std::vector<juce::MidiMessage> drainQueue (MidiMessageManager& scheduler)
{
    std::vector<juce::MidiMessage> out;

    while (scheduler.getNumQueuedMessages() > 0)
    {
        juce::MidiBuffer buffer;
        scheduler.beginMidiBlock();
        scheduler.sendMidiMessageFromQue (buffer, 0);

        for (const auto meta : buffer)
            out.push_back (meta.getMessage());
    }

    return out;
}

/** Runs numSteps sequencer steps and collects what each step queued. */
inline std::vector<SentMessage> runSteps (MidiMessageManager& scheduler, std::int64_t numSteps,
                                          double sampleRate, double bpm, std::int64_t firstStep = 1)
{
    std::vector<SentMessage> sent;

    for (std::int64_t i = 0; i < numSteps; ++i)
    {
        scheduler.updateMidiSequence (sampleRate, bpm);

        if (scheduler.getNumQueuedMessages() > 0)
            for (auto& m : drainQueue (scheduler))
                sent.push_back ({ firstStep + i, scheduler.getSequencer().getSampleCount(), m });
    }

    return sent;
}

} // namespace nubo::test

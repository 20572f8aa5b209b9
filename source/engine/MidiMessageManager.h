#pragma once

#include "engine/MidiBufferAppender.h"
#include "engine/MidiNoteInfo.h"
#include "performance/SequenceMidiNoteManager.h"

#include <juce_audio_basics/juce_audio_basics.h>

#include <atomic>
#include <memory>
#include <vector>

namespace nubo
{

/**
    The one channel through which the system emits MIDI.

    The message thread queues messages (addMidiMessageQue) and requests resets; the audio thread
    drains the queue one message per sample (sendMidiMessageFromQue) and steps the sequencer
    (updateMidiSequence). The queue and the timed notes each have their own re-entrant lock; the
    timed-note lock may be held while the queue lock is taken, never the other way round.

    The audio thread never waits for the queue or timed-note lock in a send step: when the message
    thread holds one, that part of the step is skipped and happens in a later step.
*/
class MidiMessageManager
{
public:
    MidiMessageManager();
    virtual ~MidiMessageManager();

    virtual void addMidiMessageQue (const juce::MidiMessage& message);
    virtual void clearMidiMessageQue();
    virtual void clearMidiMessageQueWithNoteOff();
    /** Takes ownership of note and queues its note-on. */
    virtual void addTimedMidiNote (TimedMidiNote* note);
    /** One send step: moves at most one queued message into buffer, ends at most one timed note,
        and emits a pending all-notes reset. */
    virtual void sendMidiMessageFromQue (juce::MidiBuffer& buffer, int sampleOffset);
    /** One sample of the step sequencer. */
    virtual void updateMidiSequence (double sampleRate, double bpm);
    virtual void requestAllMidiReset();

    /** Appends all num messages to the queue, or none of them: returns false without waiting
        when the queue is locked or would have to grow. For the audio thread, which must neither
        wait nor allocate. */
    bool tryAddMidiMessagesWithoutWaiting (const juce::MidiMessage* messages, int num) noexcept;

    /** True when a send step or sequencer step could do anything at all. When false, skipping
        both per-sample calls changes nothing. */
    bool hasPendingMidiWork() const noexcept;

    /** Drops every queued message, timed note and pending reset without emitting anything (for a
        processor that does not send MIDI). Safe on the audio thread: it frees nothing. */
    void discardPendingMidi() noexcept;

    /** Marks the start of an audio block: forgets the previous block's buffer. */
    void beginMidiBlock() noexcept { appender.reset(); }

    int getNumQueuedMessages() const noexcept { return queuedCount.load (std::memory_order_acquire); }
    int getNumTimedNotes() const noexcept { return timedNoteCount.load (std::memory_order_acquire); }
    bool isResetPending() const noexcept { return resetRequested.load (std::memory_order_acquire); }

    SequenceMidiNoteManager& getSequencer() noexcept { return sequencer; }

    /** Messages per channel in a reset: all notes off, all sound off, 128 note-offs. */
    static constexpr int resetMessagesPerChannel = 130;
    static constexpr int resetMessageCount = 16 * resetMessagesPerChannel;

private:
    // A first-in-first-out queue of message copies that keeps its storage: removing from the
    // front (the audio thread) never frees memory, and the space is reused by later messages.
    class MessageFifo
    {
    public:
        MessageFifo();
        void push (const juce::MidiMessage& m);
        /** Makes room for n more messages without allocating, if the storage allows. */
        bool makeRoomWithoutGrowing (size_t n) noexcept;
        bool empty() const noexcept { return head == items.size(); }
        size_t size() const noexcept { return items.size() - head; }
        const juce::MidiMessage& front() const noexcept { return items[head]; }
        void popFront() noexcept;
        void clear() noexcept;

        template <typename Fn>
        void forEach (Fn&& fn) const
        {
            for (auto i = head; i < items.size(); ++i)
                fn (items[i]);
        }

    private:
        std::vector<juce::MidiMessage> items;
        size_t head = 0;
    };

    void emitReset (juce::MidiBuffer& buffer);
    void retireTimedNote (TimedMidiNote* note) noexcept;
    void releaseRetiredTimedNotes();
    void updateQueuedCount() noexcept;

    juce::CriticalSection queueLock;
    juce::CriticalSection timedNoteLock;
    std::atomic<bool> resetRequested { false };
    SequenceMidiNoteManager sequencer;
    MessageFifo queue;
    std::vector<TimedMidiNote*> timedNotes;
    // Notes that ended on the audio thread, freed later on a non-audio thread.
    std::vector<TimedMidiNote*> retiredTimedNotes;

    std::atomic<int> queuedCount { 0 };
    std::atomic<int> timedNoteCount { 0 };
    MidiBufferAppender appender;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MidiMessageManager)
};

/** Note-on and note-off encoding used for every queued note: channel limited to 1 … 16, note
    number masked to 0 … 127. */
juce::MidiMessage makeNoteOn (int channel, int noteNumber, int velocityByte);
juce::MidiMessage makeNoteOff (int channel, int noteNumber, int velocityByte);

} // namespace nubo

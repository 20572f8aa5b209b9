#pragma once

#include "performance/One_SequenceMidiNote.h"
#include "performance/QnCounter.h"

#include <juce_core/juce_core.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

namespace nubo
{

class MidiMessageManager;

/**
    The step sequencer's player, owned by the MIDI scheduler: a loop of chord events that the
    audio thread advances one sample at a time at the host's tempo, queuing note-ons and note-offs
    into the scheduler.

    Hand-over between the threads. Loading and stopping (message thread) build the new event list
    completely before they take the state lock, and hold it only to queue the note-offs of what
    sounds and to swap the list in; the old list is freed after the lock is released. The audio
    thread never waits for that lock: it only tries it, and when the message thread holds it the
    sample is skipped (the message thread is restarting or stopping playback anyway). Between
    step boundaries the per-sample step touches no shared state at all; it only counts the sample
    and compares the count with the next boundary. Every change of the message thread bumps a
    generation number, which sends the audio thread back to the locked path, where it restarts its
    count.

    Notes leave through the scheduler's queue. When the queue is locked by another thread, the
    audio thread keeps them in a small outbox of fixed capacity and hands them on at a later
    sample, in order; a stop or load flushes that outbox before it queues its note-offs.
*/
class SequenceMidiNoteManager
{
public:
    explicit SequenceMidiNoteManager (MidiMessageManager& owner);
    virtual ~SequenceMidiNoteManager();

    //==============================================================================
    // Message thread.

    /** Replaces the events by copies of events (in order) and sets the loop length to the step
        count × step length they carry (-1 for an empty list). The events of the old list that
        sound get their note-offs first; a running sequencer restarts from the loop start. */
    void setMidiNoteSeqence (const juce::Array<One_SequenceMidiNote>& events);

    /** Starts playback from the loop start. */
    void startSequence();

    /** Loading a pattern in one hand-over: note-offs of what sounds, the new events, then
        playback from the loop start. */
    void loadAndStartSequence (const juce::Array<One_SequenceMidiNote>& events);

    /** Queues the note-offs of the current event (and of any other event still sounding), clears
        the current event and stops playback. A second call queues nothing. */
    void stopSequence();

    bool isRunning() const noexcept { return running.load (std::memory_order_acquire); }
    int getNumEvents() const noexcept { return numEvents.load (std::memory_order_acquire); }
    double getLoopLengthQn() const noexcept { return loopLengthQn.load (std::memory_order_acquire); }

    /** A copy of the loaded events with their playing flags (takes the state lock). */
    juce::Array<One_SequenceMidiNote> getEventsCopy() const;

    //==============================================================================
    // Audio thread.

    /** True when a per-sample step would do nothing: stopped, or no events loaded. */
    bool isIdle() const noexcept { return ! stepping.load (std::memory_order_acquire); }

    /** One sample of playback. */
    void updateOneSample (double sampleRate, double bpm) noexcept
    {
        if (! stepping.load (std::memory_order_acquire))
            return;

        const auto samplesPerQn = cachedSamplesPerQuarterNote (sampleRate, bpm);

        // Between two boundaries nothing but the count changes.
        if (quietSamplesPerQn != 0
            && samplesPerQn == quietSamplesPerQn
            && generation.load (std::memory_order_acquire) == seenGeneration
            && outboxCount.load (std::memory_order_relaxed) == 0)
        {
            counter.stepOne();

            if (counter.getSampleCount() < quietUntilCount)
                return;

            stepLocked (samplesPerQn, true);
            return;
        }

        stepLocked (samplesPerQn, false);
    }

    /** The sample count and position (quarter notes) of the last step. Read them on the thread
        that steps, or while nothing steps. */
    int getSampleCount() const noexcept { return counter.getSampleCount(); }
    double getCurrentPositionQn() const noexcept;

    /** Samples per quarter note at the given tempo: 0 bpm plays at 136, anything below 40 at 40
        (1.5 s per quarter note). 0 when the result is below one sample. */
    static int samplesPerQuarterNote (double sampleRate, double bpm) noexcept;

    /** Messages the audio thread can hold back while the scheduler's queue is locked. */
    static constexpr int outboxCapacity = 512;

protected:
    /** Queues the note-offs of event in the scheduler (message thread, state lock held) and
        clears its playing flag. Does nothing for a null event. */
    void _sendMidiNoteOff (One_SequenceMidiNote* event);

private:
    struct EventList
    {
        std::vector<One_SequenceMidiNote> events;
        double loopLength = -1.0;
    };

    static std::unique_ptr<EventList> buildEventList (const juce::Array<One_SequenceMidiNote>& events);

    // Message thread, state lock held.
    void flushOutboxWaiting();
    void silenceSoundingEvents();
    void publishState() noexcept;
    std::unique_ptr<EventList> swapEvents (std::unique_ptr<EventList> fresh, bool start);

    // Audio thread.
    void stepLocked (int samplesPerQn, bool alreadyCounted) noexcept;
    void emitFromAudio (const juce::Array<juce::MidiMessage>& messages) noexcept;
    bool flushOutboxFromAudio() noexcept;
    void computeQuietRange (const EventList& list, double position, int samplesPerQn) noexcept;
    int cachedSamplesPerQuarterNote (double sampleRate, double bpm) noexcept
    {
        if (sampleRate != cachedSampleRate || bpm != cachedBpm)
        {
            cachedSampleRate = sampleRate;
            cachedBpm = bpm;
            cachedSamplesPerQn = samplesPerQuarterNote (sampleRate, bpm);
        }

        return cachedSamplesPerQn;
    }

    MidiMessageManager* target;

    // Serialises the message-thread operations.
    juce::CriticalSection controlLock;

    // Guards the event list, the current event, the running state and the outbox.
    juce::SpinLock stateLock;
    std::unique_ptr<EventList> eventList;
    One_SequenceMidiNote* currentEvent = nullptr;
    bool runningState = false;
    std::vector<juce::MidiMessage> outbox;

    // Published by the message thread.
    std::atomic<bool> stepping { false };
    std::atomic<bool> running { false };
    std::atomic<int> numEvents { 0 };
    std::atomic<double> loopLengthQn { -1.0 };
    std::atomic<std::uint32_t> generation { 0 };
    std::atomic<int> outboxCount { 0 };

    // Owned by the audio thread.
    SamplebBaseQnCounter counter;
    int positionSamplesPerQn = 0; // the position is the count over this (0: position 0)
    std::uint32_t seenGeneration = 0;
    std::int64_t quietUntilCount = 0;
    int quietSamplesPerQn = 0; // 0: no quiet range known
    double cachedSampleRate = -1.0;
    double cachedBpm = -1.0;
    int cachedSamplesPerQn = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SequenceMidiNoteManager)
};

} // namespace nubo

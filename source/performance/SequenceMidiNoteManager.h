#pragma once

#include <atomic>

namespace nubo
{

class MidiMessageManager;

/**
    The step sequencer's playback state, owned by the MIDI scheduler.

    The scheduler calls updateOneSample() once per sample from the audio thread; while nothing
    is loaded or the sequencer is stopped that call must cost no more than a flag test.
*/
class SequenceMidiNoteManager
{
public:
    explicit SequenceMidiNoteManager (MidiMessageManager& owner) noexcept;
    virtual ~SequenceMidiNoteManager() = default;

    /** True when there is nothing to play: the per-sample step would do nothing. */
    bool isIdle() const noexcept { return ! running.load (std::memory_order_acquire); }

    /** One sample of playback (audio thread). */
    void updateOneSample (double sampleRate, double bpm) noexcept;

protected:
    MidiMessageManager* target;
    std::atomic<bool> running { false };
};

} // namespace nubo

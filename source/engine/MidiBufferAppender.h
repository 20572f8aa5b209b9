#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

namespace nubo
{

/**
    Appends events at the end of a juce::MidiBuffer in constant time.

    juce::MidiBuffer::addEvent and getLastEventTime both walk the buffer from its start, so adding
    k events one by one costs O(k²). The scheduler always stamps its events at the time of the
    buffer's last event (or later), so they can be written straight behind it. The appender
    remembers the buffer's tail between calls and notices when someone else has changed the
    buffer (its byte size differs from what it left), in which case it scans once more.
*/
class MidiBufferAppender final
{
public:
    /** Forgets everything known about the buffer: call at the start of every audio block. */
    void reset() noexcept { buffer = nullptr; }

    /** The time of the last event in the buffer, or 0 when it is empty. */
    int getLastEventTime (juce::MidiBuffer& target) noexcept;

    /** Appends a short message at sampleTime, which must not be before the last event's time. */
    void append (juce::MidiBuffer& target, const juce::uint8* bytes, int numBytes, int sampleTime);

    /** Makes room for numEvents short messages in one allocation. */
    static void reserveFor (juce::MidiBuffer& target, int numEvents);

    /** Bytes one event of n message bytes takes in a MidiBuffer (time stamp, size, data). */
    static constexpr int bytesPerEvent (int messageBytes) noexcept
    {
        return static_cast<int> (sizeof (juce::int32) + sizeof (juce::uint16)) + messageBytes;
    }

private:
    void sync (juce::MidiBuffer& target) noexcept;

    juce::MidiBuffer* buffer = nullptr;
    int knownByteSize = 0;
    int lastTime = 0;
};

} // namespace nubo

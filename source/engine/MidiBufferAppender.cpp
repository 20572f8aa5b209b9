#include "engine/MidiBufferAppender.h"

#include <cstring>

namespace nubo
{

void MidiBufferAppender::sync (juce::MidiBuffer& target) noexcept
{
    if (buffer == &target && knownByteSize == target.data.size())
        return;

    buffer = &target;
    knownByteSize = target.data.size();
    lastTime = target.getLastEventTime();
}

int MidiBufferAppender::getLastEventTime (juce::MidiBuffer& target) noexcept
{
    sync (target);
    return lastTime;
}

void MidiBufferAppender::append (juce::MidiBuffer& target, const juce::uint8* bytes, int numBytes, int sampleTime)
{
    sync (target);

    if (numBytes <= 0 || numBytes > 0xffff)
        return;

    if (sampleTime < lastTime)
    {
        // Not an append: let the buffer sort it in (and rescan next time).
        target.addEvent (bytes, numBytes, sampleTime);
        buffer = nullptr;
        return;
    }

    auto& raw = target.data;
    const int start = raw.size();
    raw.resize (start + bytesPerEvent (numBytes));

    auto* d = raw.begin() + start;
    juce::writeUnaligned<juce::int32> (d, sampleTime);
    d += sizeof (juce::int32);
    juce::writeUnaligned<juce::uint16> (d, static_cast<juce::uint16> (numBytes));
    d += sizeof (juce::uint16);
    std::memcpy (d, bytes, static_cast<size_t> (numBytes));

    knownByteSize = raw.size();
    lastTime = sampleTime;
}

void MidiBufferAppender::reserveFor (juce::MidiBuffer& target, int numEvents)
{
    target.data.ensureStorageAllocated (target.data.size() + numEvents * bytesPerEvent (3));
}

} // namespace nubo

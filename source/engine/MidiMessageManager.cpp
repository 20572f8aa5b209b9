#include "engine/MidiMessageManager.h"

#include <algorithm>

namespace nubo
{

namespace
{
    constexpr size_t initialQueueCapacity = 4096;
    constexpr size_t retiredNoteCapacity = 256;
} // namespace

juce::MidiMessage makeNoteOn (int channel, int noteNumber, int velocityByte)
{
    return juce::MidiMessage (0x90 + (std::clamp (channel, 1, 16) - 1),
                              noteNumber & 0x7f,
                              std::clamp (velocityByte, 0, 127));
}

juce::MidiMessage makeNoteOff (int channel, int noteNumber, int velocityByte)
{
    return juce::MidiMessage (0x80 + (std::clamp (channel, 1, 16) - 1),
                              noteNumber & 0x7f,
                              std::clamp (velocityByte, 0, 127));
}

//==============================================================================
MidiMessageManager::MessageFifo::MessageFifo()
{
    items.reserve (initialQueueCapacity);
}

void MidiMessageManager::MessageFifo::push (const juce::MidiMessage& m)
{
    // Reuse the space in front of the head before the vector has to grow.
    if (head > 0 && items.size() == items.capacity())
    {
        items.erase (items.begin(), items.begin() + static_cast<std::ptrdiff_t> (head));
        head = 0;
    }

    items.push_back (m);
}

bool MidiMessageManager::MessageFifo::makeRoomWithoutGrowing (size_t n) noexcept
{
    if (items.size() + n <= items.capacity())
        return true;

    if (head > 0)
    {
        // Moving short messages forward frees nothing and allocates nothing.
        items.erase (items.begin(), items.begin() + static_cast<std::ptrdiff_t> (head));
        head = 0;
    }

    return items.size() + n <= items.capacity();
}

void MidiMessageManager::MessageFifo::popFront() noexcept
{
    if (++head == items.size())
        clear();
}

void MidiMessageManager::MessageFifo::clear() noexcept
{
    items.clear(); // keeps the capacity: short MIDI messages own no heap memory
    head = 0;
}

//==============================================================================
MidiMessageManager::MidiMessageManager()
    : sequencer (*this)
{
    timedNotes.reserve (64);
    retiredTimedNotes.reserve (retiredNoteCapacity);
}

MidiMessageManager::~MidiMessageManager()
{
    const juce::ScopedLock sl (timedNoteLock);

    for (auto it = timedNotes.rbegin(); it != timedNotes.rend(); ++it)
        delete *it;

    timedNotes.clear();
    releaseRetiredTimedNotes();

    const juce::ScopedLock ql (queueLock);
    queue.clear();
}

void MidiMessageManager::updateQueuedCount() noexcept
{
    queuedCount.store (static_cast<int> (queue.size()), std::memory_order_release);
}

void MidiMessageManager::addMidiMessageQue (const juce::MidiMessage& message)
{
    const juce::ScopedLock sl (queueLock);
    queue.push (message);
    updateQueuedCount();
}

bool MidiMessageManager::tryAddMidiMessagesWithoutWaiting (const juce::MidiMessage* messages, int num) noexcept
{
    if (num <= 0)
        return true;

    const juce::ScopedTryLock sl (queueLock);

    if (! sl.isLocked() || ! queue.makeRoomWithoutGrowing (static_cast<size_t> (num)))
        return false;

    for (int i = 0; i < num; ++i)
        queue.push (messages[i]);

    updateQueuedCount();
    return true;
}

void MidiMessageManager::clearMidiMessageQue()
{
    const juce::ScopedLock sl (queueLock);
    queue.clear();
    updateQueuedCount();
}

void MidiMessageManager::clearMidiMessageQueWithNoteOff()
{
    const juce::ScopedLock sl (queueLock);

    // Note messages carry at most 3 bytes, so collecting them needs no heap beyond the vector.
    std::vector<juce::MidiMessage> offs;
    offs.reserve (queue.size());

    queue.forEach ([&offs] (const juce::MidiMessage& m) {
        if (m.isNoteOn() || m.isNoteOff())
            offs.push_back (makeNoteOff (m.getChannel(), m.getNoteNumber(), 0));
    });

    queue.clear();

    for (const auto& m : offs)
        queue.push (m);

    updateQueuedCount();
}

void MidiMessageManager::addTimedMidiNote (TimedMidiNote* note)
{
    if (note == nullptr)
        return;

    const juce::ScopedLock sl (timedNoteLock);
    releaseRetiredTimedNotes();
    timedNotes.push_back (note);
    timedNoteCount.store (static_cast<int> (timedNotes.size()), std::memory_order_release);
    addMidiMessageQue (makeNoteOn (note->getChannel(), note->getPitchNumber(), roundedVelocityByte (note->getVelocity())));
}

void MidiMessageManager::retireTimedNote (TimedMidiNote* note) noexcept
{
    if (retiredTimedNotes.size() < retiredTimedNotes.capacity())
        retiredTimedNotes.push_back (note);
    else
        delete note; // only when hundreds of notes end between two additions
}

void MidiMessageManager::releaseRetiredTimedNotes()
{
    for (auto* n : retiredTimedNotes)
        delete n;

    retiredTimedNotes.clear();
}

bool MidiMessageManager::hasPendingMidiWork() const noexcept
{
    return queuedCount.load (std::memory_order_acquire) > 0
        || timedNoteCount.load (std::memory_order_acquire) > 0
        || resetRequested.load (std::memory_order_acquire)
        || ! sequencer.isIdle();
}

void MidiMessageManager::sendMidiMessageFromQue (juce::MidiBuffer& buffer, int sampleOffset)
{
    // 1. Queue: at most one message per step.
    if (queuedCount.load (std::memory_order_acquire) > 0)
    {
        const juce::ScopedTryLock sl (queueLock);

        if (sl.isLocked() && ! queue.empty())
        {
            const auto& m = queue.front();
            const auto position = appender.getLastEventTime (buffer) + sampleOffset;
            appender.append (buffer, m.getRawData(), m.getRawDataSize(), position);
            queue.popFront();
            updateQueuedCount();
        }
    }

    // 2. Timed notes: at most one ends per step.
    if (timedNoteCount.load (std::memory_order_acquire) > 0)
    {
        const juce::ScopedTryLock tl (timedNoteLock);

        if (tl.isLocked())
        {
            for (auto it = timedNotes.begin(); it != timedNotes.end(); ++it)
            {
                auto* note = *it;

                if (note->isAlive)
                {
                    const auto before = note->elapsedSteps;

                    if (before < std::numeric_limits<int>::max())
                        ++note->elapsedSteps;

                    if (before >= note->length)
                        note->isAlive = false;
                }

                if (! note->isAlive)
                {
                    addMidiMessageQue (makeNoteOff (note->getChannel(), note->getPitchNumber(),
                                                    roundedVelocityByte (note->getVelocity())));
                    timedNotes.erase (it);
                    timedNoteCount.store (static_cast<int> (timedNotes.size()), std::memory_order_release);
                    retireTimedNote (note);
                    break;
                }
            }
        }
    }

    // 3. A requested reset.
    if (resetRequested.load (std::memory_order_acquire))
        emitReset (buffer);
}

void MidiMessageManager::emitReset (juce::MidiBuffer& buffer)
{
    {
        const juce::ScopedTryLock sl (queueLock);

        if (! sl.isLocked())
            return; // the message thread is queueing: reset on the next step

        const auto position = appender.getLastEventTime (buffer);
        MidiBufferAppender::reserveFor (buffer, resetMessageCount);

        for (int channel = 1; channel <= 16; ++channel)
        {
            const auto status = static_cast<juce::uint8> (0xb0 + channel - 1);
            const juce::uint8 allNotesOff[] = { status, 123, 0 };
            const juce::uint8 allSoundOff[] = { status, 120, 0 };
            appender.append (buffer, allNotesOff, 3, position);
            appender.append (buffer, allSoundOff, 3, position);

            const auto offStatus = static_cast<juce::uint8> (0x80 + channel - 1);

            for (int note = 0; note < 128; ++note)
            {
                const juce::uint8 noteOff[] = { offStatus, static_cast<juce::uint8> (note), 0 };
                appender.append (buffer, noteOff, 3, position);
            }
        }

        queue.clear();
        updateQueuedCount();
        resetRequested.store (false, std::memory_order_release);
    }

    const juce::ScopedLock tl (timedNoteLock);

    for (auto* note : timedNotes)
        retireTimedNote (note);

    timedNotes.clear();
    timedNoteCount.store (0, std::memory_order_release);
}

void MidiMessageManager::discardPendingMidi() noexcept
{
    if (queuedCount.load (std::memory_order_acquire) > 0)
    {
        const juce::ScopedTryLock sl (queueLock);

        if (sl.isLocked())
        {
            queue.clear();
            updateQueuedCount();
        }
    }

    if (timedNoteCount.load (std::memory_order_acquire) > 0)
    {
        const juce::ScopedTryLock tl (timedNoteLock);

        if (tl.isLocked())
        {
            for (auto* note : timedNotes)
                retireTimedNote (note);

            timedNotes.clear();
            timedNoteCount.store (0, std::memory_order_release);
        }
    }

    resetRequested.store (false, std::memory_order_release);
}

void MidiMessageManager::updateMidiSequence (double sampleRate, double bpm)
{
    sequencer.updateOneSample (sampleRate, bpm);
}

void MidiMessageManager::requestAllMidiReset()
{
    resetRequested.store (true, std::memory_order_release);
}

} // namespace nubo

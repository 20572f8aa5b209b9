#include "performance/SequenceMidiNoteManager.h"

#include "engine/MidiMessageManager.h"

#include <cmath>
#include <limits>

namespace nubo
{

SequenceMidiNoteManager::SequenceMidiNoteManager (MidiMessageManager& owner)
    : target (&owner)
{
    outbox.reserve (static_cast<size_t> (outboxCapacity));
}

SequenceMidiNoteManager::~SequenceMidiNoteManager() = default;

//==============================================================================
std::unique_ptr<SequenceMidiNoteManager::EventList>
SequenceMidiNoteManager::buildEventList (const juce::Array<One_SequenceMidiNote>& events)
{
    auto list = std::make_unique<EventList>();
    list->events.reserve (static_cast<size_t> (events.size()));

    for (const auto& e : events)
    {
        list->events.push_back (e);
        auto& copy = list->events.back();
        copy.isPlaying = false;

        // Build the messages here, so that the audio thread never allocates them.
        copy.prepareNoteOns();
        copy.prepareNoteOffs();
    }

    for (size_t i = 0; i < list->events.size(); ++i)
    {
        list->events[i].previousEvent = i > 0 ? &list->events[i - 1] : nullptr;
        list->events[i].nextEvent = i + 1 < list->events.size() ? &list->events[i + 1] : nullptr;
    }

    // Every event carries the values of the pattern it came from.
    if (! list->events.empty())
    {
        const auto& timing = list->events.front().timing;
        list->loopLength = static_cast<double> (timing.stepCount) * timing.stepLength;
    }

    return list;
}

void SequenceMidiNoteManager::_sendMidiNoteOff (One_SequenceMidiNote* event)
{
    if (event == nullptr)
        return;

    event->prepareNoteOffs();

    for (const auto& m : event->preparedNoteOffs)
        target->addMidiMessageQue (m);

    event->isPlaying = false;
}

void SequenceMidiNoteManager::flushOutboxWaiting()
{
    for (const auto& m : outbox)
        target->addMidiMessageQue (m);

    outbox.clear();
    outboxCount.store (0, std::memory_order_relaxed);
}

void SequenceMidiNoteManager::silenceSoundingEvents()
{
    // The current event gets its note-offs whether or not it still sounds; any other event that
    // still sounds (events of a hand-made list may overlap) gets them too, so nothing is left on.
    _sendMidiNoteOff (currentEvent);

    if (eventList != nullptr)
        for (auto& e : eventList->events)
            if (e.isPlaying)
                _sendMidiNoteOff (&e);

    currentEvent = nullptr;
}

void SequenceMidiNoteManager::publishState() noexcept
{
    const auto hasEvents = eventList != nullptr && ! eventList->events.empty();
    numEvents.store (eventList != nullptr ? static_cast<int> (eventList->events.size()) : 0, std::memory_order_release);
    loopLengthQn.store (eventList != nullptr ? eventList->loopLength : -1.0, std::memory_order_release);
    running.store (runningState, std::memory_order_release);
    stepping.store (runningState && hasEvents, std::memory_order_release);
    generation.fetch_add (1, std::memory_order_acq_rel);
}

std::unique_ptr<SequenceMidiNoteManager::EventList>
SequenceMidiNoteManager::swapEvents (std::unique_ptr<EventList> fresh, bool start)
{
    const juce::ScopedLock cl (controlLock);
    const juce::SpinLock::ScopedLockType sl (stateLock);

    flushOutboxWaiting();
    silenceSoundingEvents();
    std::swap (eventList, fresh);

    if (start)
        runningState = true;

    publishState();
    return fresh; // the old list, freed by the caller after the lock is released
}

void SequenceMidiNoteManager::setMidiNoteSeqence (const juce::Array<One_SequenceMidiNote>& events)
{
    auto old = swapEvents (buildEventList (events), false);
}

void SequenceMidiNoteManager::loadAndStartSequence (const juce::Array<One_SequenceMidiNote>& events)
{
    auto old = swapEvents (buildEventList (events), true);
}

void SequenceMidiNoteManager::startSequence()
{
    const juce::ScopedLock cl (controlLock);
    const juce::SpinLock::ScopedLockType sl (stateLock);
    runningState = true;
    publishState();
}

void SequenceMidiNoteManager::stopSequence()
{
    const juce::ScopedLock cl (controlLock);
    const juce::SpinLock::ScopedLockType sl (stateLock);

    flushOutboxWaiting();
    silenceSoundingEvents();
    runningState = false;
    publishState();
}

juce::Array<One_SequenceMidiNote> SequenceMidiNoteManager::getEventsCopy() const
{
    juce::Array<One_SequenceMidiNote> result;
    const juce::ScopedLock cl (controlLock);
    const juce::SpinLock::ScopedLockType sl (stateLock);

    if (eventList != nullptr)
        for (const auto& e : eventList->events)
            result.add (e);

    return result;
}

//==============================================================================
double SequenceMidiNoteManager::getCurrentPositionQn() const noexcept
{
    // Every step sets the position to the count over the samples per quarter note (after a wrap
    // both are 0), so it is derived here rather than divided out on every sample.
    if (positionSamplesPerQn <= 0)
        return 0.0;

    return static_cast<double> (counter.getSampleCount()) / static_cast<double> (positionSamplesPerQn);
}

int SequenceMidiNoteManager::samplesPerQuarterNote (double sampleRate, double bpm) noexcept
{
    const auto beats = bpm == 0.0 ? 136.0 : bpm;
    const auto secondsPerQn = beats < 40.0 ? 1.5 : 60.0 / beats;
    const auto samples = std::trunc (secondsPerQn * sampleRate);

    if (! (samples >= 1.0)) // also false for NaN
        return 0;

    if (samples >= static_cast<double> (std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();

    return static_cast<int> (samples);
}

void SequenceMidiNoteManager::stepLocked (int samplesPerQn, bool alreadyCounted) noexcept
{
    const juce::SpinLock::ScopedTryLockType sl (stateLock);

    if (! sl.isLocked())
        return; // the message thread is stopping or loading: this sample does not count

    quietSamplesPerQn = 0;
    const auto gen = generation.load (std::memory_order_acquire);

    if (gen != seenGeneration)
    {
        // Loaded, started or stopped since the last step: playback starts from the loop start.
        seenGeneration = gen;
        counter.reset();
        counter.setActive (runningState);
        positionSamplesPerQn = 0;
        alreadyCounted = false;
    }

    if (! runningState || eventList == nullptr || eventList->events.empty())
        return;

    // Held-back notes go first; anything this step adds queues behind them.
    flushOutboxFromAudio();

    if (! alreadyCounted)
        counter.stepOne();

    if (samplesPerQn <= 0)
        return;

    auto& list = *eventList;
    auto position = static_cast<double> (counter.getSampleCount()) / static_cast<double> (samplesPerQn);

    if (position >= list.loopLength)
    {
        counter.reset();
        position = 0.0;
    }

    One_SequenceMidiNote* candidate = nullptr;
    auto changed = false;

    for (auto& e : list.events)
    {
        const auto start = e.timing.start;
        const auto end = e.timing.end;

        if (position >= start && position < end)
        {
            currentEvent = &e;

            if (! e.isPlaying)
                candidate = &e;
        }

        if (position >= start && position >= end && e.isPlaying)
        {
            e.prepareNoteOffs();
            emitFromAudio (e.preparedNoteOffs);
            e.isPlaying = false;
            changed = true;
        }

        if (position < start && e.isPlaying)
        {
            e.prepareNoteOffs();
            emitFromAudio (e.preparedNoteOffs);
            e.isPlaying = false;
            changed = true;
        }
    }

    if (candidate != nullptr)
    {
        candidate->prepareNoteOns();
        emitFromAudio (candidate->preparedNoteOns);
        candidate->isPlaying = true;
        changed = true;
    }

    positionSamplesPerQn = samplesPerQn;

    // A step that changed nothing repeats itself until the position reaches the next start or
    // end: the samples up to there take the quick path.
    if (! changed && outbox.empty())
        computeQuietRange (list, position, samplesPerQn);
}

void SequenceMidiNoteManager::computeQuietRange (const EventList& list, double position, int samplesPerQn) noexcept
{
    if (! (position < list.loopLength))
        return;

    auto next = list.loopLength;

    for (const auto& e : list.events)
    {
        if (e.timing.start > position && e.timing.start < next)
            next = e.timing.start;

        if (e.timing.end > position && e.timing.end < next)
            next = e.timing.end;
    }

    const auto s = static_cast<double> (samplesPerQn);
    const auto estimate = std::ceil (next * s);

    if (! (estimate < static_cast<double> (std::numeric_limits<int>::max())))
    {
        quietUntilCount = std::numeric_limits<std::int64_t>::max();
    }
    else
    {
        // The first count whose position reaches next, computed exactly as the step computes it.
        auto count = static_cast<std::int64_t> (juce::jmax (0.0, estimate));

        while (count > 0 && static_cast<double> (count - 1) / s >= next)
            --count;

        while (static_cast<double> (count) / s < next)
            ++count;

        quietUntilCount = count;
    }

    quietSamplesPerQn = samplesPerQn;
}

bool SequenceMidiNoteManager::flushOutboxFromAudio() noexcept
{
    if (outbox.empty())
        return true;

    if (! target->tryAddMidiMessagesWithoutWaiting (outbox.data(), static_cast<int> (outbox.size())))
        return false;

    outbox.clear();
    outboxCount.store (0, std::memory_order_relaxed);
    return true;
}

void SequenceMidiNoteManager::emitFromAudio (const juce::Array<juce::MidiMessage>& messages) noexcept
{
    if (messages.isEmpty())
        return;

    if (outbox.empty() && target->tryAddMidiMessagesWithoutWaiting (messages.begin(), messages.size()))
        return;

    for (const auto& m : messages)
    {
        if (outbox.size() == outbox.capacity())
        {
            // Only when the queue has stayed locked for hundreds of notes: wait for it rather
            // than lose a note-off.
            for (const auto& held : outbox)
                target->addMidiMessageQue (held);

            outbox.clear();
        }

        outbox.push_back (m);
    }

    outboxCount.store (static_cast<int> (outbox.size()), std::memory_order_relaxed);
}

} // namespace nubo

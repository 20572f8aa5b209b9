#include "engine/MidiMessageManager.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

// The audio thread's way into the queue: all messages or none, never growing the storage.
TEST (MidiMessageManagerAudioQueue, AddsAllOrNothingWithinTheReservedStorage)
{
    nubo::MidiMessageManager scheduler;
    const std::vector<juce::MidiMessage> chord { nubo::makeNoteOn (1, 60, 100), nubo::makeNoteOn (1, 64, 100) };

    EXPECT_TRUE (scheduler.tryAddMidiMessagesWithoutWaiting (chord.data(), 2));
    EXPECT_TRUE (scheduler.tryAddMidiMessagesWithoutWaiting (chord.data(), 0));
    EXPECT_EQ (scheduler.getNumQueuedMessages(), 2);

    // Fill the storage up to the last free place; a pair no longer fits, a single one does.
    int added = 2;

    while (scheduler.tryAddMidiMessagesWithoutWaiting (chord.data(), 1))
        ++added;

    EXPECT_GE (added, 1024);
    EXPECT_EQ (scheduler.getNumQueuedMessages(), added);
    EXPECT_FALSE (scheduler.tryAddMidiMessagesWithoutWaiting (chord.data(), 2));
    EXPECT_EQ (scheduler.getNumQueuedMessages(), added);

    // Sending frees places at the front, which the next addition reuses.
    juce::MidiBuffer buffer;
    scheduler.sendMidiMessageFromQue (buffer, 0);
    scheduler.sendMidiMessageFromQue (buffer, 0);
    EXPECT_TRUE (scheduler.tryAddMidiMessagesWithoutWaiting (chord.data(), 2));
    EXPECT_EQ (scheduler.getNumQueuedMessages(), added);

    // Order is kept: the first two sent are the first two queued.
    auto it = buffer.begin();
    EXPECT_EQ ((*it).getMessage().getNoteNumber(), 60);
    ++it;
    EXPECT_EQ ((*it).getMessage().getNoteNumber(), 64);
}

} // namespace

#include "engine/MidiMessageManager.h"
#include "support/MidiTranscript.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace
{

using nubo::test::transcript;
using ::testing::ElementsAre;

juce::MidiMessage noteOn (int ch, int note, int vel)
{
    return juce::MidiMessage::noteOn (ch, note, (juce::uint8) vel);
}

/** Runs n send steps over one buffer, as the processor does for an n-sample block. */
void runSteps (nubo::MidiMessageManager& manager, juce::MidiBuffer& buffer, int n)
{
    manager.beginMidiBlock();
    for (int i = 0; i < n; ++i)
        manager.sendMidiMessageFromQue (buffer, 0);
}

TEST (MidiMessageManager, DrainsOneMessagePerStepInQueueOrderBehindTheLastEvent)
{
    nubo::MidiMessageManager manager;
    manager.addMidiMessageQue (noteOn (1, 60, 100));
    manager.addMidiMessageQue (noteOn (1, 64, 100));
    manager.addMidiMessageQue (noteOn (2, 67, 90));

    juce::MidiBuffer buffer;
    buffer.addEvent (juce::MidiMessage::controllerEvent (1, 7, 99), 5);

    manager.beginMidiBlock();
    manager.sendMidiMessageFromQue (buffer, 0);
    EXPECT_EQ (buffer.getNumEvents(), 2);
    EXPECT_EQ (manager.getNumQueuedMessages(), 2);

    runSteps (manager, buffer, 63);
    EXPECT_THAT (transcript (buffer), ElementsAre ("5: cc 7 = 99 ch 1", "5: note-on C3 vel 100 ch 1", "5: note-on E3 vel 100 ch 1", "5: note-on G3 vel 90 ch 2"));
    EXPECT_FALSE (manager.hasPendingMidiWork());
}

TEST (MidiMessageManager, EmptyBufferGetsPositionZeroAndSampleOffsetIsAdded)
{
    nubo::MidiMessageManager manager;
    manager.addMidiMessageQue (noteOn (1, 60, 100));
    manager.addMidiMessageQue (noteOn (1, 62, 100));

    juce::MidiBuffer buffer;
    manager.sendMidiMessageFromQue (buffer, 0);
    manager.sendMidiMessageFromQue (buffer, 3);
    EXPECT_THAT (transcript (buffer), ElementsAre ("0: note-on C3 vel 100 ch 1", "3: note-on D3 vel 100 ch 1"));
}

TEST (MidiMessageManager, NoticesEventsAddedToTheBufferBetweenSteps)
{
    nubo::MidiMessageManager manager;
    manager.addMidiMessageQue (noteOn (1, 60, 100));
    manager.addMidiMessageQue (noteOn (1, 62, 100));

    juce::MidiBuffer buffer;
    manager.beginMidiBlock();
    manager.sendMidiMessageFromQue (buffer, 0);
    buffer.addEvent (juce::MidiMessage::controllerEvent (1, 1, 5), 9); // someone else appends
    manager.sendMidiMessageFromQue (buffer, 0);
    EXPECT_THAT (transcript (buffer), ElementsAre ("0: note-on C3 vel 100 ch 1", "9: cc 1 = 5 ch 1", "9: note-on D3 vel 100 ch 1"));
}

TEST (MidiMessageManager, ResetEmits2080MessagesAtOnePositionAndDiscardsTheQueue)
{
    nubo::MidiMessageManager manager;
    for (int i = 0; i < 10; ++i)
        manager.addMidiMessageQue (noteOn (1, 60 + i, 100));

    manager.requestAllMidiReset();

    juce::MidiBuffer buffer;
    buffer.addEvent (juce::MidiMessage::controllerEvent (3, 64, 0), 17);
    manager.beginMidiBlock();
    manager.sendMidiMessageFromQue (buffer, 0);

    const auto lines = transcript (buffer);
    ASSERT_EQ (lines.size(), 1u + 1u + 2080u); // host event, first queued note, the reset
    EXPECT_EQ (lines[1], "17: note-on C3 vel 100 ch 1");

    // Per channel: all notes off, all sound off, then note-offs 0 … 127.
    size_t i = 2;
    for (int ch = 1; ch <= 16; ++ch)
    {
        const auto chText = " ch " + std::to_string (ch);
        EXPECT_EQ (lines[i++], "17: cc 123 = 0" + chText);
        EXPECT_EQ (lines[i++], "17: cc 120 = 0" + chText);
        for (int note = 0; note < 128; ++note, ++i)
            ASSERT_EQ (lines[i], "17: " + nubo::test::describe (juce::MidiMessage::noteOff (ch, note, (juce::uint8) 0)));
    }

    EXPECT_EQ (manager.getNumQueuedMessages(), 0);
    EXPECT_FALSE (manager.isResetPending());

    juce::MidiBuffer next;
    runSteps (manager, next, 16);
    EXPECT_TRUE (next.isEmpty());
}

TEST (MidiMessageManager, ResetWithAnEmptyQueueGoesOutInTheFirstStep)
{
    nubo::MidiMessageManager manager;
    manager.requestAllMidiReset();
    EXPECT_TRUE (manager.hasPendingMidiWork());

    juce::MidiBuffer buffer;
    manager.sendMidiMessageFromQue (buffer, 0);
    EXPECT_EQ (buffer.getNumEvents(), nubo::MidiMessageManager::resetMessageCount);
    EXPECT_EQ (buffer.getFirstEventTime(), 0);
    EXPECT_EQ (buffer.getLastEventTime(), 0);
}

TEST (MidiMessageManager, TimedNoteSwitchesItselfOffAfterItsLength)
{
    nubo::MidiMessageManager manager;
    manager.addTimedMidiNote (new nubo::TimedMidiNote (64, 0.5f, 2, 3));

    std::vector<int> eventsAfterStep;
    juce::MidiBuffer buffer;
    manager.beginMidiBlock();
    for (int step = 1; step <= 6; ++step)
    {
        manager.sendMidiMessageFromQue (buffer, 0);
        eventsAfterStep.push_back (buffer.getNumEvents());
    }

    // Note-on in step 1; the note-off is queued in step 4 and sent in step 5.
    EXPECT_THAT (eventsAfterStep, ElementsAre (1, 1, 1, 1, 2, 2));
    EXPECT_THAT (transcript (buffer), ElementsAre ("0: note-on E3 vel 64 ch 2", "0: note-off E3 vel 64 ch 2"));
    EXPECT_EQ (manager.getNumTimedNotes(), 0);
}

TEST (MidiMessageManager, TwoTimedNotesEndingTogetherEndInConsecutiveSteps)
{
    nubo::MidiMessageManager manager;
    manager.addTimedMidiNote (new nubo::TimedMidiNote (60, 1.0f, 1, 0));
    manager.addTimedMidiNote (new nubo::TimedMidiNote (62, 1.0f, 1, 0));

    juce::MidiBuffer buffer;
    manager.sendMidiMessageFromQue (buffer, 0); // sends on C3, ends C3 (queues its off)
    EXPECT_EQ (manager.getNumTimedNotes(), 1);
    manager.sendMidiMessageFromQue (buffer, 0); // sends on D3, ends D3
    EXPECT_EQ (manager.getNumTimedNotes(), 0);
    runSteps (manager, buffer, 4);
    EXPECT_THAT (transcript (buffer), ElementsAre ("0: note-on C3 vel 127 ch 1", "0: note-on D3 vel 127 ch 1", "0: note-off C3 vel 127 ch 1", "0: note-off D3 vel 127 ch 1"));
}

TEST (MidiMessageManager, ResetDropsTimedNotesWithoutTheirNoteOffs)
{
    nubo::MidiMessageManager manager;
    manager.addTimedMidiNote (new nubo::TimedMidiNote (60, 1.0f, 1, 1000));
    manager.requestAllMidiReset();

    juce::MidiBuffer buffer;
    runSteps (manager, buffer, 5);
    EXPECT_EQ (buffer.getNumEvents(), 1 + nubo::MidiMessageManager::resetMessageCount);
    EXPECT_EQ (manager.getNumTimedNotes(), 0);
    EXPECT_FALSE (manager.hasPendingMidiWork());
}

TEST (MidiMessageManager, ClearWithNoteOffKeepsOnlyNotesAsNoteOffs)
{
    nubo::MidiMessageManager manager;
    manager.addMidiMessageQue (noteOn (1, 60, 100));
    manager.addMidiMessageQue (juce::MidiMessage::controllerEvent (1, 7, 100));
    manager.addMidiMessageQue (juce::MidiMessage::noteOff (1, 64, (juce::uint8) 40));
    manager.addMidiMessageQue (noteOn (2, 67, 0)); // a note-on with velocity 0 is a note-off
    manager.clearMidiMessageQueWithNoteOff();

    juce::MidiBuffer buffer;
    runSteps (manager, buffer, 8);
    EXPECT_THAT (transcript (buffer), ElementsAre ("0: note-off C3 vel 0 ch 1", "0: note-off E3 vel 0 ch 1", "0: note-off G3 vel 0 ch 2"));
}

TEST (MidiMessageManager, NoteEncodingLimitsChannelAndMasksNoteNumber)
{
    const auto on = nubo::makeNoteOn (0, 200, 300);
    EXPECT_EQ (on.getRawData()[0], 0x90);
    EXPECT_EQ (on.getRawData()[1], 200 & 0x7f);
    EXPECT_EQ (on.getRawData()[2], 127);

    const auto off = nubo::makeNoteOff (20, -1, -5);
    EXPECT_EQ (off.getRawData()[0], 0x8f);
    EXPECT_EQ (off.getRawData()[1], 127);
    EXPECT_EQ (off.getRawData()[2], 0);
}

TEST (MidiMessageManager, IdleWhenNothingIsQueuedTimedOrRequested)
{
    nubo::MidiMessageManager manager;
    EXPECT_FALSE (manager.hasPendingMidiWork());
    manager.addMidiMessageQue (noteOn (1, 60, 1));
    EXPECT_TRUE (manager.hasPendingMidiWork());
    manager.clearMidiMessageQue();
    EXPECT_FALSE (manager.hasPendingMidiWork());
}

TEST (MidiMessageManager, DiscardDropsEverythingWithoutEmitting)
{
    nubo::MidiMessageManager manager;
    manager.addMidiMessageQue (noteOn (1, 60, 1));
    manager.addTimedMidiNote (new nubo::TimedMidiNote (61, 1.0f, 1, 10));
    manager.requestAllMidiReset();
    manager.discardPendingMidi();
    EXPECT_FALSE (manager.hasPendingMidiWork());

    juce::MidiBuffer buffer;
    runSteps (manager, buffer, 20);
    EXPECT_TRUE (buffer.isEmpty());
}

struct DrainResult
{
    int received = 0;
    int resets = 0;
    bool ordered = true;
};

/** A producer thread queues total messages (requesting a reset every resetEvery messages, if
    above 0) while this thread drains them in blocks of 64 steps, as the audio thread does. */
DrainResult produceWhileDraining (int total, int resetEvery)
{
    nubo::MidiMessageManager manager;
    std::atomic<bool> producing { true };

    std::thread producer ([&] {
        for (int i = 0; i < total; ++i)
        {
            // The sequence number travels in the channel and the 14-bit pitch-wheel value.
            manager.addMidiMessageQue (juce::MidiMessage::pitchWheel (1 + (i >> 14), i & 0x3fff));
            if (resetEvery > 0 && i % resetEvery == resetEvery - 1)
                manager.requestAllMidiReset();
        }
        producing = false;
    });

    DrainResult result;
    int lastIndex = -1;

    while (producing || manager.hasPendingMidiWork())
    {
        juce::MidiBuffer block;
        runSteps (manager, block, 64);

        for (const auto meta : block)
        {
            const auto m = meta.getMessage();
            if (m.isPitchWheel())
            {
                const auto index = ((m.getChannel() - 1) << 14) | m.getPitchWheelValue();
                result.ordered = result.ordered && index > lastIndex;
                lastIndex = index;
                ++result.received;
            }
            else if (m.isController() && m.getControllerNumber() == 123)
            {
                ++result.resets;
            }
        }
    }

    producer.join();
    return result;
}

TEST (MidiMessageManager, EveryMessageArrivesInOrderWhileAnotherThreadProduces)
{
    const auto result = produceWhileDraining (20000, 0);
    EXPECT_EQ (result.received, 20000);
    EXPECT_TRUE (result.ordered);
    EXPECT_EQ (result.resets, 0);
}

TEST (MidiMessageManager, ResetsRequestedConcurrentlyDropMessagesButNeverReorderThem)
{
    const auto result = produceWhileDraining (20000, 500);
    EXPECT_TRUE (result.ordered);
    EXPECT_LE (result.received, 20000);
    EXPECT_GE (result.resets, 16);     // at least one reset went out ...
    EXPECT_EQ (result.resets % 16, 0); // ... and every reset whole, all 16 channels
}

} // namespace

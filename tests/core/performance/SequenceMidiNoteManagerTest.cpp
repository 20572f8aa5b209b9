#include "SequencerTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>

namespace
{

using nubo::test::makeEvent;
using nubo::test::runSteps;
using nubo::test::SentMessage;

// (step, note-on?, note number, velocity byte)
using Row = std::tuple<std::int64_t, bool, int, int>;

std::vector<Row> rowsOf (const std::vector<SentMessage>& sent)
{
    std::vector<Row> rows;

    for (const auto& s : sent)
    {
        EXPECT_TRUE (s.message.isNoteOnOrOff()) << s.message.getDescription();
        rows.emplace_back (s.step, s.message.isNoteOn(), s.message.getNoteNumber(), s.message.getVelocity());
    }

    return rows;
}

juce::Array<nubo::One_SequenceMidiNote> exampleEvents()
{
    // "Normal", "Continue", "NoteOff", "Inversion1" on C major: a two-beat chord, a rest, then
    // the first inversion for one beat.
    return { makeEvent (0.0, 2.0, { 60, 64, 67 }), makeEvent (3.0, 1.0, { 60, 52, 55 }) };
}

TEST (SequenceMidiNoteManager, PlaysTheExampleLoopAtTempo120)
{
    nubo::MidiMessageManager scheduler;
    auto& seq = scheduler.getSequencer();
    seq.loadAndStartSequence (exampleEvents());

    EXPECT_TRUE (seq.isRunning());
    EXPECT_EQ (seq.getNumEvents(), 2);
    EXPECT_DOUBLE_EQ (seq.getLoopLengthQn(), 4.0);

    const auto sent = runSteps (scheduler, 96001, 48000.0, 120.0);

    const std::vector<Row> expected {
        { 1, true, 60, 100 },
        { 1, true, 64, 100 },
        { 1, true, 67, 100 },
        { 48000, false, 60, 100 },
        { 48000, false, 64, 100 },
        { 48000, false, 67, 100 },
        { 72000, true, 60, 100 },
        { 72000, true, 52, 100 },
        { 72000, true, 55, 100 },
        { 96000, false, 60, 100 },
        { 96000, false, 52, 100 },
        { 96000, false, 55, 100 },
        { 96000, true, 60, 100 },
        { 96000, true, 64, 100 },
        { 96000, true, 67, 100 },
    };
    EXPECT_EQ (rowsOf (sent), expected);

    // Counted from the loop start again: the step after the wrap is count 1.
    EXPECT_EQ (seq.getSampleCount(), 1);
    EXPECT_EQ (sent.back().sampleCount, 0);
    EXPECT_EQ (sent.front().message.getChannel(), 1);
}

TEST (SequenceMidiNoteManager, SamplesPerQuarterNoteFollowTheTempoRules)
{
    struct Case
    {
        double sampleRate, bpm;
        int expected;
    };
    const Case cases[] {
        { 48000.0, 120.0, 24000 },
        { 48000.0, 0.0, 21176 },  // 0 plays at 136 bpm
        { 48000.0, 30.0, 72000 }, // below 40: 1.5 s per quarter note
        { 48000.0, 39.99, 72000 },
        { 48000.0, 40.0, 72000 },
        { 48000.0, -90.0, 72000 },
        { 44100.0, 97.0, 27278 }, // 60 / 97 × 44100 = 27278.35
        { 0.0, 120.0, 0 },        // no sample rate: nothing can play
        { 48000.0, std::nan (""), 0 },
        { 48000.0, 1e12, 0 },
        { 1e300, 120.0, std::numeric_limits<int>::max() },
    };

    for (const auto& c : cases)
        EXPECT_EQ (nubo::SequenceMidiNoteManager::samplesPerQuarterNote (c.sampleRate, c.bpm), c.expected)
            << c.sampleRate << " Hz, " << c.bpm << " bpm";
}

TEST (SequenceMidiNoteManager, TempoZeroAndThirtyMoveTheBoundaries)
{
    struct Case
    {
        double bpm;
        std::int64_t offStep;
    };

    for (const auto& c : { Case { 0.0, 21176 }, Case { 30.0, 72000 } })
    {
        nubo::MidiMessageManager scheduler;
        scheduler.getSequencer().loadAndStartSequence ({ makeEvent (0.0, 1.0, { 62 }, 2, 1.0) });

        const auto rows = rowsOf (runSteps (scheduler, c.offStep, 48000.0, c.bpm));
        const std::vector<Row> expected { { 1, true, 62, 100 }, { c.offStep, false, 62, 100 } };
        EXPECT_EQ (rows, expected) << c.bpm << " bpm";
    }
}

TEST (SequenceMidiNoteManager, TempoChangeWhileAnEventSoundsMovesItsEnd)
{
    nubo::MidiMessageManager scheduler;
    scheduler.getSequencer().loadAndStartSequence ({ makeEvent (0.0, 1.0, { 62 }, 2, 1.0) });

    // A quarter of the event at 120 bpm, then 60 bpm: the count keeps running and the event
    // ends when it reaches one quarter note at the new tempo.
    auto first = runSteps (scheduler, 12000, 48000.0, 120.0);
    EXPECT_DOUBLE_EQ (scheduler.getSequencer().getCurrentPositionQn(), 0.5);
    auto second = runSteps (scheduler, 48000 - 12000, 48000.0, 60.0, 12001);

    ASSERT_EQ (first.size(), 1u);
    ASSERT_EQ (second.size(), 1u);
    EXPECT_DOUBLE_EQ (scheduler.getSequencer().getCurrentPositionQn(), 1.0);
    EXPECT_TRUE (second[0].message.isNoteOff());
    EXPECT_EQ (second[0].step, 48000);
}

TEST (SequenceMidiNoteManager, StopQueuesTheSoundingNoteOffsOnce)
{
    nubo::MidiMessageManager scheduler;
    auto& seq = scheduler.getSequencer();
    seq.loadAndStartSequence (exampleEvents());
    runSteps (scheduler, 10, 48000.0, 120.0);

    seq.stopSequence();
    const auto offs = nubo::test::drainQueue (scheduler);
    ASSERT_EQ (offs.size(), 3u);

    for (const auto& m : offs)
        EXPECT_TRUE (m.isNoteOff());

    EXPECT_EQ (offs[0].getNoteNumber(), 60);
    EXPECT_EQ (offs[2].getNoteNumber(), 67);

    seq.stopSequence();
    EXPECT_EQ (scheduler.getNumQueuedMessages(), 0);

    EXPECT_FALSE (seq.isRunning());
    EXPECT_TRUE (seq.isIdle());
    EXPECT_FALSE (scheduler.hasPendingMidiWork());
    EXPECT_TRUE (runSteps (scheduler, 50000, 48000.0, 120.0).empty());
}

TEST (SequenceMidiNoteManager, LoadWhilePlayingSilencesTheOldEventFirst)
{
    nubo::MidiMessageManager scheduler;
    auto& seq = scheduler.getSequencer();
    seq.loadAndStartSequence (exampleEvents());
    runSteps (scheduler, 30000, 48000.0, 120.0);

    seq.loadAndStartSequence ({ makeEvent (0.0, 1.0, { 48 }, 1, 1.0) });
    // The note-offs were queued by the load itself, ahead of the new pattern's first step.
    const auto rows = rowsOf (runSteps (scheduler, 1, 48000.0, 120.0));

    const std::vector<Row> expected {
        { 1, false, 60, 100 },
        { 1, false, 64, 100 },
        { 1, false, 67, 100 },
        { 1, true, 48, 100 },
    };
    EXPECT_EQ (rows, expected);

    // The new pattern restarted from its own loop start.
    EXPECT_EQ (seq.getSampleCount(), 1);
    EXPECT_DOUBLE_EQ (seq.getLoopLengthQn(), 1.0);
}

TEST (SequenceMidiNoteManager, EmptyOrUnstartedListsPlayNothing)
{
    nubo::MidiMessageManager scheduler;
    auto& seq = scheduler.getSequencer();
    EXPECT_TRUE (seq.isIdle());

    // Loaded but not started.
    seq.setMidiNoteSeqence (exampleEvents());
    EXPECT_FALSE (seq.isRunning());
    EXPECT_TRUE (seq.isIdle());
    EXPECT_TRUE (runSteps (scheduler, 100, 48000.0, 120.0).empty());

    seq.startSequence();
    EXPECT_FALSE (seq.isIdle());
    EXPECT_EQ (runSteps (scheduler, 1, 48000.0, 120.0).size(), 3u);

    // Every step a rest: running, but there is nothing to step.
    seq.loadAndStartSequence ({});
    EXPECT_EQ (nubo::test::drainQueue (scheduler).size(), 3u); // the chord that sounded
    EXPECT_TRUE (seq.isRunning());
    EXPECT_TRUE (seq.isIdle());
    EXPECT_EQ (seq.getNumEvents(), 0);
    EXPECT_DOUBLE_EQ (seq.getLoopLengthQn(), -1.0);
    EXPECT_TRUE (runSteps (scheduler, 100, 48000.0, 120.0).empty());
}

TEST (SequenceMidiNoteManager, StopSilencesEveryOverlappingEvent)
{
    nubo::MidiMessageManager scheduler;
    auto& seq = scheduler.getSequencer();

    // A hand-made list whose second event lies inside the first: at 1.5 both sound.
    seq.loadAndStartSequence ({ makeEvent (0.0, 4.0, { 40 }), makeEvent (1.0, 1.0, { 70 }) });
    const auto before = rowsOf (runSteps (scheduler, 36000, 48000.0, 120.0));
    ASSERT_EQ (before.size(), 2u);

    seq.stopSequence();
    const auto offs = nubo::test::drainQueue (scheduler);
    ASSERT_EQ (offs.size(), 2u);
    EXPECT_EQ (offs[0].getNoteNumber(), 70); // the current event first
    EXPECT_EQ (offs[1].getNoteNumber(), 40);
}

TEST (SequenceMidiNoteManager, PreparedMessagesFollowTheNoteRecords)
{
    auto event = makeEvent (0.0, 1.0, { 60, 200 }, 4, 1.0, 0.5f, 16);
    event.prepareNoteOns();
    event.prepareNoteOffs();
    ASSERT_EQ (event.preparedNoteOns.size(), 2);
    EXPECT_EQ (event.preparedNoteOns[0].getRawData()[0], 0x9f);
    EXPECT_EQ (event.preparedNoteOns[1].getNoteNumber(), 127);
    EXPECT_EQ (event.preparedNoteOns[0].getVelocity(), 63); // 0.5 × 127 = 63.5, truncated
    EXPECT_EQ (event.preparedNoteOffs[0].getRawData()[0], 0x8f);

    // New notes make both lists stale again and stop the event.
    event.isPlaying = true;
    event.setMidiNotes ({ nubo::MidiNoteInfo (50, 1.0f, 2) });
    EXPECT_TRUE (event.noteOnsStale && event.noteOffsStale);
    EXPECT_FALSE (event.isPlaying);
    event.prepareNoteOns();
    ASSERT_EQ (event.preparedNoteOns.size(), 1);
    EXPECT_EQ (event.preparedNoteOns[0].getRawData()[0], 0x91);
    EXPECT_EQ (event.preparedNoteOns[0].getVelocity(), 127);
}

// When the scheduler's queue cannot take the notes without growing (or is locked), the audio
// thread holds them back and hands them on later, in order; a stop hands them on first.
TEST (SequenceMidiNoteManager, NotesHeldBackFromAFullQueueKeepTheirOrder)
{
    for (const bool stopWhileHeld : { false, true })
    {
        nubo::MidiMessageManager scheduler;
        auto& seq = scheduler.getSequencer();

        const auto filler = nubo::makeNoteOn (2, 1, 1);
        int queuedFiller = 0;

        while (scheduler.tryAddMidiMessagesWithoutWaiting (&filler, 1))
            ++queuedFiller;

        seq.loadAndStartSequence ({ makeEvent (0.0, 1.0, { 60, 64, 67 }, 2, 1.0) });
        scheduler.updateMidiSequence (48000.0, 120.0);
        scheduler.updateMidiSequence (48000.0, 120.0);
        EXPECT_EQ (scheduler.getNumQueuedMessages(), queuedFiller); // held back, not lost

        if (stopWhileHeld)
        {
            seq.stopSequence();
        }
        else
        {
            juce::MidiBuffer sink;

            for (int i = 0; i < 3; ++i)
                scheduler.sendMidiMessageFromQue (sink, 0);

            scheduler.updateMidiSequence (48000.0, 120.0); // room again: the held notes go in
            EXPECT_EQ (scheduler.getNumQueuedMessages(), queuedFiller);
            seq.stopSequence();
        }

        std::vector<Row> rows;

        for (const auto& m : nubo::test::drainQueue (scheduler))
            if (m.getChannel() == 1)
                rows.emplace_back (0, m.isNoteOn(), m.getNoteNumber(), m.getVelocity());

        const std::vector<Row> expected {
            { 0, true, 60, 100 },
            { 0, true, 64, 100 },
            { 0, true, 67, 100 },
            { 0, false, 60, 100 },
            { 0, false, 64, 100 },
            { 0, false, 67, 100 },
        };
        EXPECT_EQ (rows, expected) << (stopWhileHeld ? "stopped while held" : "handed on later");
    }
}

//==============================================================================
// The per-sample step compared with a direct transcription of the playback rule, over random
// event lists (overlaps, gaps, boundaries that are not whole samples) and tempo changes.
struct ReferencePlayer
{
    struct Event
    {
        double start, end;
        int pitch;
        bool playing = false;
    };

    std::vector<Event> events;
    double loopLength = 0.0;
    int count = 0;

    void step (int samplesPerQn, std::int64_t stepIndex, std::vector<Row>& out)
    {
        ++count;
        auto q = static_cast<double> (count) / static_cast<double> (samplesPerQn);

        if (q >= loopLength)
        {
            count = 0;
            q = 0.0;
        }

        Event* candidate = nullptr;

        for (auto& e : events)
        {
            if (q >= e.start && q < e.end && ! e.playing)
                candidate = &e;

            if (((q >= e.start && q >= e.end) || q < e.start) && e.playing)
            {
                out.emplace_back (stepIndex, false, e.pitch, 100);
                e.playing = false;
            }
        }

        if (candidate != nullptr)
        {
            out.emplace_back (stepIndex, true, candidate->pitch, 100);
            candidate->playing = true;
        }
    }
};

TEST (SequenceMidiNoteManager, MatchesTheReferencePlaybackRule)
{
    std::mt19937 rng (1234);
    std::uniform_int_distribution<int> numEventsDist (1, 5), stepCountDist (1, 6), sevenths (0, 27);
    const double tempos[] { 120.0, 97.3, 0.0, 33.0, 200.0 };

    for (int trial = 0; trial < 60; ++trial)
    {
        const auto stepCount = stepCountDist (rng);
        const auto stepLength = trial % 3 == 0 ? 0.5 : 1.0;
        const auto loopLength = stepCount * stepLength;

        juce::Array<nubo::One_SequenceMidiNote> events;
        ReferencePlayer reference;
        reference.loopLength = loopLength;

        for (int i = 0, n = numEventsDist (rng); i < n; ++i)
        {
            const auto start = std::fmod (sevenths (rng) / 7.0, loopLength);
            const auto length = (1 + sevenths (rng)) / 7.0;
            events.add (makeEvent (start, length, { 40 + i }, stepCount, stepLength));
            reference.events.push_back ({ start, start + length, 40 + i });
        }

        nubo::MidiMessageManager scheduler;
        scheduler.getSequencer().loadAndStartSequence (events);

        const auto sampleRate = 1000.0 + trial;
        const auto tempoA = tempos[trial % 5], tempoB = tempos[(trial + 2) % 5];
        const auto sA = nubo::SequenceMidiNoteManager::samplesPerQuarterNote (sampleRate, tempoA);
        const auto sB = nubo::SequenceMidiNoteManager::samplesPerQuarterNote (sampleRate, tempoB);
        const std::int64_t stepsA = static_cast<std::int64_t> (2.5 * loopLength * sA);
        const std::int64_t stepsB = static_cast<std::int64_t> (2.5 * loopLength * sB);

        std::vector<Row> expected;

        for (std::int64_t i = 1; i <= stepsA; ++i)
            reference.step (sA, i, expected);

        for (std::int64_t i = stepsA + 1; i <= stepsA + stepsB; ++i)
            reference.step (sB, i, expected);

        auto actual = rowsOf (runSteps (scheduler, stepsA, sampleRate, tempoA));
        const auto rest = rowsOf (runSteps (scheduler, stepsB, sampleRate, tempoB, stepsA + 1));
        actual.insert (actual.end(), rest.begin(), rest.end());

        ASSERT_EQ (actual, expected) << "trial " << trial;
    }
}

} // namespace

#include "SequencerTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <random>
#include <thread>

namespace
{

using nubo::test::makeEvent;

// Random patterns of up to eight chords on consecutive steps, so that one loop holds several
// boundaries.
juce::Array<nubo::One_SequenceMidiNote> randomPattern (std::mt19937& rng)
{
    std::uniform_int_distribution<int> stepsDist (1, 8), pitchDist (30, 90), restDist (0, 3);
    const auto steps = stepsDist (rng);
    juce::Array<nubo::One_SequenceMidiNote> events;

    for (int i = 0; i < steps; ++i)
    {
        if (restDist (rng) == 0)
            continue;

        const auto root = pitchDist (rng);
        events.add (makeEvent (i * 0.25, 0.25, { root, root + 4, root + 7 }, steps, 0.25, 0.79f, 1 + i % 3));
    }

    return events;
}

// One thread loads, stops and reloads patterns while another runs the audio blocks, for a few
// seconds. Once everything is stopped and drained, every note-on sent must have met a note-off.
TEST (SequencerConcurrency, LoadStopAndStepFromTwoThreadsLeavesNoNoteOn)
{
    nubo::MidiMessageManager scheduler;
    auto& sequencer = scheduler.getSequencer();

    std::atomic<bool> audioRunning { true };
    std::atomic<bool> controlDone { false };
    std::vector<juce::MidiMessage> sent;
    sent.reserve (1 << 20);
    std::int64_t blocks = 0;

    std::thread audio ([&] {
        juce::MidiBuffer buffer;
        buffer.ensureSize (4096);

        while (audioRunning.load())
        {
            buffer.clear();
            scheduler.beginMidiBlock();

            if (scheduler.hasPendingMidiWork())
            {
                for (int i = 0; i < 64; ++i)
                {
                    // 6000 bpm at 48 kHz: a step boundary every 120 samples.
                    scheduler.updateMidiSequence (48000.0, 6000.0);
                    scheduler.sendMidiMessageFromQue (buffer, 0);
                }
            }

            for (const auto meta : buffer)
                sent.push_back (meta.getMessage());

            ++blocks;
        }
    });

    std::thread control ([&] {
        std::mt19937 rng (99);
        std::uniform_int_distribution<int> action (0, 9), pauseMicros (0, 400);
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds (3);

        while (std::chrono::steady_clock::now() < until)
        {
            const auto a = action (rng);

            if (a < 6)
                sequencer.loadAndStartSequence (randomPattern (rng));
            else if (a < 8)
                sequencer.stopSequence();
            else if (a == 8)
                sequencer.setMidiNoteSeqence (randomPattern (rng));
            else
                sequencer.startSequence();

            std::this_thread::sleep_for (std::chrono::microseconds (pauseMicros (rng)));
        }

        sequencer.stopSequence();
        controlDone.store (true);
    });

    control.join();

    // Let the audio thread drain what the stop queued, then stop it.
    while (scheduler.getNumQueuedMessages() > 0)
        std::this_thread::yield();

    audioRunning.store (false);
    audio.join();

    for (auto& m : nubo::test::drainQueue (scheduler))
        sent.push_back (m);

    ASSERT_TRUE (controlDone.load());
    EXPECT_GT (blocks, 1000);

    std::array<int, 16 * 128> sounding {};
    int noteOns = 0;

    for (const auto& m : sent)
    {
        ASSERT_TRUE (m.isNoteOnOrOff()) << m.getDescription();
        auto& n = sounding[static_cast<size_t> ((m.getChannel() - 1) * 128 + m.getNoteNumber())];

        if (m.isNoteOn())
        {
            ++n;
            ++noteOns;
        }
        else if (n > 0)
        {
            --n; // a stop repeats the last chord's note-offs even when it ended already
        }
    }

    EXPECT_GT (noteOns, 100) << "the sequencer hardly played: the test proves nothing";

    for (size_t i = 0; i < sounding.size(); ++i)
        EXPECT_EQ (sounding[i], 0) << "channel " << (i / 128 + 1) << " note " << (i % 128) << " left sounding";
}

} // namespace

#include "engine/NuboChord2AudioProcessor.h"
#include "performance/PitchChordManager.h"
#include "performance/StepSequencer_Bass.h"
#include "support/MidiTranscript.h"

#include <gtest/gtest.h>

namespace
{

namespace Names = nubo::STEPSEQUNCER_ONESTEP_VARIATION_TYPE_NAME;
using nubo::test::transcript;
using Lines = std::vector<std::string>;

struct TempoHead final : juce::AudioPlayHead
{
    juce::Optional<PositionInfo> getPosition() const override
    {
        PositionInfo info;
        info.setBpm (bpm);
        return info;
    }

    double bpm = 120.0;
};

struct Rig
{
    Rig()
    {
        juce::AudioProcessor::setTypeOfNextNewPlugin (juce::AudioProcessor::wrapperType_VST3);
        processor = std::make_unique<NuboChord2AudioProcessor>();
        juce::AudioProcessor::setTypeOfNextNewPlugin (juce::AudioProcessor::wrapperType_Undefined);
        processor->enableAllBuses();
        processor->setRateAndBufferSizeDetails (48000.0, 512);
        processor->setPlayHead (&head);
        block(); // the first block starts from an empty queue
    }

    ~Rig() { processor->setPlayHead (nullptr); }

    juce::MidiBuffer block (int numSamples = 512)
    {
        juce::AudioBuffer<float> audio (2, numSamples);
        audio.clear();
        juce::MidiBuffer midi;
        processor->processBlock (audio, midi);
        return midi;
    }

    TempoHead head;
    std::unique_ptr<NuboChord2AudioProcessor> processor;
};

// A chord state bound to the processor plays through the host's blocks: the press comes out
// in the next block, the release after a change of root switches off the chord that sounds.
TEST (ChordStatePlayback, PressAndReleaseReachTheHost)
{
    Rig rig;
    nubo::PitchChordManager chord (rig.processor.get());

    chord.sendMidiNoteOn_CurrentChord();
    EXPECT_EQ (transcript (rig.block()), (Lines { "0: note-on C3 vel 100 ch 1", "0: note-on E3 vel 100 ch 1", "0: note-on G3 vel 100 ch 1" }));

    chord.setChordRootPitchNum (62);
    chord.sendMidiNoteOff_CurrentChord();
    EXPECT_EQ (transcript (rig.block()), (Lines { "0: note-off C3 vel 100 ch 1", "0: note-off E3 vel 100 ch 1", "0: note-off G3 vel 100 ch 1" }));
    EXPECT_FALSE (rig.processor->hasPendingMidiWork());
}

// The step sequencer runs inside processBlock at the host's tempo and stops on request.
TEST (ChordStatePlayback, SequencerPlaysAtTheHostTempo)
{
    Rig rig;
    nubo::PitchChordManager chord (rig.processor.get());

    nubo::StepSequencer_Bass pattern (2, 1.0);
    pattern.setStepTypeName (0, Names::STEP_VARIATION_NOTE_Normal);
    chord.sendSequenceMidiNote (&pattern);
    EXPECT_TRUE (rig.processor->hasPendingMidiWork());

    EXPECT_EQ (transcript (rig.block()).size(), 3u);

    // At 120 bpm the chord ends after 24000 samples: in the block covering samples 23552 … 24063
    // of the count (the first block counted 1 … 512).
    for (int i = 1; i < 46; ++i)
        ASSERT_TRUE (rig.block().isEmpty()) << "block " << i;

    EXPECT_EQ (transcript (rig.block()), (Lines { "0: note-off C3 vel 100 ch 1", "0: note-off E3 vel 100 ch 1", "0: note-off G3 vel 100 ch 1" }));

    // Half the tempo: the position is the count over the new samples per quarter note, so the
    // count of 24064 falls back into the first step, which sounds again and ends at count 48000.
    rig.head.bpm = 60.0;
    EXPECT_EQ (transcript (rig.block()).size(), 3u);

    int blocksUntilOff = 1;

    while (rig.block().isEmpty() && blocksUntilOff < 200)
        ++blocksUntilOff;

    EXPECT_EQ (blocksUntilOff, 46); // counts 24577 … 48128: (48000 − 24576) / 512 = 45.75

    chord.stopSequenceMidiNote();
    EXPECT_EQ (transcript (rig.block()).size(), 3u);
    EXPECT_FALSE (rig.processor->hasPendingMidiWork());
    EXPECT_TRUE (rig.block().isEmpty());
}

} // namespace

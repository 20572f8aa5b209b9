#include "engine/NuboChord2AudioProcessor.h"
#include "support/MidiTranscript.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace
{

using nubo::test::transcript;
using ::testing::ElementsAre;

using WrapperType = juce::AudioProcessor::WrapperType;

/** Builds a processor as the given wrapper would, with a stereo-in/stereo-out layout. */
std::unique_ptr<NuboChord2AudioProcessor> makeProcessor (WrapperType wrapper = juce::AudioProcessor::wrapperType_VST3)
{
    juce::AudioProcessor::setTypeOfNextNewPlugin (wrapper);
    auto processor = std::make_unique<NuboChord2AudioProcessor>();
    juce::AudioProcessor::setTypeOfNextNewPlugin (juce::AudioProcessor::wrapperType_Undefined);
    processor->enableAllBuses();
    processor->setRateAndBufferSizeDetails (48000.0, 64);
    return processor;
}

juce::MidiBuffer runBlock (juce::AudioProcessor& processor, int numSamples, juce::MidiBuffer midi = {})
{
    juce::AudioBuffer<float> audio (2, numSamples);
    audio.clear();
    processor.processBlock (audio, midi);
    return midi;
}

TEST (NuboChord2AudioProcessor, WrapperDecidesWhetherMidiIsEmitted)
{
    struct Case
    {
        WrapperType wrapper;
        bool logic;
        bool emits;
    };
    const Case cases[] = {
        { juce::AudioProcessor::wrapperType_VST, false, true },
        { juce::AudioProcessor::wrapperType_VST3, false, true },
        { juce::AudioProcessor::wrapperType_LV2, false, true },
        { juce::AudioProcessor::wrapperType_Standalone, false, true },
        { juce::AudioProcessor::wrapperType_AudioUnit, false, false },
        { juce::AudioProcessor::wrapperType_AudioUnit, true, true },
        { juce::AudioProcessor::wrapperType_AudioUnitv3, false, false },
        { juce::AudioProcessor::wrapperType_AudioUnitv3, true, true },
        { juce::AudioProcessor::wrapperType_AAX, true, false },
        { juce::AudioProcessor::wrapperType_Unity, false, false },
        { juce::AudioProcessor::wrapperType_Undefined, true, false },
    };

    for (const auto& c : cases)
        EXPECT_EQ (NuboChord2AudioProcessor::wrapperEmitsMidi (c.wrapper, c.logic), c.emits)
            << "wrapper " << (int) c.wrapper << " logic " << c.logic;

    EXPECT_TRUE (makeProcessor (juce::AudioProcessor::wrapperType_LV2)->isMidiOutputEnabled());
    EXPECT_FALSE (makeProcessor (juce::AudioProcessor::wrapperType_AudioUnit)->isMidiOutputEnabled()); // not in Logic
}

TEST (NuboChord2AudioProcessor, HostAnswers)
{
    auto p = makeProcessor();
    EXPECT_EQ (p->getName(), "nuboChord 2");
    EXPECT_TRUE (p->acceptsMidi());
    EXPECT_TRUE (p->producesMidi());
    EXPECT_FALSE (p->isMidiEffect());
    EXPECT_EQ (p->getTailLengthSeconds(), 0.0);
    EXPECT_EQ (p->getNumPrograms(), 1);
    EXPECT_EQ (p->getCurrentProgram(), 0);
    EXPECT_TRUE (p->getProgramName (0).isEmpty());
    EXPECT_TRUE (p->getParameters().isEmpty());
    EXPECT_EQ (p->editorWidth, 647);
    EXPECT_EQ (p->editorHeight, 400);

    juce::AudioProcessor::BusesLayout mono;
    mono.inputBuses.add (juce::AudioChannelSet::mono());
    mono.outputBuses.add (juce::AudioChannelSet::quadraphonic());
    EXPECT_TRUE (p->checkBusesLayoutSupported (mono));
}

TEST (NuboChord2AudioProcessor, FirstBlockDiscardsWhatWasQueuedBeforePlayback)
{
    auto p = makeProcessor();
    p->addMidiMessageQue (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100));
    EXPECT_TRUE (runBlock (*p, 64).isEmpty());

    p->addMidiMessageQue (juce::MidiMessage::noteOn (1, 62, (juce::uint8) 100));
    EXPECT_THAT (transcript (runBlock (*p, 64)), ElementsAre ("0: note-on D3 vel 100 ch 1"));
}

TEST (NuboChord2AudioProcessor, EmitsOneQueuedMessagePerSampleAcrossBlocks)
{
    auto p = makeProcessor();
    runBlock (*p, 64);

    for (int i = 0; i < 100; ++i)
        p->addMidiMessageQue (juce::MidiMessage::controllerEvent (1, 20, i));

    const auto first = runBlock (*p, 64);
    const auto second = runBlock (*p, 64);
    ASSERT_EQ (first.getNumEvents(), 64);
    ASSERT_EQ (second.getNumEvents(), 36);

    int expected = 0;
    for (const auto* block : { &first, &second })
        for (const auto meta : *block)
            EXPECT_EQ (meta.getMessage().getControllerValue(), expected++);
}

TEST (NuboChord2AudioProcessor, HostMidiPassesThroughAheadOfOurMessages)
{
    auto p = makeProcessor();
    runBlock (*p, 64);
    p->addMidiMessageQue (juce::MidiMessage::noteOn (2, 64, (juce::uint8) 90));

    juce::MidiBuffer host;
    host.addEvent (juce::MidiMessage::noteOn (1, 48, (juce::uint8) 80), 3);
    host.addEvent (juce::MidiMessage::noteOff (1, 48), 40);

    EXPECT_THAT (transcript (runBlock (*p, 64, host)),
                 ElementsAre ("3: note-on C2 vel 80 ch 1", "40: note-off C2 vel 0 ch 1", "40: note-on E3 vel 90 ch 2"));
}

TEST (NuboChord2AudioProcessor, ZeroSampleBlockEmitsNothing)
{
    auto p = makeProcessor();
    runBlock (*p, 64);
    p->addMidiMessageQue (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100));
    EXPECT_TRUE (runBlock (*p, 0).isEmpty());
    EXPECT_EQ (p->getNumQueuedMessages(), 1);
}

TEST (NuboChord2AudioProcessor, WithoutMidiOutputTheQueueIsDiscardedNotKept)
{
    auto p = makeProcessor (juce::AudioProcessor::wrapperType_AudioUnit);
    runBlock (*p, 64);
    for (int i = 0; i < 500; ++i)
        p->addMidiMessageQue (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100));
    p->requestAllMidiReset();

    EXPECT_TRUE (runBlock (*p, 64).isEmpty());
    EXPECT_FALSE (p->hasPendingMidiWork());
}

TEST (NuboChord2AudioProcessor, InputAudioPassesAndOutputsBeyondTheInputsAreSilenced)
{
    auto p = makeProcessor();

    // Stereo in, stereo out: untouched.
    juce::AudioBuffer<float> audio (2, 32);
    for (int ch = 0; ch < 2; ++ch)
        juce::FloatVectorOperations::fill (audio.getWritePointer (ch), 0.25f * (float) (ch + 1), 32);
    juce::MidiBuffer midi;
    p->processBlock (audio, midi);
    EXPECT_FLOAT_EQ (audio.getSample (0, 31), 0.25f);
    EXPECT_FLOAT_EQ (audio.getSample (1, 0), 0.5f);

    // Instrument layout: no inputs, stereo out: silence.
    juce::AudioProcessor::BusesLayout instrument;
    instrument.inputBuses.add (juce::AudioChannelSet::disabled());
    instrument.outputBuses.add (juce::AudioChannelSet::stereo());
    ASSERT_TRUE (p->setBusesLayout (instrument));
    ASSERT_EQ (p->getTotalNumInputChannels(), 0);
    for (int ch = 0; ch < 2; ++ch)
        juce::FloatVectorOperations::fill (audio.getWritePointer (ch), 0.7f, 32);
    p->processBlock (audio, midi);
    EXPECT_EQ (audio.getMagnitude (0, 32), 0.0f);
}

struct FixedTempoPlayHead final : juce::AudioPlayHead
{
    juce::Optional<PositionInfo> getPosition() const override
    {
        if (! answer)
            return {};
        PositionInfo info;
        if (bpm > 0)
            info.setBpm (bpm);
        return info;
    }

    bool answer = true;
    double bpm = 0;
};

TEST (NuboChord2AudioProcessor, TempoIsZeroWithoutAPlayHeadOrAnAnswer)
{
    auto p = makeProcessor();
    runBlock (*p, 16);
    EXPECT_EQ (p->getLastBpm(), 0.0);

    FixedTempoPlayHead head;
    head.bpm = 97.5;
    p->setPlayHead (&head);
    runBlock (*p, 16);
    EXPECT_EQ (p->getLastBpm(), 97.5);

    head.answer = false;
    runBlock (*p, 16);
    EXPECT_EQ (p->getLastBpm(), 0.0);

    head.answer = true;
    head.bpm = 0; // a position without a tempo
    runBlock (*p, 16);
    EXPECT_EQ (p->getLastBpm(), 0.0);
    p->setPlayHead (nullptr);
}

TEST (NuboChord2AudioProcessor, StateRoundTripsBetweenInstances)
{
    auto a = makeProcessor();
    a->getStateTexts().buttonModeState = juce::XmlElement ("PitchNameString").toString();
    a->getStateTexts().circleOfFifthStyle = 4;
    a->getStateTexts().circleOfFifthStyleDivNum = 3;

    juce::MemoryBlock block;
    a->getStateInformation (block);

    auto b = makeProcessor();
    b->setStateInformation (block.getData(), (int) block.getSize());
    EXPECT_EQ (b->getStateTexts().buttonModeState, a->getStateTexts().buttonModeState);
    EXPECT_EQ (b->getStateTexts().circleOfFifthStyle, 4);
    EXPECT_EQ (b->getStateTexts().circleOfFifthStyleDivNum, 3);

    // The container is exactly JUCE's binary XML form, so JUCE's own reader accepts it.
    const auto xml = juce::AudioProcessor::getXmlFromBinary (block.getData(), (int) block.getSize());
    ASSERT_NE (xml, nullptr);
    EXPECT_TRUE (xml->hasTagName ("root"));

    juce::MemoryBlock again;
    b->getStateInformation (again);
    EXPECT_EQ (again, block);

    // Garbage is ignored entirely.
    const char garbage[] = "VC2!garbage";
    b->getStateTexts().circleOfFifthStyle = 9;
    b->setStateInformation (garbage, (int) sizeof (garbage));
    EXPECT_EQ (b->getStateTexts().circleOfFifthStyle, 9);
}

} // namespace

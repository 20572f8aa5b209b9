#include "engine/NuboChord2AudioProcessor.h"

#include <benchmark/benchmark.h>

namespace
{

/** The baseline: a processor whose block is one buffer clear and nothing else. */
class BarePassThrough final : public juce::AudioProcessor
{
public:
    BarePassThrough()
        : juce::AudioProcessor (BusesProperties().withOutput ("Output", juce::AudioChannelSet::stereo()))
    {}

    using juce::AudioProcessor::processBlock;

    void processBlock (juce::AudioBuffer<float>& audio, juce::MidiBuffer&) override
    {
        for (auto ch = getTotalNumInputChannels(); ch < getTotalNumOutputChannels(); ++ch)
            audio.clear (ch, 0, audio.getNumSamples());
    }

    const juce::String getName() const override { return "bare"; }
    void prepareToPlay (double, int) override {}
    void releaseResources() override {}
    double getTailLengthSeconds() const override { return 0; }
    bool acceptsMidi() const override { return true; }
    bool producesMidi() const override { return true; }
    juce::AudioProcessorEditor* createEditor() override { return nullptr; }
    bool hasEditor() const override { return false; }
    int getNumPrograms() override { return 1; }
    int getCurrentProgram() override { return 0; }
    void setCurrentProgram (int) override {}
    const juce::String getProgramName (int) override { return {}; }
    void changeProgramName (int, const juce::String&) override {}
    void getStateInformation (juce::MemoryBlock&) override {}
    void setStateInformation (const void*, int) override {}
};

/** Our processor as a VST3 instrument: no inputs, stereo out, first block already run. */
std::unique_ptr<NuboChord2AudioProcessor> makeInstrument (int blockSize)
{
    juce::AudioProcessor::setTypeOfNextNewPlugin (juce::AudioProcessor::wrapperType_VST3);
    auto p = std::make_unique<NuboChord2AudioProcessor>();
    juce::AudioProcessor::setTypeOfNextNewPlugin (juce::AudioProcessor::wrapperType_Undefined);

    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add (juce::AudioChannelSet::disabled());
    layout.outputBuses.add (juce::AudioChannelSet::stereo());
    p->setBusesLayout (layout);
    p->setRateAndBufferSizeDetails (48000.0, blockSize);

    juce::AudioBuffer<float> audio (2, blockSize);
    juce::MidiBuffer midi;
    p->processBlock (audio, midi);
    return p;
}

void BM_BarePassThrough (benchmark::State& state)
{
    const auto n = (int) state.range (0);
    BarePassThrough p;
    p.setRateAndBufferSizeDetails (48000.0, n);
    juce::AudioBuffer<float> audio (2, n);
    juce::MidiBuffer midi;

    for (auto _ : state)
    {
        p.processBlock (audio, midi);
        benchmark::DoNotOptimize (audio.getReadPointer (1));
    }
}
BENCHMARK (BM_BarePassThrough)->RangeMultiplier (2)->Range (32, 1024);

void BM_ProcessBlockIdle (benchmark::State& state)
{
    const auto n = (int) state.range (0);
    auto p = makeInstrument (n);
    juce::AudioBuffer<float> audio (2, n);
    juce::MidiBuffer midi;

    for (auto _ : state)
    {
        p->processBlock (audio, midi);
        benchmark::DoNotOptimize (audio.getReadPointer (1));
    }
}
BENCHMARK (BM_ProcessBlockIdle)->RangeMultiplier (2)->Range (32, 1024);

void BM_ProcessBlockReset (benchmark::State& state)
{
    auto p = makeInstrument (512);
    juce::AudioBuffer<float> audio (2, 512);
    juce::MidiBuffer midi;

    for (auto _ : state)
    {
        midi.clear(); // keeps its storage, as a host's buffer does between blocks
        p->requestAllMidiReset();
        p->processBlock (audio, midi);
        benchmark::DoNotOptimize (midi.data.begin());
    }

    state.counters["events"] = (double) midi.getNumEvents();
}
BENCHMARK (BM_ProcessBlockReset)->Unit (benchmark::kMicrosecond);

/** Queues k messages and drains them all in one 1024-sample block. */
void BM_ProcessBlockDrainQueue (benchmark::State& state)
{
    const auto k = (int) state.range (0);
    auto p = makeInstrument (1024);
    juce::AudioBuffer<float> audio (2, 1024);
    juce::MidiBuffer midi;
    const auto message = juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100);

    for (auto _ : state)
    {
        midi.clear();
        for (int i = 0; i < k; ++i)
            p->addMidiMessageQue (message);
        p->processBlock (audio, midi);
        benchmark::DoNotOptimize (midi.data.begin());
    }

    state.SetComplexityN (k);
}
BENCHMARK (BM_ProcessBlockDrainQueue)->RangeMultiplier (10)->Range (1, 1000)->Complexity (benchmark::oN);

/** The queueing alone, to subtract from the drain figures. */
void BM_QueueOnly (benchmark::State& state)
{
    const auto k = (int) state.range (0);
    nubo::MidiMessageManager manager;
    const auto message = juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100);

    for (auto _ : state)
    {
        for (int i = 0; i < k; ++i)
            manager.addMidiMessageQue (message);
        manager.clearMidiMessageQue();
    }
}
BENCHMARK (BM_QueueOnly)->RangeMultiplier (10)->Range (1, 1000);

/** For comparison: k events added one by one through MidiBuffer::addEvent at the last event's
    time, which walks the buffer from its start every time. */
void BM_MidiBufferAddEventBaseline (benchmark::State& state)
{
    const auto k = (int) state.range (0);
    juce::MidiBuffer midi;
    const auto message = juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100);

    for (auto _ : state)
    {
        midi.clear();
        for (int i = 0; i < k; ++i)
            midi.addEvent (message, midi.getLastEventTime());
        benchmark::DoNotOptimize (midi.data.begin());
    }

    state.SetComplexityN (k);
}
BENCHMARK (BM_MidiBufferAddEventBaseline)->RangeMultiplier (10)->Range (1, 1000)->Complexity();

} // namespace

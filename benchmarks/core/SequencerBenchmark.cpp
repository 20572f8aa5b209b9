#include "engine/MidiMessageManager.h"

#include <benchmark/benchmark.h>

namespace
{

constexpr int samplesPerBlock = 512;

juce::Array<nubo::One_SequenceMidiNote> fourStepPattern()
{
    juce::Array<nubo::One_SequenceMidiNote> events;

    for (int i = 0; i < 4; ++i)
    {
        nubo::One_SequenceMidiNote event;
        event.setMidiNotes ({ nubo::MidiNoteInfo (60 + i, 0.79f, 1), nubo::MidiNoteInfo (64 + i, 0.79f, 1),
                              nubo::MidiNoteInfo (67 + i, 0.79f, 1) });
        event.timing.start = i;
        event.timing.length = 1.0;
        event.timing.end = i + 1.0;
        event.timing.name = "Normal";
        event.timing.stepCount = 4;
        event.timing.stepLength = 1.0;
        events.add (event);
    }

    return events;
}

void setSamplesCounter (benchmark::State& state)
{
    state.SetItemsProcessed (state.iterations() * samplesPerBlock);
    state.counters["time/sample"] = benchmark::Counter (static_cast<double> (samplesPerBlock),
                                                        benchmark::Counter::kIsIterationInvariantRate
                                                            | benchmark::Counter::kInvert);
}

// The sequencer step alone, once per sample, with a four-step pattern at 120 bpm and 48 kHz
// (and, as arg 1, at 6000 bpm: a step boundary every 120 samples). The queue is emptied after
// every block (inside the timing: it costs a lock and a clear).
void BM_SequencerStep_FourStepPattern (benchmark::State& state)
{
    nubo::MidiMessageManager scheduler;
    scheduler.getSequencer().loadAndStartSequence (fourStepPattern());
    const auto bpm = static_cast<double> (state.range (0));

    for (auto _ : state)
    {
        for (int i = 0; i < samplesPerBlock; ++i)
            scheduler.updateMidiSequence (48000.0, bpm);

        scheduler.clearMidiMessageQue();
    }

    setSamplesCounter (state);
}
BENCHMARK (BM_SequencerStep_FourStepPattern)->Arg (120)->Arg (6000);

// Baseline: the same calls with the sequencer stopped.
void BM_SequencerStep_Stopped (benchmark::State& state)
{
    nubo::MidiMessageManager scheduler;

    for (auto _ : state)
        for (int i = 0; i < samplesPerBlock; ++i)
            scheduler.updateMidiSequence (48000.0, 120.0);

    setSamplesCounter (state);
}
BENCHMARK (BM_SequencerStep_Stopped);

// What the processor runs per sample while the pattern plays: the sequencer step and the send
// step into the host's buffer.
void BM_ProcessorLoop_FourStepPattern (benchmark::State& state)
{
    nubo::MidiMessageManager scheduler;
    scheduler.getSequencer().loadAndStartSequence (fourStepPattern());
    juce::MidiBuffer buffer;
    buffer.ensureSize (4096);

    for (auto _ : state)
    {
        buffer.clear();
        scheduler.beginMidiBlock();

        for (int i = 0; i < samplesPerBlock; ++i)
        {
            scheduler.updateMidiSequence (48000.0, 120.0);
            scheduler.sendMidiMessageFromQue (buffer, 0);
        }

        benchmark::DoNotOptimize (buffer.data.getRawDataPointer());
    }

    setSamplesCounter (state);
}
BENCHMARK (BM_ProcessorLoop_FourStepPattern);

} // namespace

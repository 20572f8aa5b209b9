#include "export/ChordFileExporter.h"
#include "export/FileCreator_Midi.h"
#include "theory/ChordGenerator.h"
#include "theory/ChordGenerator_Base.h"

#include <benchmark/benchmark.h>

namespace
{

// One chord exported as a MIDI file, as a drag out of a chord button does: old file removed,
// writer cleared, chord generated into it, file written.
void BM_ExportChord_MidiFile (benchmark::State& state)
{
    const auto folder = juce::File::getSpecialLocation (juce::File::tempDirectory)
                            .getChildFile ("nubo_bench_" + juce::Uuid().toString());
    nubo::FileCreator_Midi writer;
    nubo::ChordGeneratorType_1 generator;

    const auto writeChord = [&generator] (nubo::FileCreator_Base& sink) {
        nubo::ChordGenerator::checkAndExecute (&generator, &sink, nullptr, "m7", 62, 0.0f, 4.0f, 0.79f, 1);
    };

    for (auto _ : state)
        benchmark::DoNotOptimize (nubo::ChordFileExporter::exportChord ("Dm7", 1, &writer, writeChord, folder));

    folder.deleteRecursively();
}
BENCHMARK (BM_ExportChord_MidiFile)->Unit (benchmark::kMicrosecond);

} // namespace

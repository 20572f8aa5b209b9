#include "export/FileCreator_Base.h"
#include "theory/ChordGenerator.h"
#include "theory/ChordToneTable.h"
#include "theory/NotesOrderReplace.h"
#include "theory/PitchNameInfo.h"
#include "theory/pitchChord_InversionTypeSelector.h"

#include <benchmark/benchmark.h>

namespace
{

juce::String utf8 (const char* text)
{
    return juce::String (juce::CharPointer_UTF8 (text));
}

const char* const pitchNames[] = { "C3", u8"C＃3", u8"D♭-1", "B", u8"B♭ (A＃2)", "Gb8" };

void BM_PitchNameParse (benchmark::State& state)
{
    const auto text = utf8 (pitchNames[state.range (0)]);

    for (auto _ : state)
        benchmark::DoNotOptimize (nubo::PitchNameInfo::getPitchNumberFromString (text));

    state.SetLabel (text.toStdString());
}
BENCHMARK (BM_PitchNameParse)->DenseRange (0, 5);

void BM_PitchNameParseWithoutOctave (benchmark::State& state)
{
    const auto text = utf8 (pitchNames[state.range (0)]);

    for (auto _ : state)
        benchmark::DoNotOptimize (nubo::PitchNameInfo::getPitchNumberFromStringNO (text));

    state.SetLabel (text.toStdString());
}
BENCHMARK (BM_PitchNameParseWithoutOctave)->DenseRange (0, 5);

/** A sink that only counts, so the figure is the generator's own cost. */
class CountingSink final : public nubo::FileCreator_Base
{
public:
    void clear() override { count = 0; }
    void addOneNote (int pitch, float, float, float, int) override { count += pitch; }
    bool saveToFile (juce::File) override { return false; }
    juce::String toString() const override { return {}; }

    long long count = 0;
};

const char* const inversionTypes[] = { "Normal", "Inversion 1", "Inversion 2", "Inversion 3" };

/** checkAndExecute for one chord type (argument 0: index in "All Chord" order) in one inversion
    type (argument 1), with a note sink and no re-voicing. */
void BM_CheckAndExecute (benchmark::State& state)
{
    nubo::pitchChord_InversionTypeSelector selector;
    auto* generator = selector.getChordGeneratorFromTypeString (inversionTypes[state.range (1)]);
    const auto name = utf8 (nubo::ChordToneTable::getEntry (static_cast<int> (state.range (0))).name);
    CountingSink sink;

    for (auto _ : state)
        benchmark::DoNotOptimize (nubo::ChordGenerator::checkAndExecute (generator, &sink, nullptr, name, 60, 0.0f, 4.0f, 0.79f, 1));

    state.SetLabel (name.toStdString() + " / " + inversionTypes[state.range (1)]);
}
BENCHMARK (BM_CheckAndExecute)->ArgsProduct ({ benchmark::CreateDenseRange (0, nubo::ChordToneTable::numEntries - 1, 1), { 0, 3 } });

/** The same through a re-voicing ("Bass,Top"). */
void BM_CheckAndExecuteRevoiced (benchmark::State& state)
{
    nubo::pitchChord_InversionTypeSelector selector;
    nubo::NoteOrderReplace_Selector reorders;
    auto* generator = selector.getChordGeneratorFromTypeString ("Inversion 1");
    auto* reorder = reorders.getNoteReplaceByTypeString ("Bass,Top");
    const auto name = utf8 (nubo::ChordToneTable::getEntry (static_cast<int> (state.range (0))).name);
    CountingSink sink;

    for (auto _ : state)
        benchmark::DoNotOptimize (nubo::ChordGenerator::checkAndExecute (generator, &sink, reorder, name, 60, 0.0f, 4.0f, 0.79f, 1));

    state.SetLabel (name.toStdString());
}
BENCHMARK (BM_CheckAndExecuteRevoiced)->Arg (0)->Arg (20)->Arg (74);

} // namespace

#include "performance/PitchChordManager.h"

#include <benchmark/benchmark.h>

namespace
{

juce::String utf8 (const char* text)
{
    return juce::String (juce::CharPointer_UTF8 (text));
}

// toXMLString and fromXMLString of a state with a saved chord (goal: under 100 µs together).
void BM_ChordState_XmlRoundTrip_WithSavedChord (benchmark::State& state)
{
    nubo::PitchChordManager source (nullptr);
    source.setChordName (utf8 (u8"m7¯5"));
    source.setChordInvertType ("Inversion 1", false);
    source.setChordRootPitchNum (63);
    source.setSavedPitchChordManager (new nubo::PitchChordManager (source));

    nubo::PitchChordManager target (nullptr);

    for (auto _ : state)
    {
        const auto text = source.toXMLString();
        target.fromXMLString (text);
        benchmark::DoNotOptimize (target.getSavedPitchChordManager());
    }
}
BENCHMARK (BM_ChordState_XmlRoundTrip_WithSavedChord)->Unit (benchmark::kMicrosecond);

// getFullChordName (goal: under 5 µs): the plain default chord, and a chord that needs the bass
// of an inversion, a re-voicing and flat spelling by rule and by key.
void BM_ChordState_FullChordName (benchmark::State& state)
{
    nubo::PitchChordManager m (nullptr);

    if (state.range (0) == 1)
    {
        m.setChordRootPitchNum (61);
        m.setChordName (utf8 (u8"m7¯5"));
        m.setChordInvertType ("Inversion 1", false);
        m.setNoteOrderReplace ("Bass,Top");
        m.setPitchNameRoule (nubo::PitchChordManager::PITCHNAME_ROULE_FLAT);
        m.setMainKey (3);
    }

    for (auto _ : state)
        benchmark::DoNotOptimize (m.getFullChordName());
}
BENCHMARK (BM_ChordState_FullChordName)->Arg (0)->Arg (1)->Unit (benchmark::kMicrosecond);

} // namespace

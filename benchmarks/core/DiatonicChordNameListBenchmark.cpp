#include "theory/ChordGenerator.h"
#include "theory/DiatonicChordNameList.h"

#include <benchmark/benchmark.h>

namespace
{

// First request for a key and root: 75 chords generated and tested.
void BM_DiatonicChordNameList_Cold (benchmark::State& state)
{
    nubo::DiatonicChordNameList lists;

    for (auto _ : state)
    {
        lists.clear();
        benchmark::DoNotOptimize (lists.get (0, 62));
    }
}
BENCHMARK (BM_DiatonicChordNameList_Cold)->Unit (benchmark::kMicrosecond);

// Every later request: a copy of the kept list.
void BM_DiatonicChordNameList_Warm (benchmark::State& state)
{
    benchmark::DoNotOptimize (nubo::ChordGenerator::getDiatonicChordNameList (0, 62));

    for (auto _ : state)
        benchmark::DoNotOptimize (nubo::ChordGenerator::getDiatonicChordNameList (0, 62));
}
BENCHMARK (BM_DiatonicChordNameList_Warm);

} // namespace

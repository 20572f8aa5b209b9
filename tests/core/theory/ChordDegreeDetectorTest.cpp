#include "theory/ChordDegreeDetector.h"

#include <gtest/gtest.h>

#include <limits>

namespace
{

using Pair = std::pair<int, int>;

std::vector<Pair> pairsOf (const juce::Array<nubo::DegreeInfo>& found)
{
    std::vector<Pair> pairs;
    for (const auto& d : found)
        pairs.emplace_back (d.lowerIndex, d.upperIndex);
    return pairs;
}

TEST (ChordDegreeDetector, PairsAtTheWantedDistance)
{
    const juce::Array<int> cMajor { 64, 60, 67 };

    const auto fifths = nubo::ChordDegreeDetector::getDegreeInfo_Order (cMajor, 7);
    ASSERT_EQ (fifths.size(), 1);
    EXPECT_EQ (fifths[0].distance, 7);
    EXPECT_EQ (fifths[0].lowerIndex, 0);
    EXPECT_EQ (fifths[0].upperIndex, 2);
    EXPECT_EQ (fifths[0].tones, juce::Array<int> ({ 60, 64, 67 }));

    const std::pair<int, std::vector<Pair>> cases[] {
        { 3, { { 1, 2 } } },
        { 4, { { 0, 1 } } },
        { 12, {} },
        { -5, { { 0, 2 } } },                    // counts as 7
        { 0, { { 0, 0 }, { 1, 1 }, { 2, 2 } } }, // every tone with itself
        { 19, {} },                              // no octave folding
    };
    for (const auto& [semitones, expected] : cases)
        EXPECT_EQ (pairsOf (nubo::ChordDegreeDetector::getDegreeInfo_Order (cMajor, semitones)), expected) << semitones;
}

TEST (ChordDegreeDetector, OrderedByLowerThenUpperIndexWithDoubledTones)
{
    // Sorted: 48 55 60 60 67 — fifths 48-55, 60-67 twice; unisons include the equal pair.
    const juce::Array<int> tones { 60, 67, 48, 60, 55 };
    EXPECT_EQ (pairsOf (nubo::ChordDegreeDetector::getDegreeInfo_Order (tones, 7)),
               (std::vector<Pair> { { 0, 1 }, { 2, 4 }, { 3, 4 } }));
    EXPECT_EQ (pairsOf (nubo::ChordDegreeDetector::getDegreeInfo_Order (tones, 0)),
               (std::vector<Pair> { { 0, 0 }, { 1, 1 }, { 2, 2 }, { 2, 3 }, { 3, 3 }, { 4, 4 } }));
    EXPECT_EQ (pairsOf (nubo::ChordDegreeDetector::getDegreeInfo_Order (tones, 12)),
               (std::vector<Pair> { { 0, 2 }, { 0, 3 }, { 1, 4 } }));
}

TEST (ChordDegreeDetector, ExtremeValuesDoNotOverflow)
{
    constexpr auto lo = std::numeric_limits<int>::min();
    constexpr auto hi = std::numeric_limits<int>::max();

    EXPECT_TRUE (nubo::ChordDegreeDetector::getDegreeInfo_Order ({ lo, hi }, -1).isEmpty());
    EXPECT_EQ (pairsOf (nubo::ChordDegreeDetector::getDegreeInfo_Order ({ hi, lo }, lo)), std::vector<Pair> {});
    EXPECT_EQ (pairsOf (nubo::ChordDegreeDetector::getDegreeInfo_Order ({ hi - 7, hi }, 7)), (std::vector<Pair> { { 0, 1 } }));
    EXPECT_TRUE (nubo::ChordDegreeDetector::getDegreeInfo_Order ({}, 0).isEmpty());
}

} // namespace

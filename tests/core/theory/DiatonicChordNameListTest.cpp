#include "theory/ChordGenerator.h"
#include "theory/DiatonicChordNameList.h"

#include "TheoryTestHelpers.h"

#include <gtest/gtest.h>

#include <limits>

namespace
{

using nubo::test::u8List;

TEST (DiatonicChordNameList, ListsForSomeKeysAndRoots)
{
    struct Case
    {
        int key, root;
        juce::StringArray names;
    };
    const Case cases[] {
        { 0, 60, u8List ({ "Maj", "sus4", u8"△7", u8"△7sus4", "Add9", u8"△7Add9", "sus4Add9", u8"△7sus4Add9", "Add11", u8"△7Add11", u8"Add¯11", u8"△7Add¯11", "Add13", u8"△7Add13" }) }, // ¯11 is the third
        { 0, 62, u8List ({ "min", "sus4", "m7", "7sus4", "mAdd9", "m7Add9", "sus4Add9", "7sus4Add9", "mAdd11", "m7Add11", "mAdd13", "m7Add13" }) },
        { 7, 66, u8List ({ "dim", u8"m7¯5", u8"mAdd¯9¯5", u8"m7Add¯9¯5", u8"sus4Add¯9¯5", u8"sus47Add¯9¯5" }) },
        { 0, 66, { "---" } },
    };

    for (const auto& c : cases)
    {
        EXPECT_EQ (nubo::ChordGenerator::getDiatonicChordNameList (c.key, c.root), c.names) << c.key << "/" << c.root;
        // Asked again (now from the kept list) it is the same.
        EXPECT_EQ (nubo::ChordGenerator::getDiatonicChordNameList (c.key, c.root), c.names) << c.key << "/" << c.root;
    }
}

TEST (DiatonicChordNameList, OnlyPitchClassesCount)
{
    const auto dInC = nubo::ChordGenerator::getDiatonicChordNameList (0, 62);

    EXPECT_EQ (nubo::ChordGenerator::getDiatonicChordNameList (12, 2), dInC);
    EXPECT_EQ (nubo::ChordGenerator::getDiatonicChordNameList (-12, -10), dInC);
    EXPECT_EQ (nubo::ChordGenerator::getDiatonicChordNameList (std::numeric_limits<int>::min() + 8, 122), dInC); // -2147483640 is C

    // Negative roots are pitch classes, not one shared entry: B and B♭ differ.
    EXPECT_NE (nubo::ChordGenerator::getDiatonicChordNameList (0, -1), nubo::ChordGenerator::getDiatonicChordNameList (0, -2));
}

TEST (DiatonicChordNameList, AFreshListBuildsTheSameAsTheSharedOne)
{
    nubo::DiatonicChordNameList fresh;
    for (int key = 0; key < 12; ++key)
        for (int root = 0; root < 12; root += 5)
            EXPECT_EQ (fresh.get (key, root), nubo::ChordGenerator::getDiatonicChordNameList (key, root + 48));

    fresh.clear();
    EXPECT_EQ (fresh.get (0, 62)[0], "min");
}

} // namespace

#include "theory/PitchNameInfo.h"

#include "TheoryTestHelpers.h"

#include <gtest/gtest.h>

#include <limits>

namespace
{

using nubo::PitchNameInfo;
using nubo::test::u8List;

TEST (MajorScaleNames, SharpAndFlatTables)
{
    EXPECT_EQ (PitchNameInfo::getMajorScaleStringArry (0, false), juce::StringArray ({ "C", "D", "E", "F", "G", "A", "B" }));
    EXPECT_EQ (PitchNameInfo::getMajorScaleStringArry (6, false), u8List ({ u8"F＃", u8"G＃", u8"A＃", "B", u8"C＃", u8"D＃", "F" }));
    EXPECT_EQ (PitchNameInfo::getMajorScaleStringArry (6, true), u8List ({ u8"G♭", u8"A♭", u8"B♭", "B", u8"D♭", u8"E♭", "F" }));
    EXPECT_EQ (PitchNameInfo::getMajorScaleStringArry (5, true), u8List ({ "F", "G", "A", u8"B♭", "C", "D", "E" }));

    // Keys outside 0 … 11 are pitch classes too.
    EXPECT_EQ (PitchNameInfo::getMajorScaleStringArry (66, false), PitchNameInfo::getMajorScaleStringArry (6, false));
    EXPECT_EQ (PitchNameInfo::getMajorScaleStringArry (-6, false), PitchNameInfo::getMajorScaleStringArry (6, false));
    EXPECT_EQ (PitchNameInfo::getMajorScaleStringArry (std::numeric_limits<int>::max(), false).size(), 7);
}

TEST (DiatonicChord, ToneSetsAgainstTheMainKey)
{
    struct Case
    {
        int key;
        juce::Array<int> tones;
        bool diatonic;
        const char* what;
    };
    const Case cases[] {
        { 0, { 62, 65, 69 }, true, "D min in C" },
        { 0, { 62, 66, 69 }, false, "D Maj in C" },
        { 0, { 62, 65, 68 }, false, "D dim in C" },
        { 7, { 66, 69, 72 }, true, "F# dim in G" },
        { 7, { 66, 70, 73 }, false, "F# Maj in G" },
        { 0, { 59, 62, 65, 69 }, true, "B m7-5 in C" },
        { 0, { 48, 64, 79, 86 }, true, "C Add9 spread over octaves" },
        { 12, { 62, 65, 69 }, true, "key 12 is C" },
        { -12, { 62, 65, 69 }, true, "key -12 is C" },
        { 0, {}, false, "no tones" },
        { 0, { -10, 60 }, false, "a negative tone is in no scale" },
        { std::numeric_limits<int>::max(), { std::numeric_limits<int>::max() }, true, "extremes" },
    };

    for (const auto& c : cases)
        EXPECT_EQ (PitchNameInfo::isDiatonicChord (c.key, 60, "Maj", c.tones), c.diatonic) << c.what;
}

TEST (DiatonicChord, ResultFollowsTheTonesNotAnEarlierCall)
{
    // The same key, root and name with other tones (another inversion or re-voicing) is judged afresh.
    EXPECT_FALSE (PitchNameInfo::isDiatonicChord (0, 62, "Maj", { 62, 66, 69 }));
    EXPECT_TRUE (PitchNameInfo::isDiatonicChord (0, 62, "Maj", { 62 })); // "Bass" re-voicing: D only
    EXPECT_FALSE (PitchNameInfo::isDiatonicChord (0, 62, "Maj", { 62, 66, 69 }));

    // Key 1 with root 12 and key 11 with root 2 are different questions.
    EXPECT_FALSE (PitchNameInfo::isDiatonicChord (1, 12, "Maj", { 12, 16, 19 }));
    EXPECT_FALSE (PitchNameInfo::isDiatonicChord (11, 2, "Maj", { 12, 16, 19 }));
    EXPECT_TRUE (PitchNameInfo::isDiatonicChord (11, 2, "Maj", { 11, 15, 18 }));  // B Maj in B
    EXPECT_FALSE (PitchNameInfo::isDiatonicChord (1, 12, "Maj", { 11, 15, 18 })); // not in D♭
}

} // namespace

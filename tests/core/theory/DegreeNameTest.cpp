#include "theory/PitchNameInfo.h"

#include "TheoryTestHelpers.h"

#include <gtest/gtest.h>

#include <limits>

namespace
{

using nubo::PitchNameInfo;
using nubo::test::u8;

TEST (DegreeName, IntervalNamesInBothLanguages)
{
    const std::tuple<int, const char*, const char*> table[] {
        { 0, "P1", u8"完全1度" },
        { 1, "m2", u8"短2度" },
        { 2, "M2", u8"長2度" },
        { 3, "m3", u8"短3度" },
        { 4, "M3", u8"長3度" },
        { 5, "P4", u8"完全4度" },
        { 6, "tritone", u8"減5度トライトーン" },
        { 7, "P5", u8"完全5度" },
        { 8, "m6", u8"短6度" },
        { 9, "M6", u8"長6度" },
        { 10, "m7", u8"短7度" },
        { 11, "M7", u8"長7度" },
        { 12, "P8", u8"完全8度" },
        { 13, "m9", u8"短9度" },
        { 14, "M9", u8"長9度" },
        { 15, "m10", u8"短10度" },
        { 16, "M10", u8"長10度" },
        { 17, "P11", u8"完全11度" },
        { 18, "double Tritone", u8"減12度" },
        { 19, "P12", u8"完全12度" },
        { 20, "m13", u8"短13度" },
        { 21, "M13", u8"長13度" },
        { 22, "m14", u8"短14度" },
        { 23, "M14", u8"長14度" },
        { 24, "P15", u8"完全15度" },
        { 25, "---", u8"---度" },
        { -1, "---", u8"---度" },
        { std::numeric_limits<int>::min(), "---", u8"---度" },
        { std::numeric_limits<int>::max(), "---", u8"---度" },
    };

    for (const auto& [semitones, english, japanese] : table)
    {
        {
            nubo::test::ScopedLanguage language (1);
            EXPECT_EQ (PitchNameInfo::getDegreeName (semitones), english) << semitones;
        }
        {
            nubo::test::ScopedLanguage language (0);
            EXPECT_EQ (PitchNameInfo::getDegreeName (semitones), u8 (japanese)) << semitones;
        }
    }
}

TEST (DegreeName, HarmonicFunctionLabelsFollowTheLanguage)
{
    {
        nubo::test::ScopedLanguage language (1);
        EXPECT_EQ (PitchNameInfo::getTonicString(), "Tonic");
        EXPECT_EQ (PitchNameInfo::getSubDominantString(), "SubDominant");
        EXPECT_EQ (PitchNameInfo::getDominantString(), "Dominant");
        EXPECT_EQ (PitchNameInfo::getLeadingString(), "Leading tone");
    }
    nubo::test::ScopedLanguage language (0);
    EXPECT_EQ (PitchNameInfo::getTonicString(), u8 (u8"主音"));
    EXPECT_EQ (PitchNameInfo::getSubDominantString(), u8 (u8"下属音"));
    EXPECT_EQ (PitchNameInfo::getDominantString(), u8 (u8"属音"));
    EXPECT_EQ (PitchNameInfo::getLeadingString(), u8 (u8"導音"));
}

TEST (DegreeName, HarmonicFunctionOfAPitchInAKey)
{
    nubo::test::ScopedLanguage language (1);
    const std::tuple<int, int, const char*> cases[] {
        { 61, 2, "Leading tone" },
        { 67, 2, "SubDominant" },
        { 62, 2, "Tonic" },
        { 69, 2, "Dominant" },
        { 64, 2, "" },
        { 11, 0, "Leading tone" },
        { -1, 0, "Leading tone" },
        { 5, -12, "SubDominant" },
        { std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), "" },
    };

    for (const auto& [pitch, key, label] : cases)
        EXPECT_EQ (PitchNameInfo::getHarmonicFunctionString (pitch, key), label) << pitch << " in " << key;
}

} // namespace

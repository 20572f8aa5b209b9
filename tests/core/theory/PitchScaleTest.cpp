#include "theory/PitchScale.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAreArray;

namespace
{

std::vector<int> toVector (const juce::Array<int>& a)
{
    return { a.begin(), a.end() };
}

TEST (PitchScale, PredefinedScalesAndTheirRelativePitches)
{
    struct Case
    {
        const nubo::PitchScale& scale;
        const char* name;
        std::vector<int> relative;
    };
    const Case cases[] {
        { nubo::PitchScale_Info::Scale_7th_Major, "Major", { 0, 2, 4, 5, 7, 9, 11 } },
        { nubo::PitchScale_Info::Scale_7th_Dorian, "Dorian", { 0, 2, 3, 5, 7, 9, 10 } },
        { nubo::PitchScale_Info::Scale_7th_Phrygian, "Phrygian", { 0, 1, 3, 5, 7, 8, 10 } },
        { nubo::PitchScale_Info::Scale_7th_Lydian, "Lydian", { 0, 2, 4, 6, 7, 9, 11 } },
        { nubo::PitchScale_Info::Scale_7th_Mixolydian, "Mixolydian", { 0, 2, 4, 5, 7, 9, 10 } },
        { nubo::PitchScale_Info::Scale_7th_Minor, "Minor", { 0, 2, 3, 5, 7, 8, 10 } },
        { nubo::PitchScale_Info::Scale_7th_Locrian, "Locrian", { 0, 1, 3, 5, 6, 8, 10 } },
        { nubo::PitchScale_Info::Scale_7th_Harmonic_Minor, "Harmonic Minor", { 0, 2, 3, 5, 7, 8, 11 } },
        { nubo::PitchScale_Info::Scale_7th_Melodic_Minor, "Melodic Minor", { 0, 2, 3, 5, 7, 9, 11 } },
        { nubo::PitchScale_Info::Scale_5th_Major_Pentatonic, "Major Pentatonic", { 0, 2, 4, 7, 9 } },
        { nubo::PitchScale_Info::Scale_5th_Minor_Pentatonic, "Minor Pentatonic", { 0, 3, 5, 7, 10 } },
        { nubo::PitchScale_Info::Scale_12th_All_Chromatic, "Chromatic", { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 } },
    };

    const auto all = nubo::PitchScale_Info::getAllScales();
    ASSERT_EQ (all.size(), 12);

    for (size_t i = 0; i < std::size (cases); ++i)
    {
        const auto& c = cases[i];
        EXPECT_EQ (c.scale.getName(), c.name);
        EXPECT_EQ (c.scale.getDegreeMap().size(), 12) << c.name;
        EXPECT_THAT (toVector (c.scale.getRelativePitchArray()), ElementsAreArray (c.relative)) << c.name;
        EXPECT_TRUE (all[(int) i] == c.scale) << c.name;
    }

    EXPECT_TRUE (nubo::PitchScale() == nubo::PitchScale_Info::Scale_7th_Major);
    EXPECT_TRUE (nubo::PitchScale_Info::Scale_7th_Major.containsRelativePitch (-1));  // 11
    EXPECT_FALSE (nubo::PitchScale_Info::Scale_7th_Major.containsRelativePitch (13)); // 1
}

TEST (PitchScale, XmlFormAndRoundTrip)
{
    const auto xml = nubo::PitchScale_Info::Scale_7th_Major.toXmlElement();
    EXPECT_EQ (xml->toString (juce::XmlElement::TextFormat().singleLine().withoutHeader()),
               "<pitchScaleInfo name=\"Major\"><tones><T value=\"1\"/><T value=\"0\"/><T value=\"2\"/>"
               "<T value=\"0\"/><T value=\"3\"/><T value=\"4\"/><T value=\"0\"/><T value=\"5\"/>"
               "<T value=\"0\"/><T value=\"6\"/><T value=\"0\"/><T value=\"7\"/></tones></pitchScaleInfo>");

    for (const auto& scale : nubo::PitchScale_Info::getAllScales())
    {
        nubo::PitchScale read;
        read.fromXmlElement (*scale.toXmlElement());
        EXPECT_TRUE (read == scale) << scale.getName();
        EXPECT_EQ (read.getRelativePitchArray(), scale.getRelativePitchArray()) << scale.getName();
    }
}

TEST (PitchScale, ReadingPartialOrHostileElements)
{
    nubo::PitchScale scale (nubo::PitchScale_Info::Scale_7th_Dorian);

    // No name, "TONES" in other letters, three children of any tag, values read like atoi.
    scale.fromXmlElement (*juce::parseXML ("<x><TONES><T value='1'/><Q value=' 2xyz'/><T/></TONES></x>"));
    EXPECT_EQ (scale.getName(), "Major");
    EXPECT_THAT (toVector (scale.getDegreeMap()), ElementsAreArray ({ 1, 2, 0 }));
    EXPECT_THAT (toVector (scale.getRelativePitchArray()), ElementsAreArray ({ 0, 1 }));
    EXPECT_FALSE (scale.containsRelativePitch (5)); // entries 3 … 11 are missing: not in the scale

    // Without "tones" the map stays; only the name changes.
    scale.fromXmlElement (*juce::parseXML ("<pitchScaleInfo name='Mine'/>"));
    EXPECT_EQ (scale.getName(), "Mine");
    EXPECT_EQ (scale.getDegreeMap().size(), 3);

    // Huge numbers saturate; only the first twelve entries count as pitch classes.
    juce::String many = "<p name='Big'><tones>";
    for (int i = 0; i < 14; ++i)
        many << "<T value='" << (i == 0 ? "99999999999999999999" : (i < 12 ? "0" : "5")) << "'/>";
    many << "</tones></p>";
    scale.fromXmlElement (*juce::parseXML (many));
    EXPECT_EQ (scale.getDegreeMap()[0], std::numeric_limits<int>::max());
    EXPECT_EQ (scale.getDegreeMap().size(), 14);
    EXPECT_THAT (toVector (scale.getRelativePitchArray()), ElementsAreArray ({ 0 }));
}

} // namespace

#include "export/FileCreator_StudioOne.h"

#include "ScopedTempFolder.h"

#include <gtest/gtest.h>

namespace
{

TEST (FileCreator_StudioOne, FloatsInTwentySignificantDigits)
{
    const std::pair<float, const char*> cases[] {
        { 0.0f, "0" },
        { 4.0f, "4" },
        { 0.5f, "0.5" },
        { 0.79f, "0.79000002145767211914" },
        { 1.0f, "1" },
        { -2.5f, "-2.5" },
        { 1.0e30f, "1.0000000150474662199e+30" },
    };

    for (const auto& [value, text] : cases)
        EXPECT_EQ (nubo::FileCreator_StudioOne::formatFloat (value), juce::String (text)) << value;
}

TEST (FileCreator_StudioOne, ClipTextOfACMajorChord)
{
    nubo::FileCreator_StudioOne writer;
    for (auto pitch : { 60, 64, 67 })
        writer.addOneNote (pitch, 0.0f, 4.0f, 0.5f, 3);

    const juce::String expected =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
        "\r\n"
        "<MusicPerformance timeFormat=\"2\">\r\n"
        "  <NoteEvent pitch=\"60\" start=\"0\" length=\"4\" velocity=\"0.5\"/>\r\n"
        "  <NoteEvent pitch=\"64\" start=\"0\" length=\"4\" velocity=\"0.5\"/>\r\n"
        "  <NoteEvent pitch=\"67\" start=\"0\" length=\"4\" velocity=\"0.5\"/>\r\n"
        "</MusicPerformance>\r\n";
    EXPECT_EQ (writer.toString(), expected);

    nubo::test::ScopedTempFolder temp;
    const auto file = temp / "CMaj.music";
    ASSERT_TRUE (writer.saveToFile (file));
    EXPECT_EQ (file.loadFileAsString(), expected);
}

TEST (FileCreator_StudioOne, PitchesAsGivenAndClearStartsAnEmptyClip)
{
    nubo::FileCreator_StudioOne writer;
    writer.addOneNote (-10, 1.5f, 0.25f, 0.79f, 1);

    EXPECT_TRUE (writer.toString().contains (
        "<NoteEvent pitch=\"-10\" start=\"1.5\" length=\"0.25\" velocity=\"0.79000002145767211914\"/>"));

    writer.clear();
    EXPECT_TRUE (writer.toString().endsWith ("\r\n<MusicPerformance timeFormat=\"2\"/>\r\n"));
}

TEST (FileCreator_StudioOne, UnwritableTargetsFail)
{
    nubo::test::ScopedTempFolder temp;
    nubo::FileCreator_StudioOne writer;
    writer.addOneNote (60, 0.0f, 1.0f, 1.0f, 1);

    const auto aFile = temp / "plain.txt";
    ASSERT_TRUE (aFile.replaceWithText ("x"));
    EXPECT_FALSE (writer.saveToFile (aFile.getChildFile ("below.music")));
    EXPECT_FALSE (writer.saveToFile (temp.folder));
}

} // namespace

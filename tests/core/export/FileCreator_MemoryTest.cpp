#include "export/FileCreator_Memory.h"

#include "ScopedTempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>

using ::testing::ElementsAre;

namespace
{

std::vector<int> toVector (const juce::Array<int>& a)
{
    return { a.begin(), a.end() };
}

TEST (FileCreator_Memory, PitchesInInsertionOrderOrSortedAndLimited)
{
    nubo::FileCreator_Memory sink;
    for (auto pitch : { 67, 60, 64, 130, -3 })
        sink.addOneNote (pitch, 0.0f, 4.0f, 0.79f, 1);

    EXPECT_THAT (toVector (sink.getNotesAsPitchNumber (false)), ElementsAre (67, 60, 64, 127, 0));
    EXPECT_THAT (toVector (sink.getNotesAsPitchNumber (true)), ElementsAre (0, 60, 64, 67, 127));

    // The records keep the pitch as given; only the reading limits it.
    EXPECT_EQ (sink.getNotes()[3].pitch, 130);

    sink.clear();
    EXPECT_TRUE (sink.getNotesAsPitchNumber (true).isEmpty());
    EXPECT_TRUE (sink.toString().isEmpty());
}

TEST (FileCreator_Memory, TextBlocksTruncateEveryValue)
{
    nubo::FileCreator_Memory sink;
    sink.addOneNote (60, 1.9f, 4.5f, 0.79f, 1);
    sink.addOneNote (-10, -2.7f, 0.5f, 1.0f, 16);

    EXPECT_EQ (sink.toString(),
               "--note-- : channel  : 1\npitch    : 60\nvelocity : 0\nstartPos : 1\nduration : 4\n"
               "--note-- : channel  : 16\npitch    : -10\nvelocity : 1\nstartPos : -2\nduration : 0\n");
}

TEST (FileCreator_Memory, ExtremeStartsSaturateInsteadOfOverflowing)
{
    nubo::FileCreator_Memory sink;
    sink.addOneNote (60, 1.0e30f, 1.0e30f, 1.0e30f, 1);
    sink.addOneNote (60, -1.0e30f, std::numeric_limits<float>::quiet_NaN(), 0.0f, 1);

    EXPECT_EQ (sink.getNotes()[0].start, std::numeric_limits<int>::max());
    EXPECT_EQ (sink.getNotes()[1].start, std::numeric_limits<int>::min());
    EXPECT_TRUE (sink.toString().contains ("duration : 2147483647\n"));
    EXPECT_TRUE (sink.toString().contains ("duration : 0\n"));
}

TEST (FileCreator_Memory, SaveReplacesOldContentAndReportsFailures)
{
    nubo::test::ScopedTempFolder temp;
    nubo::FileCreator_Memory sink;
    sink.addOneNote (60, 0.0f, 4.0f, 1.0f, 1);

    const auto target = temp / "notes.txt";
    ASSERT_TRUE (target.replaceWithText (juce::String::repeatedString ("old content ", 100)));

    EXPECT_TRUE (sink.saveToFile (target));
    EXPECT_EQ (target.loadFileAsString(), sink.toString());
    EXPECT_EQ (nubo::test::readBytes (target)[0], '-'); // no byte-order mark

    EXPECT_FALSE (sink.saveToFile (temp.folder));                              // a directory
    EXPECT_FALSE (sink.saveToFile (target.getChildFile ("below-a-file.txt"))); // cannot be opened
}

} // namespace

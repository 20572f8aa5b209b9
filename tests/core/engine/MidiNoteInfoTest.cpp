#include "engine/MidiNoteInfo.h"

#include <gtest/gtest.h>

namespace
{

TEST (MidiNoteInfo, SettersClampToTheirRanges)
{
    nubo::MidiNoteInfo note;

    note.setPitchNumber (0);
    EXPECT_EQ (note.getPitchNumber(), 1);
    note.setPitchNumber (200);
    EXPECT_EQ (note.getPitchNumber(), 127);
    note.setChannel (0);
    EXPECT_EQ (note.getChannel(), 1);
    note.setChannel (20);
    EXPECT_EQ (note.getChannel(), 16);
    note.setVelocity (1.5f);
    EXPECT_FLOAT_EQ (note.getVelocity(), 1.0f);
    note.setVelocity (-0.5f);
    EXPECT_FLOAT_EQ (note.getVelocity(), 0.0f);
}

TEST (MidiNoteInfo, VelocityIntTruncatesTowardZero)
{
    nubo::MidiNoteInfo note (60, 0.79f, 1);
    EXPECT_EQ (note.getVelocityInt(), 100); // 0.79 × 127 = 100.33
    note.setVelocity (1.0f);
    EXPECT_EQ (note.getVelocityInt(), 127);
}

TEST (MidiNoteInfo, VelocityBytesRoundOrTruncateAndLimit)
{
    EXPECT_EQ (nubo::roundedVelocityByte (0.5f), 64);  // 63.5 rounds up
    EXPECT_EQ (nubo::truncatedVelocityByte (0.5), 63); // 63.5 truncates
    EXPECT_EQ (nubo::truncatedVelocityByte (0.79 * 2), 127);
    EXPECT_EQ (nubo::roundedVelocityByte (-3.0f), 0);
    EXPECT_EQ (nubo::truncatedVelocityByte (1e300), 127);
}

} // namespace

#include "export/FileCreator_Midi.h"

#include "ScopedTempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <thread>

using ::testing::ElementsAreArray;

namespace
{

struct ReadBackNote
{
    bool isOn;
    int tick, channel, note, velocity;
    bool operator== (const ReadBackNote& o) const
    {
        return isOn == o.isOn && tick == o.tick && channel == o.channel && note == o.note && velocity == o.velocity;
    }
};

std::ostream& operator<< (std::ostream& os, const ReadBackNote& n)
{
    return os << (n.isOn ? "on" : "off") << "@" << n.tick << " ch" << n.channel << " n" << n.note << " v" << n.velocity;
}

/** The note events of the single track of a written file. */
std::vector<ReadBackNote> readNotes (const juce::File& file)
{
    juce::FileInputStream in (file);
    juce::MidiFile midi;
    EXPECT_TRUE (midi.readFrom (in, false));
    EXPECT_EQ (midi.getNumTracks(), 1);

    std::vector<ReadBackNote> notes;
    if (midi.getNumTracks() == 0)
        return notes;

    for (auto* holder : *midi.getTrack (0))
    {
        const auto& m = holder->message;
        if (m.isNoteOn (true) || m.isNoteOff (true))
            notes.push_back ({ m.getRawData()[0] < 0x90 ? false : true, juce::roundToInt (m.getTimeStamp()),
                               m.getChannel(), m.getNoteNumber(), m.getRawData()[2] });
    }
    return notes;
}

TEST (FileCreator_Midi, CMajorChordIsWrittenByteExact)
{
    nubo::test::ScopedTempFolder temp;
    nubo::FileCreator_Midi writer;
    writer.clear();
    for (auto pitch : { 60, 64, 67 })
        writer.addOneNote (pitch, 0.0f, 4.0f, 0.79f, 1);

    const auto file = temp / "CMaj.mid";
    ASSERT_TRUE (writer.saveToFile (file));

    const std::vector<int> expected {
        0x4D, 0x54, 0x68, 0x64, 0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00, 0x01, 0x01, 0xE0,
        0x4D, 0x54, 0x72, 0x6B, 0x00, 0x00, 0x00, 0x21,
        0x00, 0x90, 0x3C, 0x64, 0x00, 0x40, 0x64, 0x00, 0x43, 0x64,
        0x00, 0xFF, 0x03, 0x04, 0x43, 0x4D, 0x61, 0x6A,
        0x8F, 0x00, 0x80, 0x3C, 0x00, 0x00, 0x40, 0x00, 0x00, 0x43, 0x00,
        0x00, 0xFF, 0x2F, 0x00
    };
    EXPECT_THAT (nubo::test::bytesOf (nubo::test::readBytes (file)), ElementsAreArray (expected));

    // Saving again (the notes are kept) gives the same file, not a second end-of-track.
    ASSERT_TRUE (writer.saveToFile (file));
    EXPECT_THAT (nubo::test::bytesOf (nubo::test::readBytes (file)), ElementsAreArray (expected));
}

TEST (FileCreator_Midi, NoteValuesAreLimited)
{
    struct Case
    {
        int pitch;
        float velocity;
        int channel;
        ReadBackNote on;
    };
    const Case cases[] {
        { 130, 0.79f, 1, { true, 0, 1, 127, 100 } },
        { -3, 1.0f, 1, { true, 0, 1, 0, 127 } },
        { 60, 0.5f, 0, { true, 0, 1, 60, 63 } }, // 63.5 truncated
        { 60, 0.0f, 20, { true, 0, 16, 60, 0 } },
        { 60, 1.5f, 5, { true, 0, 5, 60, 127 } }, // a product outside 0 … 127 gives 127
        { 60, -0.1f, 5, { true, 0, 5, 60, 127 } },
    };

    nubo::test::ScopedTempFolder temp;
    for (const auto& c : cases)
    {
        nubo::FileCreator_Midi writer;
        writer.addOneNote (c.pitch, 0.0f, 1.0f, c.velocity, c.channel);
        const auto file = temp / "limits.mid";
        ASSERT_TRUE (writer.saveToFile (file));

        const auto notes = readNotes (file);
        ASSERT_EQ (notes.size(), 2u);
        EXPECT_EQ (notes[0], c.on) << "pitch " << c.pitch << " velocity " << c.velocity << " channel " << c.channel;
        EXPECT_EQ (notes[1], (ReadBackNote { false, 480, c.on.channel, c.on.note, 0 }));
    }
}

TEST (FileCreator_Midi, VelocitiesAndStartsChosenAsFractionsComeBackWhole)
{
    // The velocity control sets n / 127: every n must come back as byte n, and a start of 0.7
    // quarter notes lies at tick 336 (0.7f is a little below 0.7).
    nubo::test::ScopedTempFolder temp;
    nubo::FileCreator_Midi writer;
    for (int n = 0; n <= 127; ++n)
        writer.addOneNote (n, 0.7f, 1.0f, static_cast<float> (n) / 127.0f, 1);

    const auto file = temp / "velocities.mid";
    ASSERT_TRUE (writer.saveToFile (file));

    int numOn = 0;
    for (const auto& n : readNotes (file))
    {
        if (! n.isOn)
            continue;

        ++numOn;
        EXPECT_EQ (n.velocity, n.note);
        EXPECT_EQ (n.tick, 336) << "note " << n.note;
    }
    EXPECT_EQ (numOn, 128);
}

TEST (FileCreator_Midi, EndOfTrackIsLastEvenWhenEverythingIsAtTickZero)
{
    nubo::test::ScopedTempFolder temp;
    const auto file = temp / "z.mid";
    const auto trackBytes = [&file] {
        const auto bytes = nubo::test::bytesOf (nubo::test::readBytes (file));
        return bytes.size() > 22 ? std::vector<int> (bytes.begin() + 22, bytes.end()) : std::vector<int>();
    };

    nubo::FileCreator_Midi writer;
    ASSERT_TRUE (writer.saveToFile (file));
    EXPECT_THAT (trackBytes(), ElementsAreArray (std::vector<int> { 0x00, 0xFF, 0x03, 0x01, 'z', 0x00, 0xFF, 0x2F, 0x00 }));

    writer.addOneNote (60, 0.0f, 0.0f, 1.0f, 1);
    ASSERT_TRUE (writer.saveToFile (file));
    EXPECT_THAT (trackBytes(), ElementsAreArray (std::vector<int> { 0x00, 0x90, 0x3C, 0x7F, 0x00, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x03, 0x01, 'z', 0x00, 0xFF, 0x2F, 0x00 }));
}

TEST (FileCreator_Midi, EventOrderAndTicks)
{
    nubo::test::ScopedTempFolder temp;
    nubo::FileCreator_Midi writer;
    writer.addOneNote (62, 1.0f, 0.5f, 1.0f, 1);   // ticks 480 … 720
    writer.addOneNote (60, 0.0f, 0.0f, 1.0f, 1);   // zero length: on then off at tick 0
    writer.addOneNote (64, 1.25f, 0.25f, 1.0f, 2); // 600 … 720, after the first note's off
    const auto file = temp / "order.mid";
    ASSERT_TRUE (writer.saveToFile (file));

    // The track bytes (after the 22 bytes of the two chunk headers). A reader would put the
    // zero-length note-off first, so the order is checked in the file itself.
    const std::vector<int> expected {
        0x00,
        0x90,
        0x3C,
        0x7F,
        0x00,
        0x80,
        0x3C,
        0x00, // on and off 60 at tick 0
        0x00,
        0xFF,
        0x03,
        0x05,
        'o',
        'r',
        'd',
        'e',
        'r', // track name after them
        0x83,
        0x60,
        0x90,
        0x3E,
        0x7F, // on 62 at 480
        0x78,
        0x91,
        0x40,
        0x7F, // on 64 at 600, channel 2
        0x78,
        0x80,
        0x3E,
        0x00,
        0x00,
        0x81,
        0x40,
        0x00, // offs at 720, in the order added
        0x00,
        0xFF,
        0x2F,
        0x00,
    };
    const auto bytes = nubo::test::bytesOf (nubo::test::readBytes (file));
    ASSERT_GT (bytes.size(), 22u);
    EXPECT_THAT (std::vector<int> (bytes.begin() + 22, bytes.end()), ElementsAreArray (expected));

    // clear() starts the next file from nothing.
    writer.clear();
    writer.addOneNote (48, 0.0f, 1.0f, 1.0f, 1);
    ASSERT_TRUE (writer.saveToFile (file));
    EXPECT_EQ (readNotes (file).size(), 2u);
}

TEST (FileCreator_Midi, ExtremeTimesStayInsideAValidFile)
{
    nubo::test::ScopedTempFolder temp;
    nubo::FileCreator_Midi writer;
    writer.addOneNote (60, 1.0e30f, 1.0e30f, 1.0f, 1);
    writer.addOneNote (61, -1.0e30f, -5.0f, 1.0f, 1);
    writer.addOneNote (62, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(), 1.0f, 1);
    const auto file = temp / "extreme.mid";
    ASSERT_TRUE (writer.saveToFile (file));

    const auto notes = readNotes (file);
    ASSERT_EQ (notes.size(), 6u);
    for (const auto& n : notes)
    {
        EXPECT_GE (n.tick, 0);
        EXPECT_LE (n.tick, 0x0fffffff);
    }
}

TEST (FileCreator_Midi, UnwritableTargetsFail)
{
    nubo::test::ScopedTempFolder temp;
    nubo::FileCreator_Midi writer;
    writer.addOneNote (60, 0.0f, 1.0f, 1.0f, 1);

    EXPECT_FALSE (writer.saveToFile (temp.folder));
    const auto aFile = temp / "plain.txt";
    ASSERT_TRUE (aFile.replaceWithText ("x"));
    EXPECT_FALSE (writer.saveToFile (aFile.getChildFile ("below.mid")));

    EXPECT_EQ (writer.toString(), "nothing to do...(not implements)");
}

TEST (FileCreator_Midi, NotesFromSeveralThreadsAreAllKept)
{
    nubo::test::ScopedTempFolder temp;
    nubo::FileCreator_Midi writer;
    constexpr int perThread = 500;

    auto add = [&writer] (int pitch) {
        for (int i = 0; i < perThread; ++i)
            writer.addOneNote (pitch, static_cast<float> (i % 8), 1.0f, 1.0f, 1);
    };
    std::thread a (add, 60), b (add, 72);
    for (int i = 0; i < 20; ++i)
        writer.saveToFile (temp / "busy.mid");
    a.join();
    b.join();

    const auto file = temp / "all.mid";
    ASSERT_TRUE (writer.saveToFile (file));
    EXPECT_EQ (readNotes (file).size(), static_cast<size_t> (4 * perThread));
}

} // namespace

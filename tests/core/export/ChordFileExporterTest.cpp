#include "export/ChordFileExporter.h"
#include "export/FileCreator_Memory.h"
#include "export/FileCreator_Midi.h"
#include "export/FileCreator_StudioOne.h"

#include "ScopedTempFolder.h"

#include <gtest/gtest.h>

namespace
{

using nubo::ChordFileExporter;

juce::String utf8 (const char* text)
{
    return juce::String (juce::CharPointer_UTF8 (text));
}

void writeCMajor (nubo::FileCreator_Base& sink)
{
    for (auto pitch : { 60, 64, 67 })
        sink.addOneNote (pitch, 0.0f, 4.0f, 0.79f, 1);
}

/** A sink that leaves a partial file behind and reports failure. */
struct FailingWriter final : nubo::FileCreator_Base
{
    void clear() override {}
    void addOneNote (int, float, float, float, int) override {}
    bool saveToFile (juce::File file) override
    {
        file.replaceWithText ("partial");
        return false;
    }
    juce::String toString() const override { return {}; }
};

TEST (ChordFileExporter, LegalFileNames)
{
    const std::pair<juce::String, juce::String> cases[] {
        { utf8 (u8"C＃min"), "C#min" },
        { utf8 (u8"B♭Maj"), "BbMaj" },
        { utf8 (u8"D♭m△7Add¯9(A♭)[Bass,Top]"), utf8 (u8"Dbm△7Add¯9(Ab)[Bass,Top]") },
        { "CMaj(E)[Bass]", "CMaj(E)[Bass]" },
        { "../../etc/passwd", "____etc_passwd" },
        { "CMaj[a\\b:c*d?e\"f<g>h|i]", "CMaj[a_b_c_d_e_f_g_h_i]" },
        { "C\nMaj\t[\x01x]\x7f", "CMaj[x]" },
        { "..", "_" },
        { ". hidden .", "hidden" },
        { "", "chord" },
        { " .\n. ", "_" },
        { "CON", "_CON" },
        { "C.Maj", "C.Maj" },
        { "~victim", "_victim" }, // a leading "~" would be read as a home folder
        { ". ~x", "_x" },
        { "C~Maj", "C~Maj" },
    };

    for (const auto& [chordName, fileName] : cases)
        EXPECT_EQ (ChordFileExporter::makeLegalFileName (chordName), fileName) << chordName;
}

TEST (ChordFileExporter, LongNamesAreCutOnACharacterBoundary)
{
    const auto name = ChordFileExporter::makeLegalFileName ("CMaj[" + juce::String::repeatedString (utf8 (u8"＃"), 500) + "]");

    EXPECT_LE (name.getNumBytesAsUTF8(), 200u);
    EXPECT_TRUE (name.startsWith ("CMaj[###"));

    const auto wide = ChordFileExporter::makeLegalFileName (juce::String::repeatedString (utf8 (u8"△"), 100));
    EXPECT_EQ (wide, juce::String::repeatedString (utf8 (u8"△"), 66)); // 3 bytes each
}

TEST (ChordFileExporter, Extensions)
{
    EXPECT_EQ (ChordFileExporter::getFileExtension (1), ".mid");
    EXPECT_EQ (ChordFileExporter::getFileExtension (2), ".music");
    EXPECT_EQ (ChordFileExporter::getFileExtension (0), ".music");
}

TEST (ChordFileExporter, DefaultFolderIsNuboAndTheExecutableName)
{
    const auto folder = ChordFileExporter::getDefaultExportFolder();
    const auto exe = juce::File::getSpecialLocation (juce::File::currentExecutableFile);

    EXPECT_EQ (folder.getFileName(), exe.getFileNameWithoutExtension());
    EXPECT_EQ (folder.getParentDirectory().getFileName(), "nubo");
    EXPECT_EQ (folder.getParentDirectory().getParentDirectory(),
               juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory));
}

class ChordFileExporterWrites : public ::testing::Test
{
protected:
    nubo::test::ScopedTempFolder temp;
    juce::File exportFolder = (temp / "nubo").getChildFile ("plugin");
};

TEST_F (ChordFileExporterWrites, MidiFileNamedAfterTheChord)
{
    nubo::FileCreator_Midi writer;
    writer.addOneNote (30, 0.0f, 1.0f, 1.0f, 1); // left over from an earlier export: cleared first

    const auto file = ChordFileExporter::exportChord (utf8 (u8"C＃min"), 1, &writer, writeCMajor, exportFolder);

    ASSERT_TRUE (file.existsAsFile());
    EXPECT_EQ (file, exportFolder.getChildFile ("C#min.mid"));

    juce::FileInputStream in (file);
    juce::MidiFile midi;
    ASSERT_TRUE (midi.readFrom (in));
    EXPECT_EQ (midi.getTrack (0)->getNumEvents(), 8); // 3 on, 3 off, name, end of track
}

TEST_F (ChordFileExporterWrites, StudioOneClipAndReplacedOldExport)
{
    ASSERT_TRUE (exportFolder.createDirectory().wasOk());
    const auto old = exportFolder.getChildFile ("BbMaj.music");
    ASSERT_TRUE (old.replaceWithText ("stale"));

    nubo::FileCreator_StudioOne writer;
    const auto file = ChordFileExporter::exportChord (utf8 (u8"B♭Maj"), 2, &writer, writeCMajor, exportFolder);

    EXPECT_EQ (file, old);
    EXPECT_EQ (file.loadFileAsString(), writer.toString());
    EXPECT_EQ (exportFolder.getNumberOfChildFiles (juce::File::findFilesAndDirectories), 1);
}

TEST_F (ChordFileExporterWrites, UnremovableOldExportGoesToAFreshSibling)
{
    // A folder in the way cannot be removed as a file: the chord is written beside it.
    const auto blocked = exportFolder.getChildFile ("CMaj.mid");
    ASSERT_TRUE (blocked.createDirectory().wasOk());
    ASSERT_TRUE (blocked.getChildFile ("keep.txt").replaceWithText ("keep"));

    nubo::FileCreator_Midi writer;
    const auto first = ChordFileExporter::exportChord ("CMaj", 1, &writer, writeCMajor, exportFolder);
    EXPECT_EQ (first, exportFolder.getChildFile ("CMaj (2).mid"));
    EXPECT_TRUE (first.existsAsFile());
    EXPECT_TRUE (blocked.getChildFile ("keep.txt").existsAsFile());

    // The next export of the same chord replaces that sibling instead of piling up new ones.
    const auto second = ChordFileExporter::exportChord ("CMaj", 1, &writer, writeCMajor, exportFolder);
    EXPECT_EQ (second, first);
    EXPECT_EQ (exportFolder.getNumberOfChildFiles (juce::File::findFilesAndDirectories), 2);
}

TEST_F (ChordFileExporterWrites, FailuresGiveNoFile)
{
    FailingWriter failing;
    EXPECT_EQ (ChordFileExporter::exportChord ("CMaj", 1, &failing, writeCMajor, exportFolder), juce::File());
    EXPECT_FALSE (exportFolder.getChildFile ("CMaj.mid").exists()); // the partial file is removed

    nubo::FileCreator_Midi writer;
    EXPECT_EQ (ChordFileExporter::exportChord ("CMaj", 1, nullptr, writeCMajor, exportFolder), juce::File());
    EXPECT_EQ (ChordFileExporter::exportChord ("CMaj", 1, &writer, nullptr, exportFolder), juce::File());
    EXPECT_EQ (ChordFileExporter::exportChord ("CMaj", 1, &writer, writeCMajor, juce::File()), juce::File());

    // The folder cannot be created below a plain file.
    const auto plain = temp / "plain.txt";
    ASSERT_TRUE (plain.replaceWithText ("x"));
    EXPECT_EQ (ChordFileExporter::exportChord ("CMaj", 1, &writer, writeCMajor, plain.getChildFile ("nubo")), juce::File());
}

TEST_F (ChordFileExporterWrites, HostileNamesStayInsideTheFolder)
{
    // Bait beside and above the export folder that a climbing name would overwrite or delete.
    const auto sibling = (temp / "nubo").getChildFile ("victim.mid");
    const auto above = temp / "victim.mid";
    ASSERT_TRUE (exportFolder.createDirectory().wasOk());
    ASSERT_TRUE (sibling.replaceWithText ("precious"));
    ASSERT_TRUE (above.replaceWithText ("precious"));

    const juce::String hostile[] {
        "../victim",
        "../../victim",
        "CMaj[../../victim]",
        "CMaj[..\\..\\victim]",
        "/tmp/victim",
        "CMaj[\n../victim]",
        "..",
        ".",
        "CMaj[" + juce::String::repeatedString ("../", 200) + "victim]",
        "~/victim",
        "~victim",
        "~",
    };

    nubo::FileCreator_Midi writer;
    for (const auto& name : hostile)
    {
        const auto file = ChordFileExporter::exportChord (name, 1, &writer, writeCMajor, exportFolder);
        ASSERT_TRUE (file.existsAsFile()) << name;
        EXPECT_EQ (file.getParentDirectory(), exportFolder) << name;
        EXPECT_FALSE (file.getFileName().contains ("..")) << name;
    }

    EXPECT_EQ (sibling.loadFileAsString(), "precious");
    EXPECT_EQ (above.loadFileAsString(), "precious");
    EXPECT_EQ ((temp / "nubo").getNumberOfChildFiles (juce::File::findFilesAndDirectories), 2); // plugin/, victim.mid
    EXPECT_EQ (temp.folder.getNumberOfChildFiles (juce::File::findFilesAndDirectories), 2);     // nubo/, victim.mid
}

TEST_F (ChordFileExporterWrites, MemorySinkExportsItsText)
{
    nubo::FileCreator_Memory sink;
    const auto file = ChordFileExporter::exportChord ("CMaj", 1, &sink, writeCMajor, exportFolder);

    ASSERT_TRUE (file.existsAsFile());
    EXPECT_EQ (file.loadFileAsString(), sink.toString());
    EXPECT_EQ (sink.getNotes().size(), 3);
}

} // namespace

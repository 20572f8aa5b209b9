#include "export/FileCreator_Base.h"
#include "theory/ChordGenerator.h"
#include "theory/ChordGenerator_Base.h"
#include "theory/ChordToneTable.h"
#include "theory/NotesOrderReplace.h"
#include "theory/pitchChord_InversionTypeSelector.h"

#include "TheoryTestHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

using nubo::ChordGenerator;
using nubo::ChordToneTable;
using nubo::test::u8;

namespace
{

/** Records every note exactly as delivered. */
class RecordingSink final : public nubo::FileCreator_Base
{
public:
    struct Note
    {
        int pitch;
        float start, length, velocity;
        int channel;
    };

    void clear() override { notes.clear(); }
    void addOneNote (int pitch, float start, float length, float velocity, int channel) override
    {
        notes.push_back ({ pitch, start, length, velocity, channel });
    }
    bool saveToFile (juce::File) override { return false; }
    juce::String toString() const override { return {}; }

    std::vector<int> pitches() const
    {
        std::vector<int> result;
        for (const auto& n : notes)
            result.push_back (n.pitch);
        return result;
    }

    std::vector<Note> notes;
};

std::vector<int> toVector (const juce::Array<int>& a)
{
    return std::vector<int> (a.begin(), a.end());
}

std::vector<int> sorted (std::vector<int> v)
{
    std::sort (v.begin(), v.end());
    return v;
}

std::vector<int> plus (int root, const std::vector<int>& offsets)
{
    std::vector<int> v;
    for (auto o : offsets)
        v.push_back (root + o);
    return v;
}

const char* const typeNames[] = { "Normal", "Inversion 1", "Inversion 2", "Inversion 3" };

/** Generates one chord with a fresh selector and reports delivered tones, stored tones and result. */
struct Generated
{
    std::vector<int> delivered, stored;
    int result;
};

Generated generate (int type, const juce::String& chord, int root, nubo::NotesOrderReplace_Base* reorder = nullptr)
{
    nubo::pitchChord_InversionTypeSelector selector;
    auto* generator = selector.getChordGeneratorFromTypeString (typeNames[type]);
    RecordingSink sink;
    const auto result = ChordGenerator::checkAndExecute (generator, &sink, reorder, chord, root, 0.0f, 4.0f, 0.79f, 1);
    return { sink.pitches(), toVector (generator->getChordTone()), result };
}

TEST (ChordGenerator, TriadsInAllFourInversionTypes)
{
    // Offsets from the root in delivery order, per type, for Maj, min, aug, dim, sus4.
    const std::vector<int> expected[4][5] = {
        { { 0, 4, 7 }, { 0, 3, 7 }, { 0, 4, 8 }, { 0, 3, 6 }, { 0, 5, 7 } },
        { { 0, -8, -5 }, { 0, -9, -5 }, { 0, -8, -4 }, { 0, -9, -6 }, { 0, -7, -5 } },
        { { 0, 4, -5 }, { 0, 3, -5 }, { 0, 4, -4 }, { 0, 3, -6 }, { 0, 5, -5 } },
        { { 0, 4, 7, -12 }, { 0, 3, 7, -12 }, { 0, 4, 8, -12 }, { 0, 3, 6, -12 }, { 0, 5, 7, -12 } },
    };
    const char* const triads[] = { "Maj", "min", "aug", "dim", "sus4" };

    for (int type = 0; type < 4; ++type)
        for (int t = 0; t < 5; ++t)
            for (int root : { 60, 57, 0 })
            {
                const auto g = generate (type, triads[t], root);
                const auto want = plus (root, expected[type][t]);
                SCOPED_TRACE (testing::Message() << typeNames[type] << " " << triads[t] << " root " << root);
                EXPECT_EQ (g.delivered, want);
                EXPECT_EQ (g.stored, sorted (want));
                EXPECT_EQ (g.result, *std::min_element (want.begin(), want.end()));
            }
}

TEST (ChordGenerator, GeneralRuleReproducesTheTriadTable)
{
    nubo::pitchChord_InversionTypeSelector selector;

    for (auto* typeName : typeNames)
        for (int t = 0; t < 5; ++t)
        {
            auto* generator = selector.getChordGeneratorFromTypeString (typeName);
            const auto& entry = ChordToneTable::getEntry (t);
            RecordingSink byTable, byRule;

            ChordGenerator::checkAndExecute (generator, &byTable, nullptr, u8 (entry.name), 62, 0.0f, 1.0f, 1.0f, 1);
            const auto bassByRule = generator->addChordTones (entry, &byRule, nullptr, 62, 0.0f, 1.0f, 1.0f, 1);

            const auto tablePitches = byTable.pitches();
            EXPECT_EQ (byRule.pitches(), tablePitches) << typeName << " " << entry.name;
            ASSERT_FALSE (tablePitches.empty());
            EXPECT_EQ (bassByRule, *std::min_element (tablePitches.begin(), tablePitches.end()));
        }
}

TEST (ChordGenerator, LargerChordsInAllFourInversionTypes)
{
    struct Case
    {
        const char* chord;
        std::vector<int> offsets[4];
    };
    const Case cases[] = {
        // a seventh: type 4 puts the seventh in the bass
        { u8"△7", { { 0, 4, 7, 11 }, { 0, -8, -5, -1 }, { 0, 4, -5, 11 }, { 0, 4, 7, -1 } } },
        { u8"m7¯5", { { 0, 3, 6, 10 }, { 0, -9, -6, -2 }, { 0, 3, -6, 10 }, { 0, 3, 6, -2 } } },
        // a ninth with a seventh
        { u8"7Add¯9", { { 0, 4, 7, 10, 13 }, { 0, -8, -5, -2, 1 }, { 0, 4, -5, 10, 13 }, { 0, 4, 7, -2, 13 } } },
        { u8"sus47Add¯9¯5", { { 0, 5, 6, 10, 13 }, { 0, -7, -6, -2, 1 }, { 0, 5, -6, 10, 13 }, { 0, 5, 6, -2, 13 } } },
        // no seventh: type 4 adds the root an octave below, as for the triads
        { "Add9", { { 0, 4, 7, 14 }, { 0, -8, -5, 2 }, { 0, 4, -5, 14 }, { 0, 4, 7, 14, -12 } } },
        { u8"mAdd¯13", { { 0, 3, 7, 20 }, { 0, -9, -5, 8 }, { 0, 3, -5, 20 }, { 0, 3, 7, 20, -12 } } },
    };

    for (const auto& c : cases)
        for (int type = 0; type < 4; ++type)
        {
            const auto g = generate (type, u8 (c.chord), 60);
            const auto want = plus (60, c.offsets[type]);
            SCOPED_TRACE (testing::Message() << typeNames[type] << " " << c.chord);
            EXPECT_EQ (g.delivered, want);
            EXPECT_EQ (g.stored, sorted (want));
            EXPECT_EQ (g.result, *std::min_element (want.begin(), want.end()));
        }
}

TEST (ChordGenerator, EveryDictionaryNameGeneratesItsTableTones)
{
    for (int i = 0; i < ChordToneTable::numEntries; ++i)
    {
        const auto& entry = ChordToneTable::getEntry (i);
        const auto g = generate (0, u8 (entry.name), 48);
        EXPECT_EQ (g.delivered, plus (48, std::vector<int> (entry.semitones, entry.semitones + entry.numTones))) << entry.name;
        EXPECT_EQ (g.result, 48) << entry.name;
    }
}

TEST (ChordGenerator, PassesNoteArgumentsToTheSink)
{
    nubo::ChordGeneratorType_1 generator;
    RecordingSink sink;

    EXPECT_EQ (ChordGenerator::checkAndExecute (&generator, &sink, nullptr, "Maj", 60, 2.0f, 0.5f, 0.79f, 16), 60);
    ASSERT_EQ (sink.notes.size(), 3u);

    for (const auto& note : sink.notes)
    {
        EXPECT_EQ (note.start, 2.0f);
        EXPECT_EQ (note.length, 0.5f);
        EXPECT_EQ (note.velocity, 0.79f);
        EXPECT_EQ (note.channel, 16);
    }
}

TEST (ChordGenerator, UnknownNamesAndMissingPartsAreSafe)
{
    nubo::ChordGeneratorType_1 generator;
    RecordingSink sink;

    ChordGenerator::checkAndExecute (&generator, nullptr, nullptr, "min", 57, 0.0f, 1.0f, 1.0f, 1); // no sink
    ASSERT_EQ (toVector (generator.getChordTone()), (std::vector<int> { 57, 60, 64 }));

    for (const char* notAName : { "---", "", "maj", "Maj7", "Inversion 1" })
    {
        EXPECT_EQ (ChordGenerator::checkAndExecute (&generator, &sink, nullptr, notAName, 60, 0.0f, 1.0f, 1.0f, 1), 0) << notAName;
        EXPECT_TRUE (sink.notes.empty()) << notAName;
        EXPECT_EQ (toVector (generator.getChordTone()), (std::vector<int> { 57, 60, 64 })) << notAName;
    }

    EXPECT_EQ (ChordGenerator::checkAndExecute (nullptr, &sink, nullptr, "Maj", 60, 0.0f, 1.0f, 1.0f, 1), 0);
    EXPECT_TRUE (sink.notes.empty());

    generator.clearStoredChordTone();
    EXPECT_TRUE (generator.getChordTone().isEmpty());
    EXPECT_EQ (generator._procesing_ChordTones ({}, &sink, nullptr, 0.0f, 1.0f, 1.0f, 1), 0);
}

TEST (ChordGenerator, TonesBelowZeroAreKeptAndNamed)
{
    const auto g = generate (3, "Maj", 2);
    EXPECT_EQ (g.delivered, (std::vector<int> { 2, 6, 9, -10 }));
    EXPECT_EQ (g.result, -10);

    nubo::ChordGeneratorType_1 generator;
    ChordGenerator::checkAndExecute (&generator, nullptr, nullptr, "Maj", 61, 0.0f, 1.0f, 1.0f, 1);
    EXPECT_EQ (generator.getChordToneAsName (true), nubo::test::u8List ({ u8"C＃3", "F3", u8"G＃3" }));
    EXPECT_EQ (generator.getChordToneAsName (false), nubo::test::u8List ({ u8"C＃", "F", u8"G＃" }));
}

TEST (ChordGenerator, ExtremeRootsDoNotOverflow)
{
    // Roots from a saved state can be anything; tones keep their intervals within the int range.
    for (int root : { INT_MAX, INT_MIN, INT_MAX - 5, INT_MIN + 3 })
        for (int type = 0; type < 4; ++type)
            for (const char* chord : { "Maj", u8"m△7Add¯13", "7Add13", "Add13" })
            {
                const auto g = generate (type, u8 (chord), root);
                ASSERT_FALSE (g.delivered.empty());
                const auto limitedRoot = g.delivered.front();
                EXPECT_EQ (limitedRoot, nubo::ChordGenerator_Base::limitRoot (root));
                EXPECT_EQ (g.result, *std::min_element (g.delivered.begin(), g.delivered.end()));

                for (auto tone : g.delivered)
                    EXPECT_LE (std::abs (static_cast<long long> (tone) - limitedRoot), 24);
            }
}

TEST (InversionTypeSelector, PicksByNameInEitherLanguage)
{
    nubo::pitchChord_InversionTypeSelector selector;
    const juce::String japanese[] = { u8 (u8"基本形"), u8 (u8"第１転"), u8 (u8"第２転"), u8 (u8"第３転") };

    for (int type = 0; type < 4; ++type)
    {
        EXPECT_EQ (selector.getChordGeneratorFromTypeString (typeNames[type]), selector.getChordGeneratorFromTypeString (japanese[type]));
        for (int other = 0; other < type; ++other)
            EXPECT_NE (selector.getChordGeneratorFromTypeString (typeNames[type]), selector.getChordGeneratorFromTypeString (typeNames[other]));
    }

    auto* type1 = selector.getChordGeneratorFromTypeString ("Normal");
    for (const char* other : { "inversion 1", "Inversion 1 ", "", "4" })
        EXPECT_EQ (selector.getChordGeneratorFromTypeString (other), type1) << other;

    // Each generator keeps its own stored tones.
    ChordGenerator::checkAndExecute (type1, nullptr, nullptr, "Maj", 60, 0.0f, 1.0f, 1.0f, 1);
    EXPECT_TRUE (selector.getChordGeneratorFromTypeString ("Inversion 1")->getChordTone().isEmpty());
}

//==============================================================================
TEST (NoteOrderReplace, ThroughTheGenerator)
{
    nubo::NoteOrderReplace_Selector reorders;

    struct Case
    {
        int type;
        const char* chord;
        int root;
        const char* order;
        std::vector<int> delivered;
    };
    const Case cases[] = {
        { 0, "Maj", 60, "Even", { 60, 67 } },
        { 0, "Maj", 60, "Odd", { 64 } },
        { 0, "Maj", 60, "Bass,Top", { 60, 67 } },
        { 0, "Maj", 60, "Top", { 67 } },
        { 0, "Maj", 60, "Bass", { 60 } },
        { 0, "Maj", 60, "Normal", { 60, 64, 67 } },
        { 1, "Maj", 60, "Even", { 60, 55 } },
        { 1, "Maj", 60, "Odd", { 52 } },
        { 1, "Maj", 60, "Bass,Top", { 52, 60 } },
        { 1, "Maj", 60, "Top", { 60 } },
        { 1, "Maj", 60, "Bass", { 52 } },
        { 3, "min", 57, "Odd", { 60, 45 } },
        { 3, "min", 57, u8"奇数音", { 60, 45 } },
        { 0, "Maj", 60, "Sync", { 60, 64, 67 } }, // no re-voicing
        { 0, "Maj", 60, "unknown", { 60, 64, 67 } },
    };

    for (const auto& c : cases)
    {
        const auto g = generate (c.type, c.chord, c.root, reorders.getNoteReplaceByTypeString (u8 (c.order)));
        SCOPED_TRACE (testing::Message() << typeNames[c.type] << " " << c.chord << " " << c.order);
        EXPECT_EQ (g.delivered, c.delivered);
        EXPECT_EQ (g.stored, sorted (c.delivered)); // the re-voiced list is what is stored
        EXPECT_EQ (g.result, sorted (c.delivered).front());
    }
}

TEST (NoteOrderReplace, SelectorNames)
{
    nubo::NoteOrderReplace_Selector selector;

    EXPECT_EQ (selector.getNoteReplaceByTypeString ("Sync"), nullptr);
    EXPECT_EQ (selector.getNoteReplaceByTypeString (u8 (u8"同期")), nullptr);
    EXPECT_EQ (selector.getNoteReplaceByTypeString ("bass"), nullptr);
    EXPECT_EQ (selector.getNoteReplaceByTypeString ("Bass, Top"), nullptr);

    const char* const japanese[] = { u8"標準", u8"偶数音", u8"奇数音", u8"ベース,トップ", u8"トップ音", u8"ベース音" };
    const char* const english[] = { "Normal", "Even", "Odd", "Bass,Top", "Top", "Bass" };
    const juce::Array<int> tones { 57, 60, 64, 45 };
    const juce::Array<int> expected[] = { { 57, 60, 64, 45 }, { 57, 64 }, { 60, 45 }, { 45, 64 }, { 64 }, { 45 } };

    for (int i = 0; i < 6; ++i)
    {
        auto* byEnglish = selector.getNoteReplaceByTypeString (english[i]);
        ASSERT_NE (byEnglish, nullptr) << english[i];
        EXPECT_EQ (byEnglish, selector.getNoteReplaceByTypeString (u8 (japanese[i]))) << english[i];
        EXPECT_EQ (byEnglish->executeOrderReplace (tones), expected[i]) << english[i];
    }
}

TEST (NoteOrderReplace, ShortAndOutOfRangeLists)
{
    const nubo::NotesOrderReplace_EvenNotes even;
    const nubo::NotesOrderReplace_OddNotes odd;
    const nubo::NotesOrderReplace_TopNoteOnly top;
    const nubo::NotesOrderReplace_BassNoteOnly bass;
    const nubo::NotesOrderReplace_TopAndBassNotes bassTop;
    const nubo::NotesOrderReplace_Base* const all[] = { &even, &odd, &top, &bass, &bassTop };

    for (auto* r : all)
        EXPECT_TRUE (r->executeOrderReplace ({}).isEmpty());

    EXPECT_EQ (even.executeOrderReplace ({ 60 }), juce::Array<int> { 60 });
    EXPECT_TRUE (odd.executeOrderReplace ({ 60 }).isEmpty());

    // Extremes are always tones of the list, also below 0 or far above 127.
    EXPECT_EQ (top.executeOrderReplace ({ -10, -3, -7 }), juce::Array<int> { -3 });
    EXPECT_EQ (bass.executeOrderReplace ({ 300, 250 }), juce::Array<int> { 250 });
    EXPECT_EQ (bassTop.executeOrderReplace ({ 20000, 15000 }), (juce::Array<int> { 15000, 20000 }));
    EXPECT_EQ (bassTop.executeOrderReplace ({ 60 }), (juce::Array<int> { 60, 60 }));
}

} // namespace

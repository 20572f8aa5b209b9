#include "theory/ChordToneTable.h"
#include "theory/Define_ChordName.h"

#include "TheoryTestHelpers.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using nubo::ChordToneTable;
using nubo::Define_ChordName;
using nubo::test::u8;
using nubo::test::u8List;

namespace
{

const juce::StringArray& expectedNinths()
{
    static const auto list = u8List ({ "Add9", u8"△7Add9", "7Add9", u8"Add¯9", u8"△7Add¯9", u8"7Add¯9",
                                       "mAdd9", u8"m△7Add9", "m7Add9", u8"mAdd¯9", u8"m△7Add¯9", u8"m7Add¯9",
                                       "sus4Add9", u8"△7sus4Add9", "7sus4Add9", u8"sus4Add¯9", u8"sus4△7Add¯9", u8"sus47Add¯9",
                                       u8"Add9¯5", u8"△7Add9¯5", u8"7Add9¯5", u8"Add¯9¯5", u8"△7Add¯9¯5", u8"7Add¯9¯5",
                                       u8"mAdd9¯5", u8"m△7Add9¯5", u8"m7Add9¯5", u8"mAdd¯9¯5", u8"m△7Add¯9¯5", u8"m7Add¯9¯5",
                                       u8"sus4Add9¯5", u8"△7sus4Add9¯5", u8"7sus4Add9¯5", u8"sus4Add¯9¯5", u8"sus4△7Add¯9¯5", u8"sus47Add¯9¯5" });
    return list;
}

TEST (ChordDictionary, GroupsInOrder)
{
    EXPECT_EQ (Define_ChordName::get3rdChordNameList(), juce::StringArray ({ "Maj", "min", "aug", "dim", "sus4" }));
    EXPECT_EQ (Define_ChordName::get4thChordNameList(),
               u8List ({ u8"△7", "7", u8"m△7", "m7", u8"△7sus4", "7sus4", u8"△7¯5", u8"7¯5", u8"m△7¯5", u8"m7¯5" }));
    EXPECT_EQ (Define_ChordName::get9thChordNameList(), expectedNinths());
    EXPECT_EQ (Define_ChordName::get11thChordNameList(),
               u8List ({ "Add11", u8"△7Add11", "7Add11", u8"Add¯11", u8"△7Add¯11", u8"7Add¯11",
                         "mAdd11", u8"m△7Add11", "m7Add11", u8"mAdd¯11", u8"m△7Add¯11", u8"m7Add¯11" }));
    EXPECT_EQ (Define_ChordName::get13thChordNameList(),
               u8List ({ "Add13", u8"△7Add13", "7Add13", u8"Add¯13", u8"△7Add¯13", u8"7Add¯13",
                         "mAdd13", u8"m△7Add13", "m7Add13", u8"mAdd¯13", u8"m△7Add¯13", u8"m7Add¯13" }));

    // The marks are U+25B3 and U+00AF.
    EXPECT_EQ ((int) Define_ChordName::get4thChordNameList()[0][0], 0x25B3);
    EXPECT_EQ ((int) Define_ChordName::get4thChordNameList()[7][1], 0x00AF);
}

TEST (ChordDictionary, CompositeLists)
{
    const auto all = Define_ChordName::getAllChordNameList();
    ASSERT_EQ (all.size(), 75);

    juce::StringArray concatenated;
    for (const auto& group : { Define_ChordName::get3rdChordNameList(), Define_ChordName::get4thChordNameList(),
                               Define_ChordName::get9thChordNameList(), Define_ChordName::get11thChordNameList(),
                               Define_ChordName::get13thChordNameList() })
        concatenated.addArray (group);

    EXPECT_EQ (all, concatenated);
    EXPECT_EQ (all[5], u8 (u8"△7"));
    EXPECT_EQ (all[74], u8 (u8"m7Add¯13"));
    EXPECT_EQ (std::set<juce::String> (all.begin(), all.end()).size(), 75u);

    const auto tension = Define_ChordName::getTentionChordNameList();
    EXPECT_EQ (tension.size(), 60);
    EXPECT_EQ (tension, juce::StringArray (all.begin() + 15, 60));

    const auto thirdAndFourth = Define_ChordName::get3rdAnd4thChordNameList();
    EXPECT_EQ (thirdAndFourth, juce::StringArray (all.begin(), 15));
}

TEST (ChordDictionary, CategoryLists)
{
    EXPECT_EQ (Define_ChordName::getAllSus4ChordnameList(),
               u8List ({ "aug", "dim", "sus4", u8"△7sus4", "7sus4", "sus4Add9", u8"△7sus4Add9", "7sus4Add9",
                         u8"sus4Add¯9", u8"sus4△7Add¯9", u8"sus47Add¯9",
                         u8"sus4Add9¯5", u8"△7sus4Add9¯5", u8"7sus4Add9¯5", u8"sus4Add¯9¯5", u8"sus4△7Add¯9¯5", u8"sus47Add¯9¯5" }));

    const auto ninths = expectedNinths();
    const auto minor = Define_ChordName::getAllMinorChordNameList();
    const auto major = Define_ChordName::getAllMajorChordNameList();

    auto expectedMinor = u8List ({ "min", u8"m△7", "m7", u8"m△7¯5", u8"m7¯5" });
    auto expectedMajor = u8List ({ "Maj", u8"△7", "7", u8"△7¯5", u8"7¯5" });

    for (const auto& group : { ninths, Define_ChordName::get11thChordNameList(), Define_ChordName::get13thChordNameList() })
    {
        expectedMajor.addArray (group, 0, 6);
        expectedMinor.addArray (group, 6, 6);
    }

    EXPECT_EQ (minor, expectedMinor);
    EXPECT_EQ (major, expectedMajor);
    EXPECT_EQ (minor.size(), 23);
    EXPECT_EQ (major.size(), 23);

    // No "¯5" name of the ninth group in either; every category entry is a dictionary name.
    const auto all = Define_ChordName::getAllChordNameList();
    for (const auto* list : { &minor, &major })
        for (const auto& name : *list)
        {
            EXPECT_FALSE (ninths.contains (name) && name.contains (u8 (u8"¯5"))) << name;
            EXPECT_TRUE (all.contains (name)) << name;
        }

    for (const auto& name : Define_ChordName::getAllSus4ChordnameList())
        EXPECT_TRUE (all.contains (name)) << name;
}

/** The chord tones a chord-type name stands for, read token by token: independent of the table. */
std::vector<int> tonesByTokens (const juce::String& name)
{
    if (name == "Maj")
        return { 0, 4, 7 };
    if (name == "min")
        return { 0, 3, 7 };
    if (name == "aug")
        return { 0, 4, 8 };
    if (name == "dim")
        return { 0, 3, 6 };

    struct Token
    {
        juce::String text;
        int added;
    };
    const Token tokens[] = {
        { "sus4", 0 }, { u8 (u8"△7"), 0 }, { u8 (u8"¯5"), 0 }, { u8 (u8"Add¯11"), 16 }, { u8 (u8"Add¯13"), 20 }, { u8 (u8"Add¯9"), 13 }, { "Add11", 17 }, { "Add13", 21 }, { "Add9", 14 }, { "7", 0 }, { "m", 0 }
    };

    int third = 4, fifth = 7, seventh = 0;
    std::vector<int> added;
    auto rest = name;

    while (rest.isNotEmpty())
    {
        bool matched = false;

        for (const auto& token : tokens)
        {
            if (! rest.startsWith (token.text))
                continue;

            if (token.text == "sus4")
                third = 5;
            else if (token.text == "m")
                third = 3;
            else if (token.text == u8 (u8"¯5"))
                fifth = 6;
            else if (token.text == u8 (u8"△7"))
                seventh = 11;
            else if (token.text == "7")
                seventh = 10;
            else
                added.push_back (token.added);

            rest = rest.substring (token.text.length());
            matched = true;
            break;
        }

        if (! matched)
        {
            ADD_FAILURE() << "unknown token in " << name;
            return {};
        }
    }

    std::vector<int> tones { 0, third, fifth };
    if (seventh != 0)
        tones.push_back (seventh);
    tones.insert (tones.end(), added.begin(), added.end());
    return tones;
}

std::vector<int> tableTones (const juce::String& name)
{
    const auto* entry = ChordToneTable::find (name);
    if (entry == nullptr)
        return {};
    return std::vector<int> (entry->semitones, entry->semitones + entry->numTones);
}

TEST (ChordToneTable, EveryNameReadsAsItsTokens)
{
    const auto all = Define_ChordName::getAllChordNameList();

    for (int i = 0; i < all.size(); ++i)
    {
        EXPECT_EQ (tableTones (all[i]), tonesByTokens (all[i])) << all[i];
        EXPECT_EQ (ChordToneTable::indexOf (all[i]), i) << all[i];
        EXPECT_EQ (ChordToneTable::getEntry (i).hasSeventh(), all[i].contains ("7")) << all[i];
    }
}

TEST (ChordToneTable, FixedTonesAndExamples)
{
    struct Case
    {
        const char* name;
        std::vector<int> tones;
    };
    const std::vector<Case> cases = {
        { "Maj", { 0, 4, 7 } },
        { "min", { 0, 3, 7 } },
        { "aug", { 0, 4, 8 } },
        { "dim", { 0, 3, 6 } },
        { "sus4", { 0, 5, 7 } },
        { u8"△7", { 0, 4, 7, 11 } },
        { "7", { 0, 4, 7, 10 } },
        { u8"m△7", { 0, 3, 7, 11 } },
        { "m7", { 0, 3, 7, 10 } },
        { u8"△7sus4", { 0, 5, 7, 11 } },
        { "7sus4", { 0, 5, 7, 10 } },
        { u8"△7¯5", { 0, 4, 6, 11 } },
        { u8"7¯5", { 0, 4, 6, 10 } },
        { u8"m△7¯5", { 0, 3, 6, 11 } },
        { u8"m7¯5", { 0, 3, 6, 10 } },
        { u8"7Add¯9", { 0, 4, 7, 10, 13 } },
        { u8"m7Add9¯5", { 0, 3, 6, 10, 14 } },
        { u8"sus47Add¯9¯5", { 0, 5, 6, 10, 13 } },
        { u8"mAdd¯13", { 0, 3, 7, 20 } },
        { u8"sus4△7Add¯9", { 0, 5, 7, 11, 13 } },
        { "Add11", { 0, 4, 7, 17 } },
    };

    for (const auto& c : cases)
        EXPECT_EQ (tableTones (u8 (c.name)), c.tones) << c.name;

    // Anything else is no chord-type name: exact comparison.
    for (const char* other : { "---", "", "maj", "Maj ", "Add-9", "m7Add9b5", "#" })
    {
        EXPECT_EQ (ChordToneTable::find (other), nullptr) << other;
        EXPECT_EQ (ChordToneTable::indexOf (other), -1) << other;
    }
}

TEST (ChordDictionary, InversionTypeNamesByLanguage)
{
    const auto japanese = u8List ({ u8"基本形", u8"第１転", u8"第２転", u8"第３転" });
    const juce::StringArray english { "Normal", "Inversion 1", "Inversion 2", "Inversion 3" };

    {
        nubo::test::ScopedLanguage language (1);
        EXPECT_EQ (Define_ChordName::getChordTypeList(), english);
        EXPECT_EQ (Define_ChordName::convertInvertChordTypeByLanguage ("Normal"), "Normal");

        for (int i = 0; i < 4; ++i)
            EXPECT_EQ (Define_ChordName::convertInvertChordTypeByLanguage (japanese[i]), english[i]);
    }
    {
        nubo::test::ScopedLanguage language (0);
        EXPECT_EQ (Define_ChordName::getChordTypeList(), japanese);
        EXPECT_EQ ((int) Define_ChordName::getChordTypeList()[1][1], 0xFF11); // full-width digit

        for (int i = 0; i < 4; ++i)
        {
            EXPECT_EQ (Define_ChordName::convertInvertChordTypeByLanguage (english[i]), japanese[i]);
            EXPECT_EQ (Define_ChordName::convertInvertChordTypeByLanguage (japanese[i]), japanese[i]);
        }

        EXPECT_EQ (Define_ChordName::convertInvertChordTypeByLanguage ("inversion 1"), "inversion 1"); // exact match only
    }
}

TEST (ChordDictionary, NoteOrderNamesByLanguage)
{
    const auto japanese = u8List ({ u8"標準", u8"偶数音", u8"奇数音", u8"ベース,トップ", u8"トップ音", u8"ベース音" });
    const juce::StringArray english { "Normal", "Even", "Odd", "Bass,Top", "Top", "Bass" };

    {
        nubo::test::ScopedLanguage language (1);
        EXPECT_EQ (Define_ChordName::getNoteReplaceTypeList_WithoutSync(), english);
        for (int i = 0; i < 6; ++i)
        {
            EXPECT_EQ (Define_ChordName::convertNoteOrderReplaceName_JA_EN (japanese[i]), english[i]);
            EXPECT_EQ (Define_ChordName::convertNoteOrderReplaceName_JA_EN (english[i]), english[i]);
        }
    }
    {
        nubo::test::ScopedLanguage language (0);
        EXPECT_EQ (Define_ChordName::getNoteReplaceTypeList_WithoutSync(), japanese);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ (Define_ChordName::convertNoteOrderReplaceName_JA_EN (english[i]), japanese[i]);

        EXPECT_EQ (Define_ChordName::convertNoteOrderReplaceName_JA_EN ("Sync"), "Sync");
        EXPECT_EQ (Define_ChordName::convertNoteOrderReplaceName_JA_EN ("Bass, Top"), "Bass, Top");
    }
}

TEST (ChordDictionary, CircleOfFifthKeyNames)
{
    const auto major = Define_ChordName::getFifthPitchNameList();
    const auto minor = Define_ChordName::getFifthPitchNameListMinor();

    EXPECT_EQ (major, u8List ({ "C", "G", "D", "A", "E", "B", u8"F＃", u8"D♭", u8"A♭", u8"E♭", u8"B♭", "F" }));
    EXPECT_EQ (minor, u8List ({ "Am", "Em", "Bm", u8"F＃m", u8"D♭m", u8"A♭m", u8"E♭m", u8"B♭m", "Fm", "Cm", "Gm", "Dm" }));
    EXPECT_EQ (major[4], "E");
    EXPECT_EQ (minor[4], u8 (u8"D♭m"));
}

} // namespace

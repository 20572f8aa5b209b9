#include "theory/Define_PitchName.h"
#include "theory/PitchNameInfo.h"
#include "theory/StringN.h"

#include "TheoryTestHelpers.h"

#include <gtest/gtest.h>

#include <climits>

using nubo::PitchNameInfo;
using nubo::test::u8;
using nubo::test::u8List;

namespace
{

TEST (PitchNameTables, SharpFlatAndOctaveListsInOrder)
{
    EXPECT_EQ (nubo::Define_PitchName::getPitchNameArray (false),
               u8List ({ "C", u8"C＃", "D", u8"D＃", "E", "F", u8"F＃", "G", u8"G＃", "A", u8"A＃", "B" }));
    EXPECT_EQ (nubo::Define_PitchName::getPitchNameArray (true),
               u8List ({ "C", u8"D♭", "D", u8"E♭", "E", "F", u8"G♭", "G", u8"A♭", "A", u8"B♭", "B" }));
    EXPECT_EQ (nubo::Define_PitchName::getOctaveListStringList(), juce::StringArray ({ "-3", "-2", "-1", "0", "1", "2", "3" }));

    // The displayed signs are the full-width number sign and the music flat sign, not ASCII.
    EXPECT_EQ ((int) nubo::Define_PitchName::getPitchNameArray (false)[1][1], 0xFF03);
    EXPECT_EQ ((int) nubo::Define_PitchName::getPitchNameArray (true)[1][1], 0x266D);
}

TEST (PitchNameTables, CallersGetCopies)
{
    auto names = nubo::Define_PitchName::getPitchNameArray (false);
    names.set (0, "X");
    EXPECT_EQ (nubo::Define_PitchName::getPitchNameArray (false)[0], "C");
}

TEST (PitchNameInfo, NameWithOctave)
{
    struct Case
    {
        int pitch;
        bool flat;
        const char* expected;
    };
    const Case cases[] = {
        { 0, false, "C-2" },
        { 127, false, "G8" },
        { 59, false, "B2" },
        { 60, false, "C3" },
        { 61, false, u8"C＃3" },
        { 61, true, u8"D♭3" },
        { 70, true, u8"B♭3" },
        { 11, false, "B-2" },
        { 12, false, "C-1" },
        { -1, false, "-2" }, // a negative pitch has no name part
        { -13, true, "-3" },
    };

    for (const auto& c : cases)
        EXPECT_EQ (PitchNameInfo::pitchNumberToNameWithOctave (c.pitch, c.flat), u8 (c.expected)) << c.pitch;

    // Extreme values must not overflow.
    EXPECT_EQ (PitchNameInfo::pitchNumberToNameWithOctave (INT_MIN, false), juce::String (INT_MIN / 12 - 2));
    EXPECT_EQ (PitchNameInfo::pitchNumberToNameWithOctave (INT_MAX, false),
               u8 (u8"G") + juce::String (INT_MAX / 12 - 2)); // INT_MAX mod 12 = 7
}

TEST (PitchNameInfo, ParsesNamesWithOctave)
{
    struct Case
    {
        const char* text;
        int expected;
    };
    const Case cases[] = {
        { "C3", 60 },
        { u8"C＃3", 61 },
        { "C#3", 61 },
        { u8"D♭3", 61 },
        { "Db3", 61 },
        { u8"D♭-1", 13 },
        { "B", 71 },
        { "A-2", 9 },
        { u8"E＃", 65 },
        { "Cb3", 59 },
        { u8"B＃3", 72 },
        { u8"B♭", 70 },
        { "Ab3", 68 },
        { "C-2", 0 },
        { u8"C♭-2", -1 },
        { u8"B＃8", 132 },
        { "G9", 139 },
        { "", 60 },
        { "xyz", 60 },
        { "   ", 60 },         // no letter: C, octave 3
        { "C-3", 60 },         // only one digit is read: a written -3 reads as octave 3
        { "C12", 36 },         // ... and 12 reads as octave 1
        { "  G4 \t", 79 },     // trimmed
        { "GC", 60 },          // the order of the letter tests decides, not the position
        { "E (C)", 60 },       // the letter comes from the whole text: C is tested before E
        { u8"B♭ (A＃2)", 58 }, // accidental and octave come from the parenthesised part
        { "A (b)", 68 },
        { "A(#)x(5)", 9 + 1 + 5 * 12 + 24 }, // greedy: from the first "(" to the last ")"
        { "A5 (x)", 69 },                    // digits outside the parentheses are ignored
        { "A (x", 69 },                      // an unclosed parenthesis is no part
        { u8"A＃/B♭3", 70 },                 // a sharp sign wins over a flat sign wherever they stand
        { "Bb#", 72 },
    };

    for (const auto& c : cases)
        EXPECT_EQ (PitchNameInfo::getPitchNumberFromString (u8 (c.text)), c.expected) << c.text;
}

TEST (PitchNameInfo, ParsesNamesWithoutOctave)
{
    struct Case
    {
        const char* text;
        int expected;
    };
    const Case cases[] = {
        { u8"B♭", 70 }, { u8"B♭5", 70 }, { "Bb-2", 70 }, { "Cb3", 59 }, { u8"B＃", 72 }, { "C", 60 }, { "", 60 }, { "G#", 68 }, { u8"B♭ (A＃)", 68 }, // letter A (tested before B) from the whole text; the parenthesised
                                                                                                                                                      // part is removed before the accidental test, so the flat counts
        { "A (b)", 69 },
        { "F (x) (x)b", 64 }, // the greedy match "(x) (x)" is removed; the b after it counts
        { "F (b)\n(b)", 65 }, // the match "(b)" stops at the line end and is removed wherever it occurs
        { u8"A＃/B♭", 70 },   // a sharp sign wins over a flat sign
    };

    for (const auto& c : cases)
        EXPECT_EQ (PitchNameInfo::getPitchNumberFromStringNO (u8 (c.text)), c.expected) << c.text;
}

TEST (PitchNameInfo, RespellsInSharpsAndFlats)
{
    EXPECT_EQ (PitchNameInfo::convertSharpFlatPitchNameToS (u8 (u8"D♭3"), true), u8 (u8"C＃3"));
    EXPECT_EQ (PitchNameInfo::convertSharpFlatPitchNameToS (u8 (u8"D♭3"), false), u8 (u8"C＃"));
    EXPECT_EQ (PitchNameInfo::convertSharpFlatPitchNameToF ("A#1", true), u8 (u8"B♭1"));
    EXPECT_EQ (PitchNameInfo::convertSharpFlatPitchNameToF ("A#1", false), u8 (u8"B♭"));
    EXPECT_EQ (PitchNameInfo::convertSharpFlatPitchNameToF (u8 (u8"B＃3"), true), "C4");
    EXPECT_EQ (PitchNameInfo::convertSharpFlatPitchNameToS ("E", false), "E");

    // C♭-2 parses to -1: no name without octave.
    EXPECT_EQ (PitchNameInfo::convertSharpFlatPitchNameToS (u8 (u8"C♭-2"), false), "");
    EXPECT_EQ (PitchNameInfo::convertSharpFlatPitchNameToF (u8 (u8"C♭-2"), true), "-2");
}

TEST (PitchNameInfo, KeyNameSpelling)
{
    juce::StringArray keys;
    for (const auto& name : nubo::Define_PitchName::getPitchNameArray (false))
        keys.add (PitchNameInfo::convertPitchStringToCircleofFifth (name));

    EXPECT_EQ (keys, u8List ({ "C", u8"D♭", "D", u8"E♭", "E", "F", u8"F＃", "G", u8"A♭", "A", u8"B♭", "B" }));

    EXPECT_EQ (PitchNameInfo::convertPitchStringToCircleofFifth ("C#3"), u8 (u8"D♭")); // octave dropped
    EXPECT_EQ (PitchNameInfo::convertPitchStringToCircleofFifth ("F#3"), "F#3");       // unchanged
    EXPECT_EQ (PitchNameInfo::convertPitchStringToCircleofFifth ("hello"), "hello");
}

TEST (PitchNameInfo, LanguageSwitchesStartInEnglish)
{
    EXPECT_EQ (PitchNameInfo::m_laguageMode, 1);
    EXPECT_EQ (nubo::Define_ChordName::m_laguageMode, 1);
}

TEST (StringN, SearchesAndHandsBackTheMatchedBytes)
{
    const nubo::StringN text (u8"B♭3 and A＃2, C4");
    const auto pattern = nubo::StringN::compilePattern ("[A-G].[0-9]");

    EXPECT_TRUE (text.isContainRegEx (pattern));
    EXPECT_FALSE (text.isContainRegEx (juce::String ("[H-Z][0-9]")));

    const auto matches = text.regexSearch (pattern);
    ASSERT_EQ (matches.size(), 2u); // "C4" has no character between letter and digit
    EXPECT_EQ (matches[0].getText(), u8"B♭3");
    EXPECT_EQ (matches[1].getText(), u8"A＃2");

    // Non-overlapping, left to right, whole matches only (not sub-groups).
    const auto all = nubo::StringN ("aaaa").regexSearch (juce::String ("(a)a"));
    ASSERT_EQ (all.size(), 2u);
    EXPECT_EQ (all[1].getText(), "aa");

    nubo::StringN first;
    ASSERT_TRUE (text.regexSearchFirst (pattern, first));
    EXPECT_EQ (first.toString(), u8 (u8"B♭3"));
}

TEST (StringN, OddInputIsSafe)
{
    // A UTF-8 byte-order mark is skipped; an invalid byte is kept as it is in the match.
    EXPECT_EQ (nubo::StringN ("\xEF\xBB\xBF"
                              "ab")
                   .regexSearch (juce::String ("^a"))[0]
                   .getText(),
               "a");
    const auto raw = nubo::StringN ("x\xFFy").regexSearch (juce::String ("x.y"));
    ASSERT_EQ (raw.size(), 1u);
    EXPECT_EQ (raw[0].getText(), "x\xFFy");

    // An invalid pattern matches nothing and throws nothing.
    EXPECT_FALSE (nubo::StringN ("abc").isContainRegEx (juce::String ("(unclosed")));
    EXPECT_TRUE (nubo::StringN ("abc").regexSearch (juce::String ("[")).empty());

    // Huge text: the search is bounded and does not exhaust the stack.
    const std::string huge = "(" + std::string (2'000'000, 'x') + ")";
    EXPECT_FALSE (nubo::StringN (huge).isContainRegEx (juce::String ("\\(.*\\)")));
    EXPECT_EQ (PitchNameInfo::getPitchNumberFromString (juce::String ("A") + juce::String (huge)), 69);
}

TEST (StringN, LongTextIsSafeOnASmallThreadStack)
{
    // Hosts call in on threads with small stacks (512 kB is common); the matcher's recursion per
    // character must stay bounded there whatever the length of the text.
    struct Parser final : juce::Thread
    {
        Parser()
            : juce::Thread ("parser", 512 * 1024)
        {}
        void run() override
        {
            const auto text = juce::String ("B (") + juce::String::repeatedString ("x", 200000) + juce::String (")4");
            result = PitchNameInfo::getPitchNumberFromString (text);
        }
        std::atomic<int> result { 0 };
    } parser;

    ASSERT_TRUE (parser.startThread());
    ASSERT_TRUE (parser.waitForThreadToExit (20000));
    // The parenthesis closes beyond the searched length, so no part is taken; the octave is 4.
    EXPECT_EQ (parser.result.load(), 11 + 4 * 12 + 24);
}

} // namespace

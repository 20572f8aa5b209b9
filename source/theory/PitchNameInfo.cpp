#include "theory/PitchNameInfo.h"

#include "theory/Define_PitchName.h"
#include "theory/StringN.h"
#include "theory/Utf8Text.h"

namespace nubo
{

int PitchNameInfo::m_laguageMode = 1;

namespace
{
    struct ParserTexts
    {
        const std::wregex parenthesised = StringN::compilePattern ("\\(.*\\)");
        const std::wregex octave = StringN::compilePattern ("[0-9]|-1|-2");
    };

    const ParserTexts& parserTexts()
    {
        static const ParserTexts texts;
        return texts;
    }

    /** Semitones of the first letter found, tested in the order C, D, E, F, G, A, B (the order
        of the tests decides, not the position in the text); 0 when there is none. */
    int letterValue (const juce::String& text)
    {
        // One pass noting which letters occur, then the tests in their order.
        unsigned int seen = 0;

        for (auto p = text.getCharPointer(); ! p.isEmpty(); ++p)
        {
            const auto c = *p;

            if (c >= 'A' && c <= 'G')
                seen |= 1u << (c - 'A');
        }

        static constexpr char letters[] = { 'C', 'D', 'E', 'F', 'G', 'A', 'B' };
        static constexpr int values[] = { 0, 2, 4, 5, 7, 9, 11 };

        for (size_t i = 0; i < std::size (letters); ++i)
            if ((seen & (1u << (letters[i] - 'A'))) != 0)
                return values[i];

        return 0;
    }

    /** +1 when text holds "＃" or "#", else -1 when it holds "♭" or "b", else 0. */
    int accidentalValue (const juce::String& text)
    {
        bool flat = false;

        for (auto p = text.getCharPointer(); ! p.isEmpty(); ++p)
        {
            const auto c = *p;

            if (c == 0xFF03 || c == '#')
                return 1;

            if (c == 0x266D || c == 'b')
                flat = true;
        }

        return flat ? -1 : 0;
    }

    /** The first match of pattern in text, searched from the first character at which a match
        can begin (neither pattern has anchors or look-behind, so skipping the characters before
        it finds the same match and keeps the matcher's work small). */
    bool findFirst (const juce::String& text, int firstPossibleStart, const std::wregex& pattern, juce::String& match)
    {
        if (firstPossibleStart < 0)
            return false;

        StringN found;

        if (! StringN::fromString (text.substring (firstPossibleStart)).regexSearchFirst (pattern, found))
            return false;

        match = found.toString();
        return true;
    }

    /** The first parenthesised part of text (from its first "(" to the last ")" on that line),
        or false when there is none. */
    bool findParenthesised (const juce::String& text, juce::String& part)
    {
        return findFirst (text, text.indexOfChar ('('), parserTexts().parenthesised, part);
    }

    /** The octave number of text (its first digit, or -1 or -2), or false when there is none. */
    bool findOctave (const juce::String& text, int& octave)
    {
        juce::String match;

        if (! findFirst (text, text.indexOfAnyOf ("0123456789-"), parserTexts().octave, match))
            return false;

        octave = match.getIntValue();
        return true;
    }
} // namespace

juce::String PitchNameInfo::pitchNumberToNameWithOctave (int pitch, bool isFlat)
{
    return Define_PitchName::getPitchClassName (pitch, isFlat) + juce::String (pitch / 12 - 2);
}

int PitchNameInfo::getPitchNumberFromString (const juce::String& text)
{
    const auto letter = letterValue (text);
    auto working = text.trim();
    juce::String part;

    if (findParenthesised (working, part))
        working = part;

    auto base = 60;
    int octave = 0;

    if (findOctave (working, octave))
        base = octave * 12 + 24;

    return letter + accidentalValue (working) + base;
}

int PitchNameInfo::getPitchNumberFromStringNO (const juce::String& text)
{
    const auto base = 60 + letterValue (text);
    auto working = text.trim();
    juce::String part;

    if (findParenthesised (working, part))
        working = working.replace (part, {});

    return base + accidentalValue (working);
}

juce::String PitchNameInfo::convertSharpFlatPitchNameToS (const juce::String& text, bool withOctave)
{
    const auto pitch = getPitchNumberFromString (text);
    return withOctave ? pitchNumberToNameWithOctave (pitch, false)
                      : Define_PitchName::getPitchClassName (pitch, false);
}

juce::String PitchNameInfo::convertSharpFlatPitchNameToF (const juce::String& text, bool withOctave)
{
    const auto pitch = getPitchNumberFromString (text);
    return withOctave ? pitchNumberToNameWithOctave (pitch, true)
                      : Define_PitchName::getPitchClassName (pitch, true);
}

juce::String PitchNameInfo::convertPitchStringToCircleofFifth (const juce::String& text)
{
    static const juce::StringArray sharpKeys = utf8TextList ({ "A#", u8"A＃", "D#", u8"D＃", "G#", u8"G＃", "C#", u8"C＃" });

    for (const auto& key : sharpKeys)
        if (text.contains (key))
            return convertSharpFlatPitchNameToF (text, false);

    return text;
}

} // namespace nubo

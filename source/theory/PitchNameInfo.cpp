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
        const juce::String fullWidthSharp = utf8Text (u8"＃");
        const juce::String flatSign = utf8Text (u8"♭");
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
        static constexpr const char* letters[] = { "C", "D", "E", "F", "G", "A", "B" };
        static constexpr int values[] = { 0, 2, 4, 5, 7, 9, 11 };

        for (size_t i = 0; i < std::size (letters); ++i)
            if (text.contains (letters[i]))
                return values[i];

        return 0;
    }

    int accidentalValue (const juce::String& text)
    {
        const auto& texts = parserTexts();

        if (text.contains (texts.fullWidthSharp) || text.contains ("#"))
            return 1;

        if (text.contains (texts.flatSign) || text.contains ("b"))
            return -1;

        return 0;
    }

    /** The first parenthesised part of text (from its first "(" to the last ")" on that line),
        or false when there is none. */
    bool findParenthesised (const juce::String& text, juce::String& part)
    {
        if (! text.containsChar ('('))
            return false;

        StringN match;

        if (! StringN::fromString (text).regexSearchFirst (parserTexts().parenthesised, match))
            return false;

        part = match.toString();
        return true;
    }

    bool containsDigit (const juce::String& text)
    {
        return text.containsAnyOf ("0123456789");
    }
}

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

    if (containsDigit (working))
    {
        StringN match;

        if (StringN::fromString (working).regexSearchFirst (parserTexts().octave, match))
            base = match.toString().getIntValue() * 12 + 24;
    }

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

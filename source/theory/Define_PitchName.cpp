#include "theory/Define_PitchName.h"

#include "theory/Utf8Text.h"

namespace nubo
{

namespace
{
    const juce::StringArray& sharpTable()
    {
        static const auto table = utf8TextList ({ "C", u8"C＃", "D", u8"D＃", "E", "F", u8"F＃", "G", u8"G＃", "A", u8"A＃", "B" });
        return table;
    }

    const juce::StringArray& flatTable()
    {
        static const auto table = utf8TextList ({ "C", u8"D♭", "D", u8"E♭", "E", "F", u8"G♭", "G", u8"A♭", "A", u8"B♭", "B" });
        return table;
    }
} // namespace

juce::StringArray Define_PitchName::getPitchNameArray (bool isFlat)
{
    return isFlat ? flatTable() : sharpTable();
}

juce::StringArray Define_PitchName::getOctaveListStringList()
{
    static const juce::StringArray list { "-3", "-2", "-1", "0", "1", "2", "3" };
    return list;
}

const juce::String& Define_PitchName::getPitchClassName (int pitch, bool isFlat)
{
    static const juce::String empty;

    if (pitch < 0)
        return empty;

    return (isFlat ? flatTable() : sharpTable()).getReference (pitch % 12);
}

} // namespace nubo

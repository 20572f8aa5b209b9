#include "theory/PitchNameInfo.h"

#include "theory/Utf8Text.h"

namespace nubo
{

namespace
{
    bool isEnglish() noexcept
    {
        return PitchNameInfo::m_laguageMode == 1;
    }

    const juce::StringArray& degreeNames (bool english)
    {
        static const juce::StringArray englishNames {
            "P1", "m2", "M2", "m3", "M3", "P4", "tritone", "P5", "m6", "M6", "m7", "M7",
            "P8", "m9", "M9", "m10", "M10", "P11", "double Tritone", "P12", "m13", "M13", "m14", "M14",
            "P15"
        };
        static const juce::StringArray japaneseNames = utf8TextList ({ u8"完全1度", u8"短2度", u8"長2度", u8"短3度", u8"長3度", u8"完全4度", u8"減5度トライトーン",
                                                                       u8"完全5度", u8"短6度", u8"長6度", u8"短7度", u8"長7度", u8"完全8度", u8"短9度", u8"長9度",
                                                                       u8"短10度", u8"長10度", u8"完全11度", u8"減12度", u8"完全12度", u8"短13度", u8"長13度",
                                                                       u8"短14度", u8"長14度", u8"完全15度" });
        return english ? englishNames : japaneseNames;
    }

    int pitchClassOf (int value) noexcept
    {
        const auto pc = value % 12;
        return pc < 0 ? pc + 12 : pc;
    }
} // namespace

juce::String PitchNameInfo::getDegreeName (int semitones)
{
    const auto english = isEnglish();
    const auto& names = degreeNames (english);

    if (juce::isPositiveAndBelow (semitones, names.size()))
        return names[semitones];

    static const juce::String japaneseUnknown = utf8Text (u8"---度");
    return english ? juce::String ("---") : japaneseUnknown;
}

juce::String PitchNameInfo::getTonicString()
{
    static const juce::String english ("Tonic"), japanese (utf8Text (u8"主音"));
    return isEnglish() ? english : japanese;
}

juce::String PitchNameInfo::getSubDominantString()
{
    static const juce::String english ("SubDominant"), japanese (utf8Text (u8"下属音"));
    return isEnglish() ? english : japanese;
}

juce::String PitchNameInfo::getDominantString()
{
    static const juce::String english ("Dominant"), japanese (utf8Text (u8"属音"));
    return isEnglish() ? english : japanese;
}

juce::String PitchNameInfo::getLeadingString()
{
    static const juce::String english ("Leading tone"), japanese (utf8Text (u8"導音"));
    return isEnglish() ? english : japanese;
}

juce::String PitchNameInfo::getHarmonicFunctionString (int pitch, int mainKey)
{
    const auto interval = pitchClassOf (pitchClassOf (pitch) - pitchClassOf (mainKey));

    switch (interval)
    {
        case 0:
            return getTonicString();
        case 5:
            return getSubDominantString();
        case 7:
            return getDominantString();
        case 11:
            return getLeadingString();
        default:
            return {};
    }
}

} // namespace nubo

#include "theory/PitchScale.h"

#include "engine/SafeXml.h"

namespace nubo
{

namespace
{
    constexpr int pitchClassesPerOctave = 12;

    const juce::Array<int>& majorDegrees()
    {
        static const juce::Array<int> degrees { 1, 0, 2, 0, 3, 4, 0, 5, 0, 6, 0, 7 };
        return degrees;
    }
} // namespace

PitchScale::PitchScale()
    : PitchScale ("Major", majorDegrees())
{
}

PitchScale::PitchScale (juce::String scaleName, juce::Array<int> degrees)
    : name (std::move (scaleName))
    , degreeMap (std::move (degrees))
{
    _updateRelativePitchArray();
}

void PitchScale::_updateRelativePitchArray()
{
    relativePitches.clearQuick();

    const auto count = juce::jmin (degreeMap.size(), pitchClassesPerOctave);

    for (int i = 0; i < count; ++i)
        if (degreeMap.getUnchecked (i) != 0)
            relativePitches.add (i);
}

bool PitchScale::containsRelativePitch (int semitonesAboveTonic) const noexcept
{
    auto pitchClass = semitonesAboveTonic % pitchClassesPerOctave;

    if (pitchClass < 0)
        pitchClass += pitchClassesPerOctave;

    return relativePitches.contains (pitchClass);
}

std::unique_ptr<juce::XmlElement> PitchScale::toXmlElement() const
{
    auto element = std::make_unique<juce::XmlElement> ("pitchScaleInfo");
    element->setAttribute ("name", name);

    auto* tones = element->createNewChildElement ("tones");

    for (auto degree : degreeMap)
        tones->createNewChildElement ("T")->setAttribute ("value", degree);

    return element;
}

void PitchScale::fromXmlElement (const juce::XmlElement& element)
{
    name = element.hasAttribute ("name") ? element.getStringAttribute ("name") : juce::String ("Major");

    if (auto* tones = SafeXml::findChildIgnoreCase (element, "tones"))
    {
        degreeMap.clearQuick();

        for (auto* tone : tones->getChildIterator())
            degreeMap.add (SafeXml::intAttribute (*tone, "value", 0));
    }

    _updateRelativePitchArray();
}

bool PitchScale::operator== (const PitchScale& other) const noexcept
{
    return name == other.name && degreeMap == other.degreeMap;
}

const PitchScale PitchScale_Info::Scale_7th_Major { "Major", { 1, 0, 2, 0, 3, 4, 0, 5, 0, 6, 0, 7 } };
const PitchScale PitchScale_Info::Scale_7th_Dorian { "Dorian", { 1, 0, 2, 3, 0, 4, 0, 5, 0, 6, 7, 0 } };
const PitchScale PitchScale_Info::Scale_7th_Phrygian { "Phrygian", { 1, 2, 0, 3, 0, 4, 0, 5, 6, 0, 7, 0 } };
const PitchScale PitchScale_Info::Scale_7th_Lydian { "Lydian", { 1, 0, 2, 0, 3, 0, 4, 5, 0, 6, 0, 7 } };
const PitchScale PitchScale_Info::Scale_7th_Mixolydian { "Mixolydian", { 1, 0, 2, 0, 3, 4, 0, 5, 0, 6, 7, 0 } };
const PitchScale PitchScale_Info::Scale_7th_Minor { "Minor", { 1, 0, 2, 3, 0, 4, 0, 5, 6, 0, 7, 0 } };
const PitchScale PitchScale_Info::Scale_7th_Locrian { "Locrian", { 1, 2, 0, 3, 0, 4, 5, 0, 6, 0, 7, 0 } };
const PitchScale PitchScale_Info::Scale_7th_Harmonic_Minor { "Harmonic Minor", { 1, 0, 2, 3, 0, 4, 0, 5, 6, 0, 0, 7 } };
const PitchScale PitchScale_Info::Scale_7th_Melodic_Minor { "Melodic Minor", { 1, 0, 2, 3, 0, 4, 0, 5, 0, 6, 0, 7 } };
const PitchScale PitchScale_Info::Scale_5th_Major_Pentatonic { "Major Pentatonic", { 1, 0, 2, 0, 3, 0, 0, 5, 0, 6, 0, 0 } };
const PitchScale PitchScale_Info::Scale_5th_Minor_Pentatonic { "Minor Pentatonic", { 1, 0, 0, 3, 0, 4, 0, 5, 0, 0, 7, 0 } };
const PitchScale PitchScale_Info::Scale_12th_All_Chromatic { "Chromatic", { 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 7, 7 } };

juce::Array<PitchScale> PitchScale_Info::getAllScales()
{
    return { Scale_7th_Major, Scale_7th_Dorian, Scale_7th_Phrygian, Scale_7th_Lydian, Scale_7th_Mixolydian,
             Scale_7th_Minor, Scale_7th_Locrian, Scale_7th_Harmonic_Minor, Scale_7th_Melodic_Minor,
             Scale_5th_Major_Pentatonic, Scale_5th_Minor_Pentatonic, Scale_12th_All_Chromatic };
}

} // namespace nubo

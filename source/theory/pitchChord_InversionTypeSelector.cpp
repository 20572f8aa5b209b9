#include "theory/pitchChord_InversionTypeSelector.h"

#include "theory/Utf8Text.h"

namespace nubo
{

ChordGenerator_Base* pitchChord_InversionTypeSelector::getChordGeneratorFromTypeString (const juce::String& name)
{
    static const juce::String japanese[] = { utf8Text (u8"基本形"), utf8Text (u8"第１転"), utf8Text (u8"第２転"), utf8Text (u8"第３転") };
    static const juce::String english[] = { "Normal", "Inversion 1", "Inversion 2", "Inversion 3" };

    ChordGenerator_Base* const generators[] = { &type1, &type2, &type3, &type4 };

    for (size_t i = 0; i < std::size (generators); ++i)
        if (name == japanese[i] || name == english[i])
            return generators[i];

    return &type1;
}

} // namespace nubo

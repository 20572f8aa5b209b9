#pragma once

#include "theory/ChordGenerator_Base.h"

namespace nubo
{

/** One chord generator of each inversion type, picked by the inversion-type name. */
class pitchChord_InversionTypeSelector final
{
public:
    pitchChord_InversionTypeSelector() = default;

    /** "基本形"/"Normal" type 1, "第１転"/"Inversion 1" type 2, "第２転"/"Inversion 2" type 3,
        "第３転"/"Inversion 3" type 4, in either language whatever the current one; any other text
        (exact comparison) gives type 1. Never null. */
    ChordGenerator_Base* getChordGeneratorFromTypeString (const juce::String& name);

private:
    ChordGeneratorType_1 type1;
    ChordGeneratorType_2 type2;
    ChordGeneratorType_3 type3;
    ChordGeneratorType_4 type4;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (pitchChord_InversionTypeSelector)
};

} // namespace nubo

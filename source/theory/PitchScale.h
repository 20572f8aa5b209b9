#pragma once

#include <juce_core/juce_core.h>

#include <memory>

namespace nubo
{

/**
    A scale as a twelve-entry degree map: entry i belongs to the pitch class i semitones above the
    tonic and holds its scale-degree number (1 … 7), or 0 when that pitch class is not in the scale.
    The relative pitches (the indexes 0 … 11 whose entry is not 0, ascending) follow the map.
*/
class PitchScale
{
public:
    /** The major scale. */
    PitchScale();
    PitchScale (juce::String name, juce::Array<int> degrees);

    const juce::String& getName() const noexcept { return name; }
    const juce::Array<int>& getDegreeMap() const noexcept { return degreeMap; }
    const juce::Array<int>& getRelativePitchArray() const noexcept { return relativePitches; }

    /** Whether the pitch class lying `semitonesAboveTonic` above the tonic (any integer, taken
        mod 12) is in the scale. */
    bool containsRelativePitch (int semitonesAboveTonic) const noexcept;

    /** The element "pitchScaleInfo" (attribute "name") with a child "tones" holding one "T" element
        (attribute "value") per degree-map entry. */
    std::unique_ptr<juce::XmlElement> toXmlElement() const;

    /** Reads the element written by toXmlElement. A missing "name" reads as "Major"; without a
        "tones" child (found ignoring letter case) the degree map stays as it was. */
    void fromXmlElement (const juce::XmlElement& element);

    bool operator== (const PitchScale& other) const noexcept;
    bool operator!= (const PitchScale& other) const noexcept { return ! operator== (other); }

private:
    void _updateRelativePitchArray();

    juce::String name;
    juce::Array<int> degreeMap;
    juce::Array<int> relativePitches;

    JUCE_LEAK_DETECTOR (PitchScale)
};

/** The predefined scales. */
struct PitchScale_Info final
{
    static const PitchScale Scale_7th_Major;
    static const PitchScale Scale_7th_Dorian;
    static const PitchScale Scale_7th_Phrygian;
    static const PitchScale Scale_7th_Lydian;
    static const PitchScale Scale_7th_Mixolydian;
    static const PitchScale Scale_7th_Minor;
    static const PitchScale Scale_7th_Locrian;
    static const PitchScale Scale_7th_Harmonic_Minor;
    static const PitchScale Scale_7th_Melodic_Minor;
    static const PitchScale Scale_5th_Major_Pentatonic;
    static const PitchScale Scale_5th_Minor_Pentatonic;
    static const PitchScale Scale_12th_All_Chromatic;

    /** The twelve scales above, in that order. */
    static juce::Array<PitchScale> getAllScales();

    PitchScale_Info() = delete;
};

} // namespace nubo

#pragma once

#include "export/FileCreator_Base.h"

#include <memory>

namespace nubo
{

/**
    A note sink that builds a Studio One note clip: a UTF-8 XML document with the root
    "MusicPerformance" and one "NoteEvent" element per note. Used from the message thread only.
*/
class FileCreator_StudioOne final : public FileCreator_Base
{
public:
    FileCreator_StudioOne();
    ~FileCreator_StudioOne() override;

    void clear() override;

    /** Appends a "NoteEvent" with pitch, start, length and velocity; the channel is not written. */
    void addOneNote (int pitch, float start, float length, float velocity, int channel) override;

    /** Writes the clip document; false when the file could not be written. */
    bool saveToFile (juce::File file) override;

    /** The clip document text, XML declaration included. */
    juce::String toString() const override;

    /** A float widened to double in general notation with 20 significant digits, trailing zeros
        dropped ("0", "4", "0.5", "0.79000002145767211914"), independent of the C locale. */
    static juce::String formatFloat (float value);

private:
    void _init_XMLDocument();
    static juce::XmlElement::TextFormat getTextFormat();

    std::unique_ptr<juce::XmlElement> document;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (FileCreator_StudioOne)
};

} // namespace nubo

#include "export/FileCreator_StudioOne.h"

#include <charconv>

namespace nubo
{

FileCreator_StudioOne::FileCreator_StudioOne()
{
    _init_XMLDocument();
}

FileCreator_StudioOne::~FileCreator_StudioOne() = default;

void FileCreator_StudioOne::_init_XMLDocument()
{
    document = std::make_unique<juce::XmlElement> ("MusicPerformance");
    document->setAttribute ("timeFormat", "2");
}

juce::XmlElement::TextFormat FileCreator_StudioOne::getTextFormat()
{
    juce::XmlElement::TextFormat format;
    format.customEncoding = "UTF-8";
    format.lineWrapLength = 60;
    return format;
}

juce::String FileCreator_StudioOne::formatFloat (float value)
{
    char buffer[64] {};
    const auto result = std::to_chars (buffer, buffer + sizeof (buffer) - 1,
                                       static_cast<double> (value), std::chars_format::general, 20);

    if (result.ec != std::errc())
        return "0";

    return juce::String (buffer, static_cast<size_t> (result.ptr - buffer));
}

void FileCreator_StudioOne::clear()
{
    _init_XMLDocument();
}

void FileCreator_StudioOne::addOneNote (int pitch, float start, float length, float velocity, int /*channel*/)
{
    auto* note = document->createNewChildElement ("NoteEvent");
    note->setAttribute ("pitch", juce::String (pitch));
    note->setAttribute ("start", formatFloat (start));
    note->setAttribute ("length", formatFloat (length));
    note->setAttribute ("velocity", formatFloat (velocity));
}

bool FileCreator_StudioOne::saveToFile (juce::File file)
{
    return document->writeTo (file, getTextFormat());
}

juce::String FileCreator_StudioOne::toString() const
{
    return document->toString (getTextFormat());
}

} // namespace nubo

#pragma once

#include <juce_core/juce_core.h>

namespace nubo
{

/**
    A note sink: every generated chord is delivered to one note by note. Start and length are in
    quarter notes from the start of the clip, velocity runs from 0.0 to 1.0, channel from 1 to 16.
*/
class FileCreator_Base
{
public:
    virtual ~FileCreator_Base() = default;

    /** Forgets all notes. */
    virtual void clear() = 0;
    /** Adds one note. */
    virtual void addOneNote (int pitch, float start, float length, float velocity, int channel) = 0;
    /** Writes the collected notes to file; false when the file could not be written. */
    virtual bool saveToFile (juce::File file) = 0;
    /** A text form of the collected notes. */
    virtual juce::String toString() const = 0;
};

} // namespace nubo

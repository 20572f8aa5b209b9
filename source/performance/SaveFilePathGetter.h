#pragma once

#include <juce_core/juce_core.h>

namespace nubo
{

class PitchChordManager;

/**
    Serves the export of a chord state's current chord: writes it through the state's current
    file writer into the export folder and returns the file, for an external drag.
*/
class SaveFilePathGetter
{
public:
    explicit SaveFilePathGetter (PitchChordManager& owner) noexcept
        : manager (&owner)
    {}
    virtual ~SaveFilePathGetter() = default;

    /** The written file, or File() when the chord has no tone or nothing could be written. */
    juce::File exportCurrentChord (const juce::File& exportFolder);
    /** The same into the default export folder. */
    juce::File exportCurrentChord();

private:
    PitchChordManager* manager;

    JUCE_DECLARE_NON_COPYABLE (SaveFilePathGetter)
};

} // namespace nubo

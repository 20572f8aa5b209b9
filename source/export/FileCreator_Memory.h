#pragma once

#include "export/FileCreator_Base.h"

namespace nubo
{

/**
    A note sink that keeps the notes in memory, so that the tones of a generated chord can be
    read back. Used from the message thread only.
*/
class FileCreator_Memory final : public FileCreator_Base
{
public:
    /** One collected note. */
    struct NoteRecord
    {
        int pitch = 0;
        int start = 0; ///< in whole quarter notes, truncated toward zero
        float length = 0.0f;
        float velocity = 0.0f;
        int channel = 1;
    };

    FileCreator_Memory() = default;

    void clear() override;
    void addOneNote (int pitch, float start, float length, float velocity, int channel) override;

    /** Writes toString() as UTF-8 without byte-order mark, replacing any old content.
        False when the target is a directory or the file could not be written. */
    bool saveToFile (juce::File file) override;

    /** One "--note-- : " block per note, in insertion order; empty when there are no notes. */
    juce::String toString() const override;

    /** Pitches of all notes in insertion order, each limited to 0 … 127; sorted ascending when asked. */
    juce::Array<int> getNotesAsPitchNumber (bool sortAscending) const;

    const juce::Array<NoteRecord>& getNotes() const noexcept { return notes; }

private:
    juce::Array<NoteRecord> notes;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (FileCreator_Memory)
};

} // namespace nubo

#pragma once

#include "export/FileCreator_Base.h"

#include <juce_audio_basics/juce_audio_basics.h>

#include <memory>

namespace nubo
{

/**
    A note sink that builds a Standard MIDI File (format 0, 480 ticks per quarter note).
    Notes go into the first of sixteen note sequences; every operation holds the writer's lock,
    so notes may be added, cleared and saved from different threads.
*/
class FileCreator_Midi final : public FileCreator_Base
{
public:
    static constexpr int ticksPerQuarterNote = 480;

    FileCreator_Midi();
    ~FileCreator_Midi() override;

    /** Empties every sequence and starts a fresh MIDI file object. */
    void clear() override;

    /** Adds a note-on at start and a note-off at start + length (in quarter notes) to the first
        sequence, after the events of the same tick. The note is limited to 0 … 127, the channel
        to 1 … 16; a velocity byte outside 0 … 127 becomes 127. */
    void addOneNote (int pitch, float start, float length, float velocity, int channel) override;

    /** Writes the first sequence as a format-0 file, with the file's name (without extension) as
        its track name. False when the file could not be opened or written. The collected notes
        are kept, and saving again writes the same file. */
    bool saveToFile (juce::File file) override;

    /** Not a text format: returns a fixed notice. */
    juce::String toString() const override;

private:
    void _createMidiData();

    static constexpr int numSequences = 16;

    juce::OwnedArray<juce::MidiMessageSequence> sequences;
    std::unique_ptr<juce::MidiFile> midiFile;
    juce::CriticalSection lock;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (FileCreator_Midi)
};

} // namespace nubo

#include "export/FileCreator_Midi.h"

#include "export/NoteValueLimits.h"

#include <algorithm>
#include <cmath>

namespace nubo
{

namespace
{
    /** Largest tick a MIDI file can reach with four-byte delta times. */
    constexpr int maxTick = 0x0fffffff;

    // Products are taken in single precision, like the values themselves: a velocity chosen as
    // n / 127 (or a start of 0.7) then gives back n (or tick 336). Widening the float first would
    // keep its rounding error and truncate to one less.
    int tickOf (float quarterNotes) noexcept
    {
        return truncateToIntSaturating (quarterNotes * static_cast<float> (FileCreator_Midi::ticksPerQuarterNote));
    }

    juce::uint8 velocityByteOf (float velocity) noexcept
    {
        const auto product = velocity * 127.0f;

        if (! (product >= 0.0f && product <= 127.0f)) // also catches NaN
            return 127;

        return static_cast<juce::uint8> (product);
    }
} // namespace

FileCreator_Midi::FileCreator_Midi()
{
    for (int i = 0; i < numSequences; ++i)
        sequences.add (new juce::MidiMessageSequence());

    _createMidiData();
}

FileCreator_Midi::~FileCreator_Midi() = default;

void FileCreator_Midi::_createMidiData()
{
    midiFile = std::make_unique<juce::MidiFile>();
    midiFile->setTicksPerQuarterNote (ticksPerQuarterNote);
}

void FileCreator_Midi::clear()
{
    const juce::ScopedLock sl (lock);

    for (auto* sequence : sequences)
        sequence->clear();

    _createMidiData();
}

void FileCreator_Midi::addOneNote (int pitch, float start, float length, float velocity, int channel)
{
    const juce::ScopedLock sl (lock);

    // Ticks are kept inside what a MIDI file can hold, so huge or negative values neither
    // overflow nor produce a corrupt delta time.
    const auto onTick = std::clamp (tickOf (start), 0, maxTick);
    const auto offTick = static_cast<int> (std::clamp (static_cast<juce::int64> (onTick) + tickOf (length),
                                                       static_cast<juce::int64> (0),
                                                       static_cast<juce::int64> (maxTick)));

    const auto note = std::clamp (pitch, 0, 127);
    const auto midiChannel = std::clamp (channel, 1, 16);

    auto* first = sequences.getFirst();
    first->addEvent (juce::MidiMessage::noteOn (midiChannel, note, velocityByteOf (velocity)), onTick);
    first->addEvent (juce::MidiMessage::noteOff (midiChannel, note, static_cast<juce::uint8> (0)), offTick);
}

bool FileCreator_Midi::saveToFile (juce::File file)
{
    const juce::ScopedLock sl (lock);

    // The closing events go into a copy of the notes, so a second save writes the same file.
    juce::MidiMessageSequence track (*sequences.getFirst());
    // The name goes in before the end of track, so that the end of track stays the last event
    // even when every note lies at tick 0 (or there are none).
    const auto lastTick = track.getNumEvents() > 0 ? track.getEndTime() : 0.0;
    track.addEvent (juce::MidiMessage::textMetaEvent (3, file.getFileNameWithoutExtension()), 0.0);
    track.addEvent (juce::MidiMessage::endOfTrack(), lastTick);

    midiFile->clear();
    midiFile->addTrack (track);
    midiFile->setTicksPerQuarterNote (ticksPerQuarterNote);

    if (file.exists() && ! file.isDirectory())
        file.deleteFile();

    juce::FileOutputStream out (file, 32768);

    if (! out.openedOk())
        return false;

    // If the old file could not be deleted the stream would append to it: start it afresh.
    if (! out.setPosition (0) || out.truncate().failed())
        return false;

    const auto written = midiFile->writeTo (out, 0);
    out.flush();
    return written && out.getStatus().wasOk();
}

juce::String FileCreator_Midi::toString() const
{
    return "nothing to do...(not implements)";
}

} // namespace nubo

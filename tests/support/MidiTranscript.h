#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <string>
#include <vector>

namespace nubo::test
{

/** One line per event, "time: description", e.g. "0: note-on C3 vel 100 ch 1": MIDI output
    compared as text shows order, positions and contents at once. */
inline std::string describe (const juce::MidiMessage& m)
{
    const auto note = [&m] { return juce::MidiMessage::getMidiNoteName (m.getNoteNumber(), true, true, 3).toStdString(); };
    const auto ch = " ch " + std::to_string (m.getChannel());

    if (m.isNoteOn())
        return "note-on " + note() + " vel " + std::to_string (m.getVelocity()) + ch;
    if (m.isNoteOff())
        return "note-off " + note() + " vel " + std::to_string (m.getVelocity()) + ch;
    if (m.isController())
        return "cc " + std::to_string (m.getControllerNumber()) + " = " + std::to_string (m.getControllerValue()) + ch;

    return m.getDescription().toStdString();
}

inline std::vector<std::string> transcript (const juce::MidiBuffer& buffer)
{
    std::vector<std::string> lines;

    for (const auto meta : buffer)
        lines.push_back (std::to_string (meta.samplePosition) + ": " + describe (meta.getMessage()));

    return lines;
}

} // namespace nubo::test

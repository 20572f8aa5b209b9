#pragma once

#include "performance/PitchChordManager.h"

#include <string>
#include <vector>

namespace nubo::test
{

inline juce::String utf8 (const char* text)
{
    return juce::String (juce::CharPointer_UTF8 (text));
}

/** Records every notification as "operation=value", with the sender of each. */
class RecordingListener : public PitchChordManager::Listener
{
public:
    std::vector<std::string> events;
    std::vector<PitchChordManager*> senders;

    void clear()
    {
        events.clear();
        senders.clear();
    }

    void onChangedMidiChannel (PitchChordManager* s, int v) override { add (s, "midiChannel", juce::String (v)); }
    void onChangedChordRootPitchNum (PitchChordManager* s, int v) override { add (s, "chordRoot", juce::String (v)); }
    void onChangedChordName (PitchChordManager* s, juce::String v) override { add (s, "chordName", v); }
    void onChangedDurationType (PitchChordManager* s, juce::String v) override { add (s, "duration", v); }
    void onChangedMainKey (PitchChordManager* s, int v) override { add (s, "mainKey", juce::String (v)); }
    void onChangedOctaveOffset (PitchChordManager* s, int v) override { add (s, "octave", juce::String (v)); }
    void onChangedStartPos (PitchChordManager* s, float v) override { add (s, "startPos", juce::String (v)); }
    void onChangedLastStartPos (PitchChordManager* s, float v) override { add (s, "lastStartPos", juce::String (v)); }
    void onChangedVelocity (PitchChordManager* s, float v) override { add (s, "velocity", juce::String (v)); }
    void onChangedChordInvertType (PitchChordManager* s, juce::String v) override { add (s, "invertType", v); }
    void onChangedExportType (PitchChordManager* s, PitchChordManager::EXPORT_FILEMODE v) override { add (s, "exportType", juce::String (static_cast<int> (v))); }
    void onChangedPitchNameRoule (PitchChordManager* s, PitchChordManager::PITCHNAME_SF_Roule v) override { add (s, "rule", juce::String (static_cast<int> (v))); }
    void onChangedNoteOrderReplace (PitchChordManager* s, juce::String v) override { add (s, "noteOrder", v); }
    void onChangedPitchScale (PitchChordManager* s, PitchScale v) override { add (s, "scale", v.getName()); }
    void onChangeSavedPitchChordManager (PitchChordManager* s, PitchChordManager* saved) override
    {
        add (s, "saved", saved != nullptr ? "set" : "null");
    }

private:
    void add (PitchChordManager* sender, const char* what, const juce::String& value)
    {
        events.push_back (std::string (what) + "=" + value.toStdString());
        senders.push_back (sender);
    }
};

} // namespace nubo::test

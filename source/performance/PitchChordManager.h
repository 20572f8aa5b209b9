#pragma once

#include "export/FileCreator_Memory.h"
#include "export/FileCreator_Midi.h"
#include "export/FileCreator_StudioOne.h"
#include "performance/ListnerManager_Base.h"
#include "performance/SaveFilePathGetter.h"
#include "theory/NotesOrderReplace.h"
#include "theory/PitchScale.h"
#include "theory/pitchChord_InversionTypeSelector.h"

#include <juce_core/juce_core.h>

#include <memory>
#include <vector>

namespace nubo
{

class ChordGenerator_Base;
class MidiMessageManager;
class StepSequencer_Bass;

/**
    The model of one chord set-up: root, chord type, inversion, octave, velocity, MIDI channel,
    duration, re-voicing, spelling rule, main key and scale, and an optional saved second chord.

    It turns the set-up into chord tones, names it, plays it through its target MIDI scheduler,
    writes and reads itself as XML text and tells its listeners about every change: every setter
    stores its value and then notifies every listener, in registration order, on the calling
    thread. Runs on the message thread only.
*/
class PitchChordManager
{
public:
    /** Spelling rule of pitch names. */
    enum PITCHNAME_SF_Roule : int
    {
        PITCHNAME_ROULE_KEY = 0,
        PITCHNAME_ROULE_SHARP = 1,
        PITCHNAME_ROULE_FLAT = 2
    };

    /** Kind of exported file. */
    enum EXPORT_FILEMODE : int
    {
        EXPORT_FILEMODE_MIDI = 1,
        EXPORT_FILEMODE_STUDIOONE = 2
    };

    /** Receives every change of a chord state; each call names the sending manager first. */
    class Listener
    {
    public:
        virtual ~Listener() = default;

        virtual void onChangedMidiChannel (PitchChordManager* sender, int channel) = 0;
        virtual void onChangedChordRootPitchNum (PitchChordManager* sender, int rootPitch) = 0;
        virtual void onChangedChordName (PitchChordManager* sender, juce::String chordName) = 0;
        virtual void onChangedDurationType (PitchChordManager*, juce::String) {}
        virtual void onChangedMainKey (PitchChordManager* sender, int mainKey) = 0;
        virtual void onChangedOctaveOffset (PitchChordManager* sender, int octaveOffset) = 0;
        virtual void onChangedStartPos (PitchChordManager*, float) {}
        virtual void onChangedLastStartPos (PitchChordManager*, float) {}
        virtual void onChangedVelocity (PitchChordManager* sender, float velocity) = 0;
        virtual void onChangedChordInvertType (PitchChordManager* sender, juce::String invertType) = 0;
        virtual void onChangedExportType (PitchChordManager*, EXPORT_FILEMODE) {}
        virtual void onChangedPitchNameRoule (PitchChordManager* sender, PITCHNAME_SF_Roule rule) = 0;
        virtual void onChangedNoteOrderReplace (PitchChordManager* sender, juce::String noteOrder) = 0;
        virtual void onChangedPitchScale (PitchChordManager*, nubo::PitchScale) {}
        virtual void onChangeTargetMidiMessageManager (PitchChordManager*, MidiMessageManager*) {}
        virtual void onChangeSavedPitchChordManager (PitchChordManager*, PitchChordManager*) {}
    };

    /** A manager whose notes go to target (may be null: then it plays nothing). */
    explicit PitchChordManager (MidiMessageManager* target);

    /** Same target and listeners, the other's values (channel, key, start position and velocity
        brought into range), the default major scale and no saved chord. Notifies nobody. */
    PitchChordManager (const PitchChordManager& other);
    PitchChordManager& operator= (const PitchChordManager&) = delete;

    virtual ~PitchChordManager();

    //==============================================================================
    virtual void sendMidiNoteAllReset();
    /** Queues one note-on per chord tone and remembers them. */
    virtual void sendMidiNoteOn_CurrentChord();
    /** Queues the note-offs of the notes the note-ons sent since the last note-off, or, when
        nothing is held, of the chord the state describes now. */
    virtual void sendMidiNoteOff_CurrentChord();
    /** Turns the pattern and the current chord into chord events and starts the target's step
        sequencer with them. */
    virtual void sendSequenceMidiNote (StepSequencer_Bass* pattern);
    virtual void stopSequenceMidiNote();
    virtual juce::String toXMLString() const;
    /** Reads a state written by toXMLString, through the setters (so with their notifications).
        Text that is not XML changes nothing. */
    virtual void fromXMLString (juce::String text);

    //==============================================================================
    ListnerManager_Base<Listener>& getListenerManager() noexcept { return listeners; }
    void addListner (Listener* l) { listeners.addListner (l); }
    void removeListener (Listener* l) { listeners.removeListener (l); }
    void clearAllListners() { listeners.clearAllListners(); }

    //==============================================================================
    PitchChordManager* getSavedPitchChordManager() const noexcept { return savedPitchChordMgr.get(); }
    juce::String getChordName() const { return chordName; }
    juce::String getChordInvertType() const { return chordInvertType; }
    juce::String getDurationType() const { return durationType; }
    juce::String getNoteReplaceOrder() const { return noteReplaceOrder; }
    PitchScale getPitchScale() const { return pitchScaleInfo; }
    PITCHNAME_SF_Roule getPitchNameRoule() const noexcept { return pitchNameRoule; }
    int getMidiChannel() const noexcept { return midiChannel; }
    int getMainKey() const noexcept { return mainRootKey; }
    int getChordRootPitchNum() const noexcept { return chordRootNum; }
    int getOctaveOffset() const noexcept { return octaveOffset; }
    float getStartPos() const noexcept { return startPos; }
    float getLastStartPos() const noexcept { return lastStartPos; }
    float getVelocity() const noexcept { return velocity; }
    EXPORT_FILEMODE getExportType() const noexcept { return exportType; }
    MidiMessageManager* getTargetMidiMessageManager() const noexcept { return target; }
    ChordGenerator_Base* getCurrentChordGenerator() const noexcept { return currentGenerator; }
    FileCreator_Base* getCurrentFileCreator() const noexcept { return currentFileWriter; }
    SaveFilePathGetter& getSaveFilePathGetter() noexcept { return saveFilePathGetter; }
    pitchChord_InversionTypeSelector& getInversionTypeSelector() noexcept { return inversionTypeSelector; }
    NoteOrderReplace_Selector& getNoteOrderReplaceSelector() noexcept { return noteOrderSelector; }
    FileCreator_Memory& getMemoryNoteSink() noexcept { return memoryNoteSink; }

    //==============================================================================
    /** Limited to 1 … 16. */
    void setMidiChannel (int channel);
    void setChordRootPitchNum (int rootPitch);
    void setChordName (juce::String name);
    void setDurationType (juce::String name);
    void setNoteOrderReplace (juce::String name);
    /** Stored modulo 12, in 0 … 11. */
    void setMainKey (int key);
    void setOctaveOffset (int offset);
    void setStartPos (float position);
    void setLastStartPos (float position);
    /** Limited to 0.0 … 1.0. */
    void setVelocity (float newVelocity);
    void setPitchNameRoule (PITCHNAME_SF_Roule rule);
    /** Stores the name and binds its generator (an unknown name binds Normal); notifies only when
        notify is set. */
    void setChordInvertType (juce::String name, bool notify);
    /** Sets the rule whose display name equals name exactly, and notifies (whatever notify says);
        an unknown name changes nothing. */
    void setPitchNameRouleFromString (juce::String name, bool notify);
    /** Takes ownership of saved, deletes the previous saved chord and notifies. */
    void setSavedPitchChordManager (PitchChordManager* saved);
    /** Stores the mode and binds its file writer (modes other than 1 and 2 keep the writer). */
    void setExportType (EXPORT_FILEMODE mode);
    void setPitchScale (const PitchScale& scale);

    //==============================================================================
    /** The current chord's pitch numbers in delivery order, or ascending when sorted is set. */
    juce::Array<int> getChordTones (bool sorted);
    /** A chord given by the caller, independent of the state: start 0, length 1, channel 1. */
    juce::Array<int> getChordToneChoose (int root, juce::String name, juce::String invertType,
                                         NotesOrderReplace_Base* reorder, bool sorted);
    /** The lowest pitch of the current chord as sounded (0 when it has no tone). */
    int getBassPitchNumberFromChordTone();
    /** The main key's name: C, D♭, D, E♭, E, F, F＃, G, A♭, A, B♭, B. */
    juce::String getMainRootKeyPitchStr() const;
    /** Respells a sharp-table name by the main key: the keys D♭, E♭, F, A♭ and B♭ spell flat. */
    juce::String _getPitchNameByMainKey (juce::String text) const;
    /** Spells a pitch name by the spelling rule. */
    juce::String getPitchNameStringByPitchNameRoule (juce::String text) const;
    /** Root, chord type, bass of an inversion and re-voicing: "CMaj(E)[Bass]". */
    juce::String getFullChordName();

    /** "KEY", " SHARP ＃", " FLAT ♭". */
    static juce::StringArray getPitchNameRouleNameStringArray();
    /** Quarter notes of a duration name: "BAR" 4, "2ND" 2, "4TH" 1, "8TH" 0.5, else 1. */
    static float getLengthOfDurationType (const juce::String& name) noexcept;

    /** Generates the current chord into sink (not cleared here) and returns the bass pitch. */
    int writeCurrentChordTo (FileCreator_Base* sink);

protected:
    /** Calls fn for every listener, in registration order. */
    template <typename Fn>
    void notifyListeners (Fn&& fn)
    {
        listeners.callListeners (std::forward<Fn> (fn));
    }

    /** The root pitch the generator receives: octave offset × 12 + chord root, limited so that no
        chord tone can leave the int range. */
    int getGenerationRoot() const noexcept;

    std::unique_ptr<PitchChordManager> savedPitchChordMgr;
    juce::String chordName { "Maj" };
    juce::String chordInvertType { "Normal" };
    juce::String durationType { "BAR" };
    juce::String noteReplaceOrder { "Normal" };
    PitchScale pitchScaleInfo;
    PITCHNAME_SF_Roule pitchNameRoule = PITCHNAME_ROULE_KEY;
    int midiChannel = 1;
    int mainRootKey = 0;
    int chordRootNum = 60;
    int octaveOffset = 0;
    float startPos = 0.0f;
    float lastStartPos = 0.0f;
    float velocity = 0.79f;
    pitchChord_InversionTypeSelector inversionTypeSelector;
    NoteOrderReplace_Selector noteOrderSelector;
    EXPORT_FILEMODE exportType = EXPORT_FILEMODE_MIDI;
    FileCreator_Memory memoryNoteSink;
    FileCreator_Midi midiFileWriter;
    FileCreator_StudioOne studioOneWriter;
    ChordGenerator_Base* currentGenerator = nullptr;
    FileCreator_Base* currentFileWriter = nullptr;
    SaveFilePathGetter saveFilePathGetter;
    MidiMessageManager* target = nullptr;
    ListnerManager_Base<Listener> listeners;

private:
    struct HeldNote
    {
        int channel;
        int noteNumber;
        int velocityByte;
    };

    void bindFileWriter() noexcept;
    void readState (const juce::XmlElement& element, bool readSavedChord);
    int generateCurrentChord (FileCreator_Base* sink);

    // Notes sent by note-ons that no note-off has switched off yet.
    std::vector<HeldNote> heldNotes;

    JUCE_LEAK_DETECTOR (PitchChordManager)
};

} // namespace nubo

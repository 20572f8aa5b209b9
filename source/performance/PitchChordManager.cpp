#include "performance/PitchChordManager.h"

#include "engine/MidiMessageManager.h"
#include "engine/SafeXml.h"
#include "performance/StepSequencer_Bass.h"
#include "theory/ChordGenerator.h"
#include "theory/ChordGenerator_Base.h"
#include "theory/Define_PitchName.h"
#include "theory/PitchNameInfo.h"

#include <cmath>

namespace nubo
{

namespace
{
    int normaliseKey (int key) noexcept
    {
        const auto r = key % 12;
        return r < 0 ? r + 12 : r;
    }

    float limitVelocity (double v) noexcept
    {
        if (std::isnan (v))
            return 0.0f;

        return static_cast<float> (juce::jlimit (0.0, 1.0, v));
    }

    juce::String velocityText (float v)
    {
        return FileCreator_StudioOne::formatFloat (v);
    }

    bool isNormalInversionName (const juce::String& name)
    {
        static const juce::String normalJa (juce::CharPointer_UTF8 (u8"基本形"));
        return name == normalJa || name == "Normal";
    }

    bool isPlainNoteOrderName (const juce::String& name)
    {
        static const juce::String standardJa (juce::CharPointer_UTF8 (u8"標準"));
        static const juce::String syncJa (juce::CharPointer_UTF8 (u8"同期"));
        return name == standardJa || name == "Normal" || name == syncJa || name == "Sync";
    }
} // namespace

//==============================================================================
PitchChordManager::PitchChordManager (MidiMessageManager* newTarget)
    : saveFilePathGetter (*this)
    , target (newTarget)
{
    currentGenerator = inversionTypeSelector.getChordGeneratorFromTypeString (chordInvertType);
    bindFileWriter();
}

PitchChordManager::PitchChordManager (const PitchChordManager& other)
    : chordName (other.chordName)
    , chordInvertType (other.chordInvertType)
    , durationType (other.durationType)
    , noteReplaceOrder (other.noteReplaceOrder)
    , pitchNameRoule (other.pitchNameRoule)
    , midiChannel (juce::jlimit (1, 16, other.midiChannel))
    , mainRootKey (normaliseKey (other.mainRootKey))
    , chordRootNum (other.chordRootNum)
    , octaveOffset (other.octaveOffset)
    , startPos (other.startPos < 0.0f ? 0.0f : other.startPos)
    , lastStartPos (other.lastStartPos)
    , velocity (limitVelocity (other.velocity))
    , exportType (other.exportType)
    , saveFilePathGetter (*this)
    , target (other.target)
    , listeners (other.listeners)
{
    currentGenerator = inversionTypeSelector.getChordGeneratorFromTypeString (chordInvertType);
    bindFileWriter();
}

PitchChordManager::~PitchChordManager() = default;

void PitchChordManager::bindFileWriter() noexcept
{
    if (exportType == EXPORT_FILEMODE_MIDI)
        currentFileWriter = &midiFileWriter;
    else if (exportType == EXPORT_FILEMODE_STUDIOONE)
        currentFileWriter = &studioOneWriter;
    else if (currentFileWriter == nullptr)
        currentFileWriter = &midiFileWriter; // a copy of an unknown mode starts with the default writer
}

//==============================================================================
void PitchChordManager::setMidiChannel (int channel)
{
    midiChannel = juce::jlimit (1, 16, channel);
    notifyListeners ([this] (Listener& l) { l.onChangedMidiChannel (this, midiChannel); });
}

void PitchChordManager::setChordRootPitchNum (int rootPitch)
{
    chordRootNum = rootPitch;
    notifyListeners ([this] (Listener& l) { l.onChangedChordRootPitchNum (this, chordRootNum); });
}

void PitchChordManager::setChordName (juce::String name)
{
    chordName = std::move (name);
    notifyListeners ([this] (Listener& l) { l.onChangedChordName (this, chordName); });
}

void PitchChordManager::setDurationType (juce::String name)
{
    durationType = std::move (name);
    notifyListeners ([this] (Listener& l) { l.onChangedDurationType (this, durationType); });
}

void PitchChordManager::setNoteOrderReplace (juce::String name)
{
    noteReplaceOrder = std::move (name);
    notifyListeners ([this] (Listener& l) { l.onChangedNoteOrderReplace (this, noteReplaceOrder); });
}

void PitchChordManager::setMainKey (int key)
{
    mainRootKey = normaliseKey (key);
    notifyListeners ([this] (Listener& l) { l.onChangedMainKey (this, mainRootKey); });
}

void PitchChordManager::setOctaveOffset (int offset)
{
    octaveOffset = offset;
    notifyListeners ([this] (Listener& l) { l.onChangedOctaveOffset (this, octaveOffset); });
}

void PitchChordManager::setStartPos (float position)
{
    startPos = position;
    notifyListeners ([this] (Listener& l) { l.onChangedStartPos (this, startPos); });
}

void PitchChordManager::setLastStartPos (float position)
{
    lastStartPos = position;
    notifyListeners ([this] (Listener& l) { l.onChangedLastStartPos (this, lastStartPos); });
}

void PitchChordManager::setVelocity (float newVelocity)
{
    velocity = limitVelocity (newVelocity);
    notifyListeners ([this] (Listener& l) { l.onChangedVelocity (this, velocity); });
}

void PitchChordManager::setPitchNameRoule (PITCHNAME_SF_Roule rule)
{
    pitchNameRoule = rule;
    notifyListeners ([this] (Listener& l) { l.onChangedPitchNameRoule (this, pitchNameRoule); });
}

void PitchChordManager::setChordInvertType (juce::String name, bool notify)
{
    chordInvertType = std::move (name);
    currentGenerator = inversionTypeSelector.getChordGeneratorFromTypeString (chordInvertType);

    if (notify)
        notifyListeners ([this] (Listener& l) { l.onChangedChordInvertType (this, chordInvertType); });
}

void PitchChordManager::setPitchNameRouleFromString (juce::String name, bool)
{
    const auto index = getPitchNameRouleNameStringArray().indexOf (name);

    if (index >= 0)
        setPitchNameRoule (static_cast<PITCHNAME_SF_Roule> (index));
}

void PitchChordManager::setSavedPitchChordManager (PitchChordManager* saved)
{
    if (saved != savedPitchChordMgr.get())
        savedPitchChordMgr.reset (saved);

    notifyListeners ([this, saved] (Listener& l) { l.onChangeSavedPitchChordManager (this, saved); });
}

void PitchChordManager::setExportType (EXPORT_FILEMODE mode)
{
    exportType = mode;
    bindFileWriter();
    notifyListeners ([this] (Listener& l) { l.onChangedExportType (this, exportType); });
}

void PitchChordManager::setPitchScale (const PitchScale& scale)
{
    pitchScaleInfo = scale;
    notifyListeners ([this] (Listener& l) { l.onChangedPitchScale (this, pitchScaleInfo); });
}

//==============================================================================
float PitchChordManager::getLengthOfDurationType (const juce::String& name) noexcept
{
    if (name == "BAR")
        return 4.0f;
    if (name == "2ND")
        return 2.0f;
    if (name == "4TH")
        return 1.0f;
    if (name == "8TH")
        return 0.5f;
    return 1.0f;
}

juce::StringArray PitchChordManager::getPitchNameRouleNameStringArray()
{
    static const juce::StringArray names { "KEY",
                                           juce::String (" SHARP ") + juce::String (juce::CharPointer_UTF8 (u8"＃")),
                                           juce::String (" FLAT ") + juce::String (juce::CharPointer_UTF8 (u8"♭")) };
    return names;
}

int PitchChordManager::getGenerationRoot() const noexcept
{
    const auto root = static_cast<juce::int64> (octaveOffset) * 12 + chordRootNum;
    const auto limit = static_cast<juce::int64> (ChordGenerator_Base::maxRootMagnitude);
    return static_cast<int> (juce::jlimit (-limit, limit, root));
}

int PitchChordManager::generateCurrentChord (FileCreator_Base* sink)
{
    auto* reorder = noteOrderSelector.getNoteReplaceByTypeString (noteReplaceOrder);
    return ChordGenerator::checkAndExecute (currentGenerator, sink, reorder, chordName, getGenerationRoot(),
                                            startPos, getLengthOfDurationType (durationType), velocity, midiChannel);
}

int PitchChordManager::writeCurrentChordTo (FileCreator_Base* sink)
{
    return generateCurrentChord (sink);
}

juce::Array<int> PitchChordManager::getChordTones (bool sorted)
{
    memoryNoteSink.clear();
    generateCurrentChord (&memoryNoteSink);
    return memoryNoteSink.getNotesAsPitchNumber (sorted);
}

juce::Array<int> PitchChordManager::getChordToneChoose (int root, juce::String name, juce::String invertType,
                                                        NotesOrderReplace_Base* reorder, bool sorted)
{
    memoryNoteSink.clear();
    auto* generator = inversionTypeSelector.getChordGeneratorFromTypeString (invertType);
    ChordGenerator::checkAndExecute (generator, &memoryNoteSink, reorder, name, root, 0.0f, 1.0f, velocity, 1);
    return memoryNoteSink.getNotesAsPitchNumber (sorted);
}

int PitchChordManager::getBassPitchNumberFromChordTone()
{
    memoryNoteSink.clear();
    return generateCurrentChord (&memoryNoteSink);
}

juce::String PitchChordManager::getMainRootKeyPitchStr() const
{
    return PitchNameInfo::convertPitchStringToCircleofFifth (Define_PitchName::getPitchClassName (normaliseKey (mainRootKey), false));
}

juce::String PitchChordManager::_getPitchNameByMainKey (juce::String text) const
{
    static const juce::String flatSign (juce::CharPointer_UTF8 (u8"♭"));
    static const juce::String sharpSign (juce::CharPointer_UTF8 (u8"＃"));
    const auto keyName = getMainRootKeyPitchStr();

    if (keyName.contains (flatSign))
        return PitchNameInfo::convertSharpFlatPitchNameToF (text, false);

    if (keyName.contains ("F") && ! keyName.contains (sharpSign))
        return PitchNameInfo::convertSharpFlatPitchNameToF (text, false);

    return text;
}

juce::String PitchChordManager::getPitchNameStringByPitchNameRoule (juce::String text) const
{
    switch (static_cast<int> (pitchNameRoule))
    {
        case PITCHNAME_ROULE_KEY:
            return _getPitchNameByMainKey (text);
        case PITCHNAME_ROULE_SHARP:
            return PitchNameInfo::convertSharpFlatPitchNameToS (text, false);
        case PITCHNAME_ROULE_FLAT:
            return PitchNameInfo::convertSharpFlatPitchNameToF (text, false);
        default:
            return {};
    }
}

juce::String PitchChordManager::getFullChordName()
{
    const auto rootName = Define_PitchName::getPitchClassName (chordRootNum, false);

    if (chordName == "---")
        return "---";

    juce::String bassPart;

    if (! isNormalInversionName (chordInvertType))
    {
        const auto bass = getBassPitchNumberFromChordTone();
        bassPart = "(" + _getPitchNameByMainKey (Define_PitchName::getPitchClassName (bass, false)) + ")";
    }

    juce::String orderPart;

    if (! isPlainNoteOrderName (noteReplaceOrder))
        orderPart = "[" + noteReplaceOrder + "]";

    return getPitchNameStringByPitchNameRoule (rootName) + chordName + bassPart + orderPart;
}

//==============================================================================
void PitchChordManager::sendMidiNoteAllReset()
{
    if (target == nullptr)
        return;

    target->requestAllMidiReset();
    heldNotes.clear(); // the reset switches every note off
}

void PitchChordManager::sendMidiNoteOn_CurrentChord()
{
    if (target == nullptr)
        return;

    const auto velocityByte = truncatedVelocityByte (velocity);

    for (auto tone : getChordTones (false))
    {
        const auto noteOn = makeNoteOn (midiChannel, tone, velocityByte);
        target->addMidiMessageQue (noteOn);
        heldNotes.push_back ({ noteOn.getChannel(), noteOn.getNoteNumber(), velocityByte });
    }
}

void PitchChordManager::sendMidiNoteOff_CurrentChord()
{
    if (target == nullptr)
        return;

    if (! heldNotes.empty())
    {
        // Exactly the notes the note-ons sent, whatever changed in the state since.
        for (const auto& n : heldNotes)
            target->addMidiMessageQue (makeNoteOff (n.channel, n.noteNumber, n.velocityByte));

        heldNotes.clear();
        return;
    }

    const auto velocityByte = truncatedVelocityByte (velocity);

    for (auto tone : getChordTones (false))
        target->addMidiMessageQue (makeNoteOff (midiChannel, tone, velocityByte));
}

void PitchChordManager::sendSequenceMidiNote (StepSequencer_Bass* pattern)
{
    namespace Names = STEPSEQUNCER_ONESTEP_VARIATION_TYPE_NAME;

    if (target == nullptr || pattern == nullptr)
        return;

    const auto records = pattern->getQnTimingData();
    juce::Array<One_SequenceMidiNote> events;
    auto* ownReorder = noteOrderSelector.getNoteReplaceByTypeString (noteReplaceOrder);

    for (const auto& record : records)
    {
        if (record.name == Names::STEP_VARIATION_NOTE_OFF)
            continue; // a rest produces no event

        memoryNoteSink.clear();

        ChordGenerator_Base* generator = nullptr;

        if (record.name == Names::STEP_VARIATION_NOTE_Inversion1)
            generator = inversionTypeSelector.getChordGeneratorFromTypeString ("Inversion 1");
        else if (record.name == Names::STEP_VARIATION_NOTE_Inversion2)
            generator = inversionTypeSelector.getChordGeneratorFromTypeString ("Inversion 2");
        else if (record.name == Names::STEP_VARIATION_NOTE_Inversion3)
            generator = inversionTypeSelector.getChordGeneratorFromTypeString ("Inversion 3");
        else if (record.name == Names::STEP_VARIATION_NOTE_Depend)
            generator = currentGenerator;
        else
            generator = inversionTypeSelector.getChordGeneratorFromTypeString ("Normal");

        const auto option = record.getStringVectorValue ("NOTE_ORDER_TYPENAME");
        auto* reorder = noteOrderSelector.getNoteReplaceByTypeString (juce::String::fromUTF8 (option.c_str(), static_cast<int> (option.size())));

        if (reorder == nullptr)
            reorder = ownReorder;

        ChordGenerator::checkAndExecute (generator, &memoryNoteSink, reorder, chordName, getGenerationRoot(),
                                         startPos, getLengthOfDurationType (durationType), velocity, midiChannel);

        const auto noteVelocity = limitVelocity (static_cast<double> (velocity) * record.value);
        juce::Array<MidiNoteInfo> notes;

        for (auto tone : memoryNoteSink.getNotesAsPitchNumber (false))
            notes.add (MidiNoteInfo (tone, noteVelocity, midiChannel));

        One_SequenceMidiNote event;
        event.setMidiNotes (notes);
        event.timing = record;
        events.add (event);
    }

    // The events are linked in order by the sequencer when it takes them over.
    target->getSequencer().loadAndStartSequence (events);
}

void PitchChordManager::stopSequenceMidiNote()
{
    if (target != nullptr)
        target->getSequencer().stopSequence();
}

//==============================================================================
juce::String PitchChordManager::toXMLString() const
{
    juce::XmlElement root ("PitchNameString");
    auto* savedElement = root.createNewChildElement ("SavedPitchChordMgr");

    const auto writeValues = [] (juce::XmlElement& e, const PitchChordManager& m) {
        e.setAttribute ("chordName", m.chordName);
        e.setAttribute ("chordInvertType", m.chordInvertType);
        e.setAttribute ("durationType", m.durationType);
        e.setAttribute ("midiChannel", m.midiChannel);
        e.setAttribute ("mainRootKey", m.mainRootKey);
        e.setAttribute ("chordRootNum", m.chordRootNum);
        e.setAttribute ("octaveOffset", m.octaveOffset);
        e.setAttribute ("velocity", velocityText (m.velocity));
        e.setAttribute ("pitchNameRoule", static_cast<int> (m.pitchNameRoule));
    };

    writeValues (root, *this);
    root.setAttribute ("noteReplaceOrder", noteReplaceOrder);
    root.addChildElement (pitchScaleInfo.toXmlElement().release());

    if (savedPitchChordMgr != nullptr)
    {
        root.setAttribute ("isHasSavedInfo", 1);
        writeValues (*savedElement, *savedPitchChordMgr);
    }
    else
    {
        root.setAttribute ("isHasSavedInfo", 0);
    }

    juce::XmlElement::TextFormat format;
    format.customEncoding = "UTF-8";
    format.lineWrapLength = 60;
    return root.toString (format);
}

void PitchChordManager::fromXMLString (juce::String text)
{
    const auto document = SafeXml::parse (text);

    if (document == nullptr)
        return;

    readState (*document, true);
}

void PitchChordManager::readState (const juce::XmlElement& e, bool readSavedChord)
{
    setMidiChannel (SafeXml::intAttribute (e, "midiChannel", 1));
    setChordName (e.getStringAttribute ("chordName", "Maj"));
    setDurationType (e.getStringAttribute ("durationType", "BAR"));
    setMainKey (SafeXml::intAttribute (e, "mainRootKey", 0));
    setOctaveOffset (SafeXml::intAttribute (e, "octaveOffset", 0));
    setChordRootPitchNum (SafeXml::intAttribute (e, "chordRootNum", 0));
    setStartPos (0.0f);
    setLastStartPos (0.0f);
    setVelocity (limitVelocity (SafeXml::doubleAttribute (e, "velocity", 0.79)));
    setChordInvertType (e.getStringAttribute ("chordInvertType", "Normal"), true);
    setPitchNameRoule (static_cast<PITCHNAME_SF_Roule> (SafeXml::intAttribute (e, "pitchNameRoule", 0)));
    setNoteOrderReplace (e.getStringAttribute ("noteReplaceOrder", "Normal"));

    if (auto* scale = SafeXml::findChildIgnoreCase (e, "pitchScaleInfo"))
        pitchScaleInfo.fromXmlElement (*scale);

    if (! readSavedChord)
        return; // a saved chord keeps no saved chord of its own

    auto* savedElement = SafeXml::findChildIgnoreCase (e, "SavedPitchChordMgr");

    if (e.getBoolAttribute ("isHasSavedInfo") && savedElement != nullptr)
    {
        // A copy with the values just read; its own reading notifies the same listeners.
        savedPitchChordMgr = std::make_unique<PitchChordManager> (*this);
        savedPitchChordMgr->readState (*savedElement, false);
    }
    else
    {
        savedPitchChordMgr.reset();
    }
}

} // namespace nubo

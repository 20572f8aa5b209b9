#include "ChordStateTestSupport.h"

#include "engine/MidiMessageManager.h"
#include "engine/SafeXml.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace
{

using nubo::PitchChordManager;
using nubo::test::RecordingListener;
using nubo::test::utf8;
using Events = std::vector<std::string>;

TEST (PitchChordManagerState, DurationTypesGiveTheirLengthInQuarterNotes)
{
    const std::pair<const char*, float> durations[] { { "BAR", 4.0f }, { "2ND", 2.0f }, { "4TH", 1.0f }, { "8TH", 0.5f }, { "bar", 1.0f }, { "", 1.0f }, { "16TH", 1.0f } };
    for (const auto& [name, length] : durations)
        EXPECT_EQ (nubo::PitchChordManager::getLengthOfDurationType (name), length) << name;
}

TEST (PitchChordManagerState, StartsWithTheDefaultChord)
{
    PitchChordManager m (nullptr);

    EXPECT_EQ (m.getChordName(), "Maj");
    EXPECT_EQ (m.getChordInvertType(), "Normal");
    EXPECT_EQ (m.getDurationType(), "BAR");
    EXPECT_EQ (m.getNoteReplaceOrder(), "Normal");
    EXPECT_EQ (m.getPitchScale().getName(), "Major");
    EXPECT_EQ (m.getPitchNameRoule(), PitchChordManager::PITCHNAME_ROULE_KEY);
    EXPECT_EQ (m.getMidiChannel(), 1);
    EXPECT_EQ (m.getMainKey(), 0);
    EXPECT_EQ (m.getChordRootPitchNum(), 60);
    EXPECT_EQ (m.getOctaveOffset(), 0);
    EXPECT_FLOAT_EQ (m.getVelocity(), 0.79f);
    EXPECT_EQ (m.getExportType(), PitchChordManager::EXPORT_FILEMODE_MIDI);
    EXPECT_EQ (m.getSavedPitchChordManager(), nullptr);
    EXPECT_EQ (m.getFullChordName(), "CMaj");
    EXPECT_EQ (m.getChordTones (false), juce::Array<int> ({ 60, 64, 67 }));
}

TEST (PitchChordManagerState, WritesTheExactDefaultText)
{
    PitchChordManager m (nullptr);

    // The framework writes its documents with CR LF line ends.
    const juce::StringArray lines {
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
        "",
        "<PitchNameString chordName=\"Maj\" chordInvertType=\"Normal\" durationType=\"BAR\" midiChannel=\"1\"",
        "                 mainRootKey=\"0\" chordRootNum=\"60\" octaveOffset=\"0\" velocity=\"0.79000002145767211914\"",
        "                 pitchNameRoule=\"0\" noteReplaceOrder=\"Normal\" isHasSavedInfo=\"0\">",
        "  <SavedPitchChordMgr/>",
        "  <pitchScaleInfo name=\"Major\">",
        "    <tones>",
        "      <T value=\"1\"/>",
        "      <T value=\"0\"/>",
        "      <T value=\"2\"/>",
        "      <T value=\"0\"/>",
        "      <T value=\"3\"/>",
        "      <T value=\"4\"/>",
        "      <T value=\"0\"/>",
        "      <T value=\"5\"/>",
        "      <T value=\"0\"/>",
        "      <T value=\"6\"/>",
        "      <T value=\"0\"/>",
        "      <T value=\"7\"/>",
        "    </tones>",
        "  </pitchScaleInfo>",
        "</PitchNameString>"
    };
    const auto expected = lines.joinIntoString ("\r\n") + "\r\n";

    EXPECT_EQ (m.toXMLString(), expected);
}

TEST (PitchChordManagerState, EverySetterLimitsItsValueAndNotifiesOnce)
{
    struct Case
    {
        const char* label;
        std::function<void (PitchChordManager&)> set;
        std::string event;
        std::function<bool (const PitchChordManager&)> holds;
    };

    const Case cases[] {
        { "channel 0", [] (auto& m) { m.setMidiChannel (0); }, "midiChannel=1", [] (auto& m) { return m.getMidiChannel() == 1; } },
        { "channel 20", [] (auto& m) { m.setMidiChannel (20); }, "midiChannel=16", [] (auto& m) { return m.getMidiChannel() == 16; } },
        { "key -1", [] (auto& m) { m.setMainKey (-1); }, "mainKey=11", [] (auto& m) { return m.getMainKey() == 11; } },
        { "key 13", [] (auto& m) { m.setMainKey (13); }, "mainKey=1", [] (auto& m) { return m.getMainKey() == 1; } },
        { "key -13", [] (auto& m) { m.setMainKey (-13); }, "mainKey=11", [] (auto& m) { return m.getMainKey() == 11; } },
        { "key INT_MIN", [] (auto& m) { m.setMainKey (std::numeric_limits<int>::min()); }, "mainKey=4", [] (auto& m) { return m.getMainKey() == 4; } },
        { "velocity 1.5", [] (auto& m) { m.setVelocity (1.5f); }, "velocity=1", [] (auto& m) { return m.getVelocity() == 1.0f; } },
        { "velocity -1", [] (auto& m) { m.setVelocity (-1.0f); }, "velocity=0", [] (auto& m) { return m.getVelocity() == 0.0f; } },
        { "velocity NaN", [] (auto& m) { m.setVelocity (std::nanf ("")); }, "velocity=0", [] (auto& m) { return m.getVelocity() == 0.0f; } },
        { "root as given", [] (auto& m) { m.setChordRootPitchNum (-5); }, "chordRoot=-5", [] (auto& m) { return m.getChordRootPitchNum() == -5; } },
        { "octave as given", [] (auto& m) { m.setOctaveOffset (9); }, "octave=9", [] (auto& m) { return m.getOctaveOffset() == 9; } },
        { "chord name", [] (auto& m) { m.setChordName ("m7"); }, "chordName=m7", [] (auto& m) { return m.getChordName() == "m7"; } },
        { "duration", [] (auto& m) { m.setDurationType ("8TH"); }, "duration=8TH", [] (auto& m) { return m.getDurationType() == "8TH"; } },
        { "note order", [] (auto& m) { m.setNoteOrderReplace ("Top"); }, "noteOrder=Top", [] (auto& m) { return m.getNoteReplaceOrder() == "Top"; } },
        { "start", [] (auto& m) { m.setStartPos (-2.0f); }, "startPos=-2", [] (auto& m) { return m.getStartPos() == -2.0f; } },
        { "last start", [] (auto& m) { m.setLastStartPos (3.5f); }, "lastStartPos=3.5", [] (auto& m) { return m.getLastStartPos() == 3.5f; } },
        { "rule", [] (auto& m) { m.setPitchNameRoule (PitchChordManager::PITCHNAME_ROULE_FLAT); }, "rule=2", [] (auto& m) { return m.getPitchNameRoule() == 2; } },
        { "invert notify", [] (auto& m) { m.setChordInvertType ("Inversion 2", true); }, "invertType=Inversion 2", [] (auto& m) { return m.getChordInvertType() == "Inversion 2"; } },
        { "export type", [] (auto& m) { m.setExportType (PitchChordManager::EXPORT_FILEMODE_STUDIOONE); }, "exportType=2", [] (auto& m) { return m.getExportType() == 2; } },
        { "scale", [] (auto& m) { m.setPitchScale (nubo::PitchScale_Info::Scale_7th_Dorian); }, "scale=Dorian", [] (auto& m) { return m.getPitchScale().getName() == "Dorian"; } },
        { "saved", [] (auto& m) { m.setSavedPitchChordManager (new PitchChordManager (m)); }, "saved=set", [] (auto& m) { return m.getSavedPitchChordManager() != nullptr; } },
        { "rule by name", [] (auto& m) { m.setPitchNameRouleFromString (PitchChordManager::getPitchNameRouleNameStringArray()[2], false); }, "rule=2", [] (auto& m) { return m.getPitchNameRoule() == 2; } },
    };

    for (const auto& c : cases)
    {
        PitchChordManager m (nullptr);
        RecordingListener l;
        m.addListner (&l);
        c.set (m);
        EXPECT_EQ (l.events, Events { c.event }) << c.label;
        EXPECT_EQ (l.senders, std::vector<PitchChordManager*> { &m }) << c.label;
        EXPECT_TRUE (c.holds (m)) << c.label;
    }
}

TEST (PitchChordManagerState, SettersThatChangeNothingOrStaySilent)
{
    PitchChordManager m (nullptr);
    RecordingListener l;
    m.addListner (&l);

    // Inversion type without notification, but with the generator rebound.
    m.setChordInvertType ("Inversion 1", false);
    EXPECT_TRUE (l.events.empty());
    EXPECT_EQ (m.getChordTones (false), juce::Array<int> ({ 60, 52, 55 }));
    m.setChordInvertType ("inversion 1", false); // letter case matters: the Normal generator
    EXPECT_EQ (m.getChordTones (false), juce::Array<int> ({ 60, 64, 67 }));

    // Rule display names compare exactly.
    m.setPitchNameRouleFromString ("FLAT", true);
    m.setPitchNameRouleFromString ("flat", true);
    EXPECT_TRUE (l.events.empty());
    EXPECT_EQ (m.getPitchNameRoule(), 0);

    const auto names = PitchChordManager::getPitchNameRouleNameStringArray();
    ASSERT_EQ (names.size(), 3);
    EXPECT_EQ (names[0], "KEY");
    EXPECT_EQ (names[1], utf8 (u8" SHARP ＃"));
    EXPECT_EQ (names[2], utf8 (u8" FLAT ♭"));

    // Export modes other than 1 and 2 keep the writer.
    auto* writer = m.getCurrentFileCreator();
    m.setExportType (static_cast<PitchChordManager::EXPORT_FILEMODE> (7));
    EXPECT_EQ (m.getCurrentFileCreator(), writer);
    m.setExportType (PitchChordManager::EXPORT_FILEMODE_STUDIOONE);
    EXPECT_NE (m.getCurrentFileCreator(), writer);
}

TEST (PitchChordManagerState, ListenerRegistrationCollapsesAdjacentDuplicatesOnAdd)
{
    PitchChordManager m (nullptr);
    RecordingListener a, b;

    m.addListner (&a);
    m.addListner (&a);
    m.setOctaveOffset (1);
    EXPECT_EQ (a.events.size(), 2u); // registered twice

    m.addListner (&b); // collapses the pair first
    EXPECT_EQ (m.getListenerManager().getListenerPointer(), (std::vector<PitchChordManager::Listener*> { &a, &b }));

    m.addListner (nullptr);
    m.removeListener (&a);
    m.removeListener (&a); // not registered any more: nothing
    a.clear();
    m.setOctaveOffset (2);
    EXPECT_TRUE (a.events.empty());
    EXPECT_EQ (b.events.back(), "octave=2");

    m.clearAllListners();
    b.clear();
    m.setOctaveOffset (3);
    EXPECT_TRUE (b.events.empty());
}

TEST (PitchChordManagerState, ListenerMayRemoveListenersWhileNotified)
{
    struct Remover : RecordingListener
    {
        PitchChordManager* owner = nullptr;
        RecordingListener* victim = nullptr;

        void onChangedOctaveOffset (PitchChordManager* s, int v) override
        {
            RecordingListener::onChangedOctaveOffset (s, v);
            owner->removeListener (this);
            owner->removeListener (victim);
        }
    };

    PitchChordManager m (nullptr);
    RecordingListener victim;
    Remover remover;
    remover.owner = &m;
    remover.victim = &victim;
    m.addListner (&remover);
    m.addListner (&victim);

    m.setOctaveOffset (1);
    EXPECT_EQ (remover.events.size(), 1u);
    EXPECT_TRUE (m.getListenerManager().getListenerPointer().empty());
}

TEST (PitchChordManagerState, ReadingAnEmptyRootNotifiesInReadingOrderWithDefaults)
{
    PitchChordManager m (nullptr);
    m.setChordRootPitchNum (65);
    m.setMidiChannel (5);
    m.setSavedPitchChordManager (new PitchChordManager (m));
    RecordingListener l;
    m.addListner (&l);

    m.fromXMLString ("<anything/>");

    const Events expected { "midiChannel=1", "chordName=Maj", "duration=BAR", "mainKey=0", "octave=0",
                            "chordRoot=0", "startPos=0", "lastStartPos=0", "velocity=0.79",
                            "invertType=Normal", "rule=0", "noteOrder=Normal" };
    EXPECT_EQ (l.events, expected);
    EXPECT_EQ (m.getChordRootPitchNum(), 0); // not 60
    EXPECT_EQ (m.getSavedPitchChordManager(), nullptr);
}

TEST (PitchChordManagerState, ReadingLimitsValuesLikeTheSetters)
{
    struct Case
    {
        const char* attributes;
        std::function<bool (const PitchChordManager&)> holds;
    };

    const Case cases[] {
        { "midiChannel=\"0\"", [] (auto& m) { return m.getMidiChannel() == 1; } },
        { "midiChannel=\"20\"", [] (auto& m) { return m.getMidiChannel() == 16; } },
        { "midiChannel=\"7abc\"", [] (auto& m) { return m.getMidiChannel() == 7; } },
        { "velocity=\"1.5\"", [] (auto& m) { return m.getVelocity() == 1.0f; } },
        { "velocity=\"1e999\"", [] (auto& m) { return m.getVelocity() == 1.0f; } },
        { "velocity=\"-3\"", [] (auto& m) { return m.getVelocity() == 0.0f; } },
        { "mainRootKey=\"-1\"", [] (auto& m) { return m.getMainKey() == 11; } },
        { "mainRootKey=\"13\"", [] (auto& m) { return m.getMainKey() == 1; } },
        { "chordRootNum=\"99999999999999999999\"", [] (auto& m) { return m.getChordRootPitchNum() == std::numeric_limits<int>::max(); } },
        { "octaveOffset=\"-99999999999999\"", [] (auto& m) { return m.getOctaveOffset() == std::numeric_limits<int>::min(); } },
        { "octaveOffset=\"1000000000\"", [] (auto& m) { return m.getOctaveOffset() == 1000000000; } },
        { "pitchNameRoule=\"2\"", [] (auto& m) { return m.getPitchNameRoule() == 2; } },
    };

    for (const auto& c : cases)
    {
        PitchChordManager m (nullptr);
        m.fromXMLString (juce::String ("<PitchNameString ") + c.attributes + "/>");
        EXPECT_TRUE (c.holds (m)) << c.attributes;
    }
}

TEST (PitchChordManagerState, TextThatIsNotXmlChangesNothing)
{
    // Texts the framework's parser rejects (it accepts some unbalanced documents, which then read
    // as a root element).
    for (const char* text : { "", "not xml at all", "<?xml version=\"1.0\"", "<a b></a>", "<a b=\"1\" !></a>", "   " })
    {
        PitchChordManager m (nullptr);
        m.setChordRootPitchNum (62);
        RecordingListener l;
        m.addListner (&l);

        const auto before = m.toXMLString();
        m.fromXMLString (text);
        EXPECT_TRUE (l.events.empty()) << text;
        EXPECT_EQ (m.toXMLString(), before) << text;
    }
}

void giveNonDefaultValues (PitchChordManager& m)
{
    m.setChordName (utf8 (u8"m7¯5"));
    m.setChordInvertType (utf8 (u8"第２転"), true);
    m.setDurationType ("8TH");
    m.setNoteOrderReplace (utf8 (u8"ベース,トップ"));
    m.setMidiChannel (9);
    m.setMainKey (10);
    m.setChordRootPitchNum (63);
    m.setOctaveOffset (-2);
    m.setVelocity (0.33f);
    m.setPitchNameRoule (PitchChordManager::PITCHNAME_ROULE_SHARP);
    m.setPitchScale (nubo::PitchScale_Info::Scale_7th_Locrian);
}

void expectSameValues (PitchChordManager& a, PitchChordManager& b, bool withScaleAndOrder)
{
    EXPECT_EQ (a.getChordName(), b.getChordName());
    EXPECT_EQ (a.getChordInvertType(), b.getChordInvertType());
    EXPECT_EQ (a.getDurationType(), b.getDurationType());
    EXPECT_EQ (a.getMidiChannel(), b.getMidiChannel());
    EXPECT_EQ (a.getMainKey(), b.getMainKey());
    EXPECT_EQ (a.getChordRootPitchNum(), b.getChordRootPitchNum());
    EXPECT_EQ (a.getOctaveOffset(), b.getOctaveOffset());
    EXPECT_EQ (a.getVelocity(), b.getVelocity());
    EXPECT_EQ (a.getPitchNameRoule(), b.getPitchNameRoule());

    if (withScaleAndOrder)
    {
        EXPECT_EQ (a.getNoteReplaceOrder(), b.getNoteReplaceOrder());
        EXPECT_TRUE (a.getPitchScale() == b.getPitchScale());
    }
}

TEST (PitchChordManagerState, RoundTripsWithAndWithoutASavedChord)
{
    PitchChordManager source (nullptr);
    giveNonDefaultValues (source);

    PitchChordManager plain (nullptr);
    plain.fromXMLString (source.toXMLString());
    expectSameValues (source, plain, true);
    EXPECT_EQ (plain.getSavedPitchChordManager(), nullptr);
    EXPECT_EQ (plain.getFullChordName(), source.getFullChordName());

    // Save a chord, then change the main one.
    source.setSavedPitchChordManager (new PitchChordManager (source));
    source.getSavedPitchChordManager()->setChordRootPitchNum (50);
    source.getSavedPitchChordManager()->setVelocity (1.0f);
    source.setChordName ("sus4");

    PitchChordManager restored (nullptr);
    RecordingListener l;
    restored.addListner (&l);
    restored.fromXMLString (source.toXMLString());
    expectSameValues (source, restored, true);

    auto* saved = restored.getSavedPitchChordManager();
    ASSERT_NE (saved, nullptr);
    expectSameValues (*source.getSavedPitchChordManager(), *saved, false);
    EXPECT_EQ (saved->getChordRootPitchNum(), 50);
    EXPECT_EQ (saved->getSavedPitchChordManager(), nullptr);

    // The saved chord carries no scale and no re-voicing: they read back as the defaults.
    EXPECT_EQ (saved->getPitchScale().getName(), "Major");
    EXPECT_EQ (saved->getNoteReplaceOrder(), "Normal");

    // Both readings notified the same listener, the second naming the saved copy; the saved
    // chord itself raised no saved-chord notification.
    ASSERT_EQ (l.events.size(), 24u);
    EXPECT_EQ (l.senders.front(), &restored);
    EXPECT_EQ (l.senders.back(), saved);
    EXPECT_EQ (std::count (l.events.begin(), l.events.end(), "saved=set"), 0);
    EXPECT_EQ (l.events[12 + 5], "chordRoot=50");

    // The saved chord's text: its values only.
    const auto xml = nubo::SafeXml::parse (source.toXMLString());
    ASSERT_NE (xml, nullptr);
    EXPECT_EQ (xml->getIntAttribute ("isHasSavedInfo"), 1);
    auto* savedXml = xml->getChildByName ("SavedPitchChordMgr");
    ASSERT_NE (savedXml, nullptr);
    EXPECT_EQ (savedXml->getNumAttributes(), 9);
    EXPECT_EQ (savedXml->getStringAttribute ("velocity"), "1");
    EXPECT_FALSE (savedXml->hasAttribute ("noteReplaceOrder"));
}

TEST (PitchChordManagerState, SavedFlagWithoutSavedElementMeansNoSavedChord)
{
    PitchChordManager m (nullptr);
    m.setSavedPitchChordManager (new PitchChordManager (m));

    m.fromXMLString ("<PitchNameString isHasSavedInfo=\"yes\" chordRootNum=\"64\"/>");
    EXPECT_EQ (m.getSavedPitchChordManager(), nullptr);

    // Element names are found ignoring case; the flag reads like the framework's booleans.
    m.fromXMLString ("<PitchNameString isHasSavedInfo=\" true\"><savedpitchchordmgr chordRootNum=\"67\"/></PitchNameString>");
    ASSERT_NE (m.getSavedPitchChordManager(), nullptr);
    EXPECT_EQ (m.getSavedPitchChordManager()->getChordRootPitchNum(), 67);

    m.fromXMLString ("<PitchNameString isHasSavedInfo=\"0\"><SavedPitchChordMgr chordRootNum=\"67\"/></PitchNameString>");
    EXPECT_EQ (m.getSavedPitchChordManager(), nullptr);
}

juce::String nested (const juce::String& open, const juce::String& close, int depth, const juce::String& inner)
{
    juce::String text;

    for (int i = 0; i < depth; ++i)
        text << open;

    text << inner;

    for (int i = 0; i < depth; ++i)
        text << close;

    return text;
}

TEST (PitchChordManagerState, HostileTextStaysInsideTheLimits)
{
    const juce::String savedOpen ("<PitchNameString isHasSavedInfo=\"1\" chordRootNum=\"61\"><SavedPitchChordMgr isHasSavedInfo=\"1\" chordRootNum=\"62\">");
    const juce::String savedClose ("</SavedPitchChordMgr></PitchNameString>");

    const juce::String documents[] {
        "<PitchNameString midiChannel=\"-2147483648\" mainRootKey=\"-2147483648\" chordRootNum=\"2147483647\" "
        "octaveOffset=\"2147483647\" velocity=\"nan\" pitchNameRoule=\"-7\" chordName=\"Xyz\" chordInvertType=\"Inversion 9\" "
        "noteReplaceOrder=\"&lt;script&gt;\" durationType=\"\" isHasSavedInfo=\"1\"><SavedPitchChordMgr midiChannel=\"999\" "
        "octaveOffset=\"-2147483648\" chordRootNum=\"-2147483648\"/></PitchNameString>",
        "<PitchNameString octaveOffset=\"1000000000\" chordRootNum=\"60\" chordInvertType=\"Inversion 3\"/>",
        nested ("<a>", "</a>", 5000, ""),
        nested ("<PitchNameString><SavedPitchChordMgr>", "</SavedPitchChordMgr></PitchNameString>", 3000, ""),
        nested (savedOpen, savedClose, 90, ""),
    };

    for (const auto& text : documents)
    {
        PitchChordManager m (nullptr);
        m.fromXMLString (text);

        EXPECT_GE (m.getMidiChannel(), 1);
        EXPECT_LE (m.getMidiChannel(), 16);
        EXPECT_GE (m.getMainKey(), 0);
        EXPECT_LE (m.getMainKey(), 11);
        EXPECT_GE (m.getVelocity(), 0.0f);
        EXPECT_LE (m.getVelocity(), 1.0f);

        // Generating and naming the chord must stay defined for whatever was read.
        for (auto tone : m.getChordTones (true))
        {
            EXPECT_GE (tone, 0);
            EXPECT_LE (tone, 127);
        }

        m.getFullChordName();
        m.toXMLString();

        if (auto* saved = m.getSavedPitchChordManager())
        {
            EXPECT_EQ (saved->getSavedPitchChordManager(), nullptr); // one level, however deep the text
            EXPECT_GE (saved->getMidiChannel(), 1);
            EXPECT_LE (saved->getMidiChannel(), 16);
            saved->getChordTones (false);
            saved->getFullChordName();
        }
    }

    // The nested saved chords read one level deep: the outer values and the first saved chord.
    PitchChordManager m (nullptr);
    m.fromXMLString (nested (savedOpen, savedClose, 90, ""));
    EXPECT_EQ (m.getChordRootPitchNum(), 61);
    ASSERT_NE (m.getSavedPitchChordManager(), nullptr);
    EXPECT_EQ (m.getSavedPitchChordManager()->getChordRootPitchNum(), 62);
}

TEST (PitchChordManagerState, CopyKeepsTargetListenersAndValuesButNotScaleOrSavedChord)
{
    nubo::MidiMessageManager scheduler;
    PitchChordManager source (&scheduler);
    RecordingListener l;
    source.addListner (&l);
    giveNonDefaultValues (source);
    source.setStartPos (-1.0f);
    source.setSavedPitchChordManager (new PitchChordManager (source));
    source.setExportType (PitchChordManager::EXPORT_FILEMODE_STUDIOONE);
    l.clear();

    PitchChordManager copy (source);
    EXPECT_TRUE (l.events.empty());
    expectSameValues (source, copy, false);
    EXPECT_EQ (copy.getNoteReplaceOrder(), source.getNoteReplaceOrder());
    EXPECT_EQ (copy.getPitchScale().getName(), "Major");
    EXPECT_EQ (copy.getSavedPitchChordManager(), nullptr);
    EXPECT_EQ (copy.getTargetMidiMessageManager(), &scheduler);
    EXPECT_EQ (copy.getStartPos(), 0.0f);
    EXPECT_EQ (copy.getExportType(), PitchChordManager::EXPORT_FILEMODE_STUDIOONE);
    EXPECT_NE (copy.getCurrentFileCreator(), source.getCurrentFileCreator()); // its own writer
    EXPECT_EQ (copy.getChordTones (false), source.getChordTones (false));

    copy.setMidiChannel (3);
    EXPECT_EQ (l.events, Events { "midiChannel=3" });
    EXPECT_EQ (l.senders.front(), &copy);
}

} // namespace

#include "ChordStateTestSupport.h"
#include "SequencerTestSupport.h"

#include "../export/ScopedTempFolder.h"
#include "performance/StepSequencer_Bass.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace
{

using nubo::PitchChordManager;
using nubo::test::utf8;
namespace Names = nubo::STEPSEQUNCER_ONESTEP_VARIATION_TYPE_NAME;

// (status byte, note number, velocity byte)
using Msg = std::tuple<int, int, int>;

std::vector<Msg> queued (nubo::MidiMessageManager& scheduler)
{
    std::vector<Msg> out;

    for (const auto& m : nubo::test::drainQueue (scheduler))
        out.emplace_back (m.getRawData()[0], m.getNoteNumber(), m.getVelocity());

    return out;
}

TEST (PitchChordManagerNames, FullChordNames)
{
    struct Case
    {
        int root;
        const char* chord;
        const char* inversion;
        const char* order;
        int key;
        PitchChordManager::PITCHNAME_SF_Roule rule;
        const char* expected;
    };

    const auto K = PitchChordManager::PITCHNAME_ROULE_KEY;
    const auto S = PitchChordManager::PITCHNAME_ROULE_SHARP;
    const auto F = PitchChordManager::PITCHNAME_ROULE_FLAT;

    const Case cases[] {
        { 60, "Maj", "Normal", "Normal", 0, K, "CMaj" },
        { 60, "Maj", "Inversion 1", "Normal", 0, K, "CMaj(E)" },
        { 60, "Maj", "Inversion 1", "Bass", 0, K, "CMaj(E)[Bass]" },
        { 60, "Maj", "Inversion 1", "Top", 0, K, "CMaj(C)[Top]" },
        { 61, "min", "Normal", "Normal", 0, F, u8"D♭min" },
        { 61, "min", "Normal", "Normal", 0, S, u8"C＃min" },
        { 61, "min", "Normal", "Normal", 0, K, u8"C＃min" },
        { 70, "Maj", "Normal", "Normal", 5, K, u8"B♭Maj" },  // key F spells flat
        { 70, "Maj", "Normal", "Normal", 6, K, u8"A＃Maj" }, // key F＃ keeps sharps
        { 70, "Maj", "Normal", "Normal", 3, K, u8"B♭Maj" },  // key E♭
        { 60, "Maj", "Inversion 1", "Normal", 8, S, u8"CMaj(E)" },
        { 61, "Maj", "Inversion 1", "Normal", 8, S, u8"C＃Maj(F)" },
        { 63, "Maj", "Inversion 1", "Normal", 1, S, u8"D＃Maj(G)" },
        { 66, "Maj", "Inversion 2", "Normal", 1, S, u8"F＃Maj(D♭)" }, // the bass follows the key, not the rule
        { 60, "Maj", u8"第１転", u8"同期", 0, K, "CMaj(E)" },
        { 60, "Maj", u8"基本形", "Sync", 0, K, "CMaj" },
        { 60, "Maj", "Normal", u8"標準", 0, K, "CMaj" },
        { 60, "Maj", "Normal", u8"偶数音", 0, K, u8"CMaj[偶数音]" },
        { 60, "---", "Inversion 1", "Top", 0, K, "---" },
        { -1, "Maj", "Normal", "Normal", 0, K, "Maj" }, // no name outside the table
        { 60, "Maj", "Normal", "Normal", 0, static_cast<PitchChordManager::PITCHNAME_SF_Roule> (9), "Maj" },
        { 60, u8"m7¯5", "Normal", "Normal", 0, K, u8"Cm7¯5" },
    };

    for (const auto& c : cases)
    {
        PitchChordManager m (nullptr);
        m.setChordRootPitchNum (c.root);
        m.setChordName (utf8 (c.chord));
        m.setChordInvertType (utf8 (c.inversion), false);
        m.setNoteOrderReplace (utf8 (c.order));
        m.setMainKey (c.key);
        m.setPitchNameRoule (c.rule);
        EXPECT_EQ (m.getFullChordName(), utf8 (c.expected)) << c.expected;
    }
}

TEST (PitchChordManagerNames, MainKeyNamesAndSpelling)
{
    const char* expected[] { "C", u8"D♭", "D", u8"E♭", "E", "F", u8"F＃", "G", u8"A♭", "A", u8"B♭", "B" };

    PitchChordManager m (nullptr);

    for (int key = 0; key < 12; ++key)
    {
        m.setMainKey (key);
        EXPECT_EQ (m.getMainRootKeyPitchStr(), utf8 (expected[key])) << key;
    }

    m.setMainKey (5);
    EXPECT_EQ (m._getPitchNameByMainKey (utf8 (u8"A＃")), utf8 (u8"B♭"));
    m.setMainKey (6);
    EXPECT_EQ (m._getPitchNameByMainKey (utf8 (u8"A＃")), utf8 (u8"A＃"));
    EXPECT_EQ (m._getPitchNameByMainKey ("C3"), "C3"); // kept as given when not respelled
}

TEST (PitchChordManagerTones, TonesFollowOctaveInversionAndChoice)
{
    PitchChordManager m (nullptr);
    m.setOctaveOffset (1);
    EXPECT_EQ (m.getChordTones (false), juce::Array<int> ({ 72, 76, 79 }));

    m.setOctaveOffset (0);
    m.setChordInvertType ("Inversion 1", false);
    EXPECT_EQ (m.getChordTones (false), juce::Array<int> ({ 60, 52, 55 }));
    EXPECT_EQ (m.getChordTones (true), juce::Array<int> ({ 52, 55, 60 }));
    EXPECT_EQ (m.getBassPitchNumberFromChordTone(), 52);

    nubo::NotesOrderReplace_TopNoteOnly top;
    EXPECT_EQ (m.getChordToneChoose (57, "min", "Inversion 2", nullptr, false), juce::Array<int> ({ 57, 60, 52 }));
    EXPECT_EQ (m.getChordToneChoose (57, "min", "Inversion 2", &top, false), juce::Array<int> ({ 60 }));

    m.setChordName ("---");
    EXPECT_TRUE (m.getChordTones (false).isEmpty());
    EXPECT_EQ (m.getBassPitchNumberFromChordTone(), 0);

    // Octave offsets far outside the roulette never overflow; every tone is a MIDI note.
    m.setChordName ("Maj");
    m.setOctaveOffset (1000000000);
    for (auto t : m.getChordTones (false))
        EXPECT_EQ (t, 127);
}

TEST (PitchChordManagerPlay, NoteOnsCarryVelocityByteAndChannel)
{
    struct Case
    {
        float velocity;
        int channel;
        int status;
        int velocityByte;
    };

    for (const auto& c : { Case { 0.79f, 1, 0x90, 100 }, Case { 1.0f, 16, 0x9f, 127 }, Case { 0.0f, 3, 0x92, 0 } })
    {
        nubo::MidiMessageManager scheduler;
        PitchChordManager m (&scheduler);
        m.setVelocity (c.velocity);
        m.setMidiChannel (c.channel);

        m.sendMidiNoteOn_CurrentChord();
        const std::vector<Msg> ons { { c.status, 60, c.velocityByte }, { c.status, 64, c.velocityByte }, { c.status, 67, c.velocityByte } };
        EXPECT_EQ (queued (scheduler), ons);

        m.sendMidiNoteOff_CurrentChord();
        const auto offStatus = c.status - 0x10;
        const std::vector<Msg> offs { { offStatus, 60, c.velocityByte }, { offStatus, 64, c.velocityByte }, { offStatus, 67, c.velocityByte } };
        EXPECT_EQ (queued (scheduler), offs);
    }
}

TEST (PitchChordManagerPlay, ReleaseSwitchesOffExactlyTheNotesThatSound)
{
    nubo::MidiMessageManager scheduler;
    PitchChordManager m (&scheduler);

    m.sendMidiNoteOn_CurrentChord();
    queued (scheduler);

    // Root, channel, inversion and octave changed while the chord is held.
    m.setChordRootPitchNum (62);
    m.setMidiChannel (4);
    m.setChordInvertType ("Inversion 1", false);
    m.setOctaveOffset (1);
    m.setVelocity (0.2f);

    m.sendMidiNoteOff_CurrentChord();
    const std::vector<Msg> offs { { 0x80, 60, 100 }, { 0x80, 64, 100 }, { 0x80, 67, 100 } };
    EXPECT_EQ (queued (scheduler), offs);

    // Nothing held any more: a further release is computed from the state, as before.
    m.sendMidiNoteOff_CurrentChord();
    const std::vector<Msg> fromState { { 0x83, 74, 25 }, { 0x83, 66, 25 }, { 0x83, 69, 25 } };
    EXPECT_EQ (queued (scheduler), fromState);
}

TEST (PitchChordManagerPlay, TwoPressesAreReleasedTogetherAndResetForgetsThem)
{
    nubo::MidiMessageManager scheduler;
    PitchChordManager m (&scheduler);

    m.sendMidiNoteOn_CurrentChord();
    m.setChordRootPitchNum (65);
    m.sendMidiNoteOn_CurrentChord();
    queued (scheduler);

    m.sendMidiNoteOff_CurrentChord();
    EXPECT_EQ (queued (scheduler).size(), 6u);

    m.sendMidiNoteOn_CurrentChord();
    m.sendMidiNoteAllReset();
    EXPECT_TRUE (scheduler.isResetPending());
    queued (scheduler);

    m.setChordRootPitchNum (48);
    m.sendMidiNoteOff_CurrentChord(); // the reset switched the chord off: computed from the state
    const auto offs = queued (scheduler);
    ASSERT_EQ (offs.size(), 3u);
    EXPECT_EQ (std::get<1> (offs[0]), 48);
}

TEST (PitchChordManagerPlay, WithoutTargetNothingIsPlayed)
{
    PitchChordManager m (nullptr);
    nubo::StepSequencer_Bass pattern (1, 1.0);
    pattern.setStepTypeName (0, Names::STEP_VARIATION_NOTE_Normal);

    m.sendMidiNoteOn_CurrentChord();
    m.sendMidiNoteOff_CurrentChord();
    m.sendMidiNoteAllReset();
    m.sendSequenceMidiNote (&pattern);
    m.stopSequenceMidiNote();

    nubo::MidiMessageManager scheduler;
    PitchChordManager withTarget (&scheduler);
    withTarget.sendSequenceMidiNote (nullptr);
    EXPECT_FALSE (scheduler.getSequencer().isRunning());
}

std::unique_ptr<nubo::StepSequencer_Bass> examplePattern()
{
    auto pattern = std::make_unique<nubo::StepSequencer_Bass> (4, 1.0);
    pattern->setStepTypeName (0, Names::STEP_VARIATION_NOTE_Normal);
    pattern->setStepTypeName (1, Names::STEP_VARIATION_NOTE_CONTINUE);
    pattern->setStepTypeName (2, Names::STEP_VARIATION_NOTE_OFF);
    pattern->setStepTypeName (3, Names::STEP_VARIATION_NOTE_Inversion1);
    return pattern;
}

TEST (PitchChordManagerSequence, LoadsThePatternAsChordEvents)
{
    nubo::MidiMessageManager scheduler;
    PitchChordManager m (&scheduler);
    auto pattern = examplePattern();

    m.sendSequenceMidiNote (pattern.get());
    auto& seq = scheduler.getSequencer();
    EXPECT_TRUE (seq.isRunning());
    EXPECT_DOUBLE_EQ (seq.getLoopLengthQn(), 4.0);

    const auto events = seq.getEventsCopy();
    ASSERT_EQ (events.size(), 2);
    EXPECT_DOUBLE_EQ (events[0].timing.start, 0.0);
    EXPECT_DOUBLE_EQ (events[0].timing.end, 2.0);
    EXPECT_DOUBLE_EQ (events[1].timing.start, 3.0);
    EXPECT_EQ (events[1].timing.name, "Inversion1");

    const auto pitches = [] (const nubo::One_SequenceMidiNote& e) {
        std::vector<int> p;
        for (const auto& n : e.notes)
            p.push_back (n.getPitchNumber());
        return p;
    };

    EXPECT_EQ (pitches (events[0]), (std::vector<int> { 60, 64, 67 }));
    EXPECT_EQ (pitches (events[1]), (std::vector<int> { 60, 52, 55 }));

    // The loop of the example: on at count 1, off at 48000, the inversion at 72000.
    const auto sent = nubo::test::runSteps (scheduler, 72000, 48000.0, 120.0);
    ASSERT_EQ (sent.size(), 9u);
    EXPECT_EQ (sent[0].step, 1);
    EXPECT_EQ (sent[3].step, 48000);
    EXPECT_TRUE (sent[3].message.isNoteOff());
    EXPECT_EQ (sent[6].step, 72000);
    EXPECT_EQ (sent[7].message.getNoteNumber(), 52);
}

TEST (PitchChordManagerSequence, StepOptionsAndValuesShapeEachStep)
{
    nubo::MidiMessageManager scheduler;
    PitchChordManager m (&scheduler);
    m.setMidiChannel (5);
    m.setChordInvertType ("Inversion 2", false);

    nubo::StepSequencer_Bass pattern (5, 1.0);
    pattern.setStepTypeName (0, Names::STEP_VARIATION_NOTE_Normal);
    pattern.setStepTypeName (1, Names::STEP_VARIATION_NOTE_ON);
    pattern.setStepTypeName (2, Names::STEP_VARIATION_NOTE_Depend);
    pattern.setStepTypeName (3, Names::STEP_VARIATION_NOTE_Inversion3);
    pattern.setStepTypeName (4, Names::STEP_VARIATION_NOTE_Normal);
    pattern.getStepType (1)->setStringVectorValue ("NOTE_ORDER_TYPENAME", "Top");
    pattern.getStepType (2)->value = 0.0;                                                   // silent velocity
    pattern.getStepType (3)->value = 2.0;                                                   // doubled: limited to 127
    pattern.getStepType (4)->setStringVectorValue ("NOTE_ORDER_TYPENAME", utf8 (u8"同期")); // the state's own order

    const auto events = [&] {
        m.sendSequenceMidiNote (&pattern);
        return scheduler.getSequencer().getEventsCopy();
    }();

    ASSERT_EQ (events.size(), 5);
    EXPECT_EQ (events[0].notes.size(), 3);
    ASSERT_EQ (events[1].notes.size(), 1); // only the top tone
    EXPECT_EQ (events[1].notes[0].getPitchNumber(), 67);
    EXPECT_EQ (events[2].notes[2].getPitchNumber(), 55); // "Sync": the state's second inversion
    EXPECT_EQ (events[3].notes.size(), 4);               // the third inversion adds the low root
    EXPECT_EQ (events[4].notes.size(), 3);

    EXPECT_EQ (events[0].preparedNoteOns[0].getRawData()[0], 0x94);
    EXPECT_EQ (events[0].preparedNoteOns[0].getVelocity(), 100);
    EXPECT_EQ (events[2].preparedNoteOns[0].getVelocity(), 0);
    EXPECT_EQ (events[3].preparedNoteOns[0].getVelocity(), 127);

    // The state's own re-voicing applies where a step names none.
    m.setNoteOrderReplace ("Bass");
    m.sendSequenceMidiNote (&pattern);
    const auto revoiced = scheduler.getSequencer().getEventsCopy();
    EXPECT_EQ (revoiced[0].notes.size(), 1);
    EXPECT_EQ (revoiced[1].notes[0].getPitchNumber(), 67); // "Top" still wins on its step
}

TEST (PitchChordManagerSequence, RestsOnlyRunWithoutEventsAndStopIsIdempotent)
{
    nubo::MidiMessageManager scheduler;
    PitchChordManager m (&scheduler);

    nubo::StepSequencer_Bass rests (4, 1.0);
    m.sendSequenceMidiNote (&rests);
    EXPECT_TRUE (scheduler.getSequencer().isRunning());
    EXPECT_EQ (scheduler.getSequencer().getNumEvents(), 0);
    EXPECT_TRUE (nubo::test::runSteps (scheduler, 1000, 48000.0, 120.0).empty());

    auto pattern = examplePattern();
    m.sendSequenceMidiNote (pattern.get());
    nubo::test::runSteps (scheduler, 100, 48000.0, 120.0);

    m.stopSequenceMidiNote();
    EXPECT_EQ (queued (scheduler).size(), 3u);
    m.stopSequenceMidiNote();
    EXPECT_TRUE (queued (scheduler).empty());
    EXPECT_FALSE (scheduler.getSequencer().isRunning());
}

TEST (PitchChordManagerExport, WritesTheCurrentChordIntoTheFolder)
{
    nubo::test::ScopedTempFolder temp;
    PitchChordManager m (nullptr);
    m.setChordRootPitchNum (61);
    m.setChordName ("min");
    m.setPitchNameRoule (PitchChordManager::PITCHNAME_ROULE_SHARP);

    const auto file = m.getSaveFilePathGetter().exportCurrentChord (temp.folder);
    EXPECT_EQ (file.getFileName(), "C#min.mid");
    EXPECT_TRUE (file.existsAsFile());
    EXPECT_GT (file.getSize(), 14);

    m.setExportType (PitchChordManager::EXPORT_FILEMODE_STUDIOONE);
    const auto clip = m.getSaveFilePathGetter().exportCurrentChord (temp.folder);
    EXPECT_EQ (clip.getFileName(), "C#min.music");
    EXPECT_TRUE (clip.loadFileAsString().contains ("NoteEvent pitch=\"61\""));

    m.setChordName ("---");
    EXPECT_EQ (m.getSaveFilePathGetter().exportCurrentChord (temp.folder), juce::File());
}

} // namespace

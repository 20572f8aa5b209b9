#include "engine/PluginStateFormat.h"
#include "support/StateBlocks.h"

#include <gtest/gtest.h>

namespace
{

namespace fmt = nubo::PluginStateFormat;

juce::MemoryBlock richBlock()
{
    nubo::PluginStateTexts state;
    const auto panel = [] (const juce::String& name) {
        juce::XmlElement e ("PitchNameString");
        e.setAttribute ("chordName", name);
        e.setAttribute ("octaveOffset", 1);
        auto* saved = e.createNewChildElement ("SavedPitchChordMgr");
        saved->setAttribute ("isHasSavedInfo", "true");
        saved->createNewChildElement ("PitchNameString")->setAttribute ("chordName", "m7");
        e.createNewChildElement ("pitchScaleInfo")->setAttribute ("name", "Major");
        return e.toString();
    };
    state.buttonModeState = panel ("Maj");
    state.circleOfFifthModeState = panel (juce::String (juce::CharPointer_UTF8 (u8"m△7¯5")));
    state.pitchAnalysisIState = panel (juce::String (juce::CharPointer_UTF8 (u8"第１転 ＃♭")));
    state.pitchAnalysisIIState = panel ("7Add9");
    state.chordProgressionState = panel ("sus4");
    state.circleOfFifthStyle = 3;
    state.circleOfFifthStyleDivNum = 4;

    juce::MemoryBlock block;
    fmt::write (state, block);
    return block;
}

/** Reads one block into a state with known contents and checks that a rejected block changed
    nothing and an accepted one left every text parsable or untouched. */
void readAndCheck (const void* data, int size)
{
    nubo::PluginStateTexts state;
    state.buttonModeState = "sentinel-1";
    state.chordProgressionState = "sentinel-5";
    state.circleOfFifthStyle = 11;
    state.circleOfFifthStyleDivNum = 12;

    const bool accepted = fmt::read (data, size, state);

    if (! accepted)
    {
        ASSERT_EQ (state.buttonModeState, "sentinel-1");
        ASSERT_EQ (state.chordProgressionState, "sentinel-5");
        ASSERT_EQ (state.circleOfFifthStyle, 11);
        ASSERT_EQ (state.circleOfFifthStyleDivNum, 12);
        return;
    }

    for (const auto* text : { &state.buttonModeState, &state.circleOfFifthModeState, &state.pitchAnalysisIState,
                              &state.pitchAnalysisIIState, &state.chordProgressionState })
    {
        if (! text->startsWith ("sentinel") && text->isNotEmpty())
        {
            ASSERT_TRUE (text->startsWith ("<?xml")) << *text;
        }
    }

    // A restored state writes and reads back as itself.
    juce::MemoryBlock again;
    fmt::write (state, again);
    nubo::PluginStateTexts reread;
    ASSERT_TRUE (fmt::read (again.getData(), (int) again.getSize(), reread));
    ASSERT_EQ (reread.circleOfFifthStyle, state.circleOfFifthStyle);
    ASSERT_EQ (reread.circleOfFifthStyleDivNum, state.circleOfFifthStyleDivNum);
}

TEST (PluginStateHostileInput, EveryTruncationOfAValidBlock)
{
    const auto block = richBlock();
    for (int size = 0; size <= (int) block.getSize(); ++size)
        ASSERT_NO_FATAL_FAILURE (readAndCheck (block.getData(), size)) << "size " << size;
}

TEST (PluginStateHostileInput, FlippedBytesHugeLengthsAndRandomBlocks)
{
    const auto original = richBlock();
    juce::Random random (0x6e75626f); // fixed seed: the corpus is the same on every run

    for (int round = 0; round < 4000; ++round)
    {
        auto block = original;
        auto* bytes = static_cast<juce::uint8*> (block.getData());
        const auto size = (int) block.getSize();

        switch (round % 4)
        {
            case 0: // a few flipped bytes anywhere, the header included
                for (int i = 0, n = 1 + random.nextInt (8); i < n; ++i)
                    bytes[random.nextInt (size)] ^= (juce::uint8) (1 + random.nextInt (255));
                break;

            case 1: // an absurd stored length
            {
                const juce::uint32 lengths[] = { 0u, 1u, 0x7fffffffu, 0x80000000u, 0xffffffffu, (juce::uint32) size * 3 };
                const auto n = juce::ByteOrder::swapIfBigEndian (lengths[random.nextInt (6)]);
                std::memcpy (bytes + 4, &n, 4);
                break;
            }

            case 2: // XML damaged by inserted markup
            {
                const char* junk[] = { "<", ">", "</root>", "<!--", "&#", "&#99999999;", "\"", "<a b='", "\xff\xfe", "]]>" };
                const auto* j = junk[random.nextInt (10)];
                const auto at = 8 + random.nextInt (size - 9);
                std::memcpy (bytes + at, j, juce::jmin ((size_t) (size - at), std::strlen (j)));
                break;
            }

            default: // random bytes behind a valid header
                for (int i = 8; i < size; ++i)
                    bytes[i] = (juce::uint8) random.nextInt (256);
                break;
        }

        ASSERT_NO_FATAL_FAILURE (readAndCheck (block.getData(), size)) << "round " << round;
    }
}

TEST (PluginStateHostileInput, DeepAndWideDocuments)
{
    const auto repeat = [] (const char* head, const char* unit, int times, const char* tail) {
        juce::MemoryOutputStream out;
        out << head;
        for (int i = 0; i < times; ++i)
            out << unit;
        out << tail;
        return out.toString();
    };

    const juce::String documents[] = {
        repeat ("<root><buttonMode><PitchNameString>", "<SavedPitchChordMgr><PitchNameString>", 50000, ""),
        repeat ("<root>", "<a x=\"/>\">", 50000, ""),
        repeat ("<root>", "<buttonMode/>", 2000, "</root>"),
        // Text followed by an element inside a panel: JUCE's one-line writer cannot write it.
        "<root><buttonMode><PitchNameString>text<SavedPitchChordMgr/>more</PitchNameString></buttonMode></root>",
    };

    for (const auto& xml : documents)
    {
        const auto block = nubo::test::blockWithText (xml);
        ASSERT_NO_FATAL_FAILURE (readAndCheck (block.getData(), (int) block.getSize()));
    }
}

} // namespace

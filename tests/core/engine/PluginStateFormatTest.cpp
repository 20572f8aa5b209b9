#include "engine/PluginStateFormat.h"
#include "support/StateBlocks.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{

namespace fmt = nubo::PluginStateFormat;
using nubo::test::blockWithText;

juce::String utf8 (const char* text)
{
    return juce::String (juce::CharPointer_UTF8 (text));
}

juce::String panelText (const juce::String& rootNote)
{
    juce::XmlElement panel ("PitchNameString");
    panel.setAttribute ("chordRootNum", rootNote);
    panel.createNewChildElement ("SavedPitchChordMgr")->setAttribute ("isHasSavedInfo", "false");
    return panel.toString();
}

juce::uint32 readLE32 (const juce::MemoryBlock& block, size_t offset)
{
    return juce::ByteOrder::littleEndianInt (static_cast<const char*> (block.getData()) + offset);
}

juce::String xmlTextOf (const juce::MemoryBlock& block)
{
    return juce::String::fromUTF8 (static_cast<const char*> (block.getData()) + 8, (int) readLE32 (block, 4));
}

TEST (PluginStateFormat, NewStateWritesFiveEmptySectionsAndDefaultStyle)
{
    juce::MemoryBlock block;
    fmt::write ({}, block);

    EXPECT_EQ (readLE32 (block, 0), 0x21324356u);
    EXPECT_EQ (std::memcmp (block.getData(), "VC2!", 4), 0);
    EXPECT_EQ (readLE32 (block, 4), block.getSize() - 9);
    EXPECT_EQ (static_cast<const char*> (block.getData())[block.getSize() - 1], 0);

    EXPECT_EQ (xmlTextOf (block),
               "<root><buttonMode/><circleOfFifthMode/><pitchAnalysis_I_Mode/><pitchAnalysis_II_Mode/>"
               "<additional_param CircleOfFifth_Style=\"0\" CircleOfFifth_Style_DivNum=\"2\"/>"
               "<chordProgression_Mode/></root>");

    nubo::PluginStateTexts restored;
    restored.buttonModeState = "kept";
    restored.circleOfFifthStyle = 5;
    ASSERT_TRUE (fmt::read (block.getData(), (int) block.getSize(), restored));
    EXPECT_EQ (restored.buttonModeState, "kept");
    EXPECT_EQ (restored.circleOfFifthStyle, 0);
    EXPECT_EQ (restored.circleOfFifthStyleDivNum, 2);
}

TEST (PluginStateFormat, RoundTripKeepsEveryPanelTextAndTheStyle)
{
    nubo::PluginStateTexts state;
    state.buttonModeState = panelText ("1");
    state.circleOfFifthModeState = panelText ("2");
    state.pitchAnalysisIState = panelText ("3");
    state.pitchAnalysisIIState = panelText (utf8 (u8"ド＃♭ & <\"quoted\"> ^`"));
    state.chordProgressionState = panelText ("5");
    state.circleOfFifthStyle = 7;
    state.circleOfFifthStyleDivNum = 3;

    juce::MemoryBlock block;
    fmt::write (state, block);

    // Outside printable ASCII, and "^" and "`", characters are written as references.
    const auto text = xmlTextOf (block);
    EXPECT_FALSE (text.containsChar ('\n'));
    EXPECT_TRUE (text.contains ("&#12489;&#65283;&#9837; &amp; &lt;&quot;quoted&quot;&gt; &#94;&#96;"));
    EXPECT_FALSE (text.startsWith ("<?xml"));

    nubo::PluginStateTexts restored;
    ASSERT_TRUE (fmt::read (block.getData(), (int) block.getSize(), restored));
    EXPECT_EQ (restored.buttonModeState, state.buttonModeState);
    EXPECT_EQ (restored.circleOfFifthModeState, state.circleOfFifthModeState);
    EXPECT_EQ (restored.pitchAnalysisIState, state.pitchAnalysisIState);
    EXPECT_EQ (restored.pitchAnalysisIIState, state.pitchAnalysisIIState);
    EXPECT_EQ (restored.chordProgressionState, state.chordProgressionState);
    EXPECT_EQ (restored.circleOfFifthStyle, 7);
    EXPECT_EQ (restored.circleOfFifthStyleDivNum, 3);
    EXPECT_TRUE (restored.pitchAnalysisIIState.startsWith ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
}

TEST (PluginStateFormat, UnparsableTextIsSavedAsAnEmptySection)
{
    nubo::PluginStateTexts state;
    state.buttonModeState = "not <xml";
    juce::MemoryBlock block;
    fmt::write (state, block);
    EXPECT_TRUE (xmlTextOf (block).startsWith ("<root><buttonMode/>"));
}

TEST (PluginStateFormat, SectionsAreFoundInAnyOrderAndLetterCase)
{
    const auto text = "<ROOT><ADDITIONAL_PARAM CircleOfFifth_Style=\"4\"/>"
                      "<PITCHANALYSIS_I_MODE><pitchnamestring a=\"1\"/></PITCHANALYSIS_I_MODE>"
                      "<ButtonMode><Other/><PitchNameString b=\"2\"/></ButtonMode></ROOT>";
    const auto block = blockWithText (text);

    nubo::PluginStateTexts restored;
    restored.circleOfFifthModeState = "untouched";
    ASSERT_TRUE (fmt::read (block.getData(), (int) block.getSize(), restored));
    EXPECT_TRUE (restored.pitchAnalysisIState.contains ("<pitchnamestring a=\"1\"/>"));
    EXPECT_TRUE (restored.buttonModeState.contains ("<PitchNameString b=\"2\"/>"));
    EXPECT_EQ (restored.circleOfFifthModeState, "untouched");
    EXPECT_EQ (restored.circleOfFifthStyle, 4);
    EXPECT_EQ (restored.circleOfFifthStyleDivNum, 2); // missing attribute
}

TEST (PluginStateFormat, StyleAttributesUseAtoiReadingAndExactNames)
{
    struct Case
    {
        const char* attributes;
        int style;
        int divNum;
    };
    const Case cases[] = {
        { "CircleOfFifth_Style=\" 12abc\" CircleOfFifth_Style_DivNum=\"-3\"", 12, -3 },
        { "CircleOfFifth_Style=\"abc\"", 0, 2 },
        { "circleoffifth_style=\"9\"", 0, 2 },
        { "CircleOfFifth_Style=\"99999999999999999999\" CircleOfFifth_Style_DivNum=\"-99999999999999\"",
          std::numeric_limits<int>::max(), std::numeric_limits<int>::min() },
    };

    for (const auto& c : cases)
    {
        const auto block = blockWithText (juce::String ("<root><additional_param ") + c.attributes + "/></root>");
        nubo::PluginStateTexts restored;
        ASSERT_TRUE (fmt::read (block.getData(), (int) block.getSize(), restored)) << c.attributes;
        EXPECT_EQ (restored.circleOfFifthStyle, c.style) << c.attributes;
        EXPECT_EQ (restored.circleOfFifthStyleDivNum, c.divNum) << c.attributes;
    }
}

TEST (PluginStateFormat, DocumentWithoutChildrenResetsOnlyTheStyle)
{
    const auto block = blockWithText ("<root/>");
    nubo::PluginStateTexts restored;
    restored.buttonModeState = "kept";
    restored.circleOfFifthStyle = 3;
    restored.circleOfFifthStyleDivNum = 9;
    ASSERT_TRUE (fmt::read (block.getData(), (int) block.getSize(), restored));
    EXPECT_EQ (restored.buttonModeState, "kept");
    EXPECT_EQ (restored.circleOfFifthStyle, 0);
    EXPECT_EQ (restored.circleOfFifthStyleDivNum, 2);
}

TEST (PluginStateFormat, BlocksWithoutADocumentChangeNothing)
{
    auto good = blockWithText ("<root><additional_param CircleOfFifth_Style=\"1\"/></root>");

    auto wrongMagic = good;
    static_cast<char*> (wrongMagic.getData())[0] = 'X';

    auto zeroLength = good;
    std::memset (static_cast<char*> (zeroLength.getData()) + 4, 0, 4);

    auto negativeLength = good;
    std::memset (static_cast<char*> (negativeLength.getData()) + 4, 0xff, 4);

    const auto notXml = blockWithText ("this is not xml");

    juce::MemoryOutputStream deep;
    for (int i = 0; i < 100000; ++i)
        deep << "<a>";
    const auto tooDeep = blockWithText (deep.toString());

    auto invalidUtf8 = blockWithText ("<root><additional_param CircleOfFifth_Style=\"1\"/></root>");
    static_cast<juce::uint8*> (invalidUtf8.getData())[20] = 0xff; // inside the tag name

    const std::pair<const char*, juce::MemoryBlock> cases[] = {
        { "invalid UTF-8", invalidUtf8 },
        { "8 bytes", juce::MemoryBlock (good.getData(), 8) },
        { "another magic", wrongMagic },
        { "length 0", zeroLength },
        { "negative length", negativeLength },
        { "not XML", notXml },
        { "nested 100000 deep", tooDeep },
    };

    for (const auto& [name, block] : cases)
    {
        nubo::PluginStateTexts state;
        state.buttonModeState = "kept";
        state.circleOfFifthStyle = 5;
        EXPECT_FALSE (fmt::read (block.getData(), (int) block.getSize(), state)) << name;
        EXPECT_EQ (state.buttonModeState, "kept") << name;
        EXPECT_EQ (state.circleOfFifthStyle, 5) << name;
    }

    nubo::PluginStateTexts state;
    EXPECT_FALSE (fmt::read (nullptr, 100, state));
    EXPECT_FALSE (fmt::read (good.getData(), -5, state));
}

TEST (PluginStateFormat, StoredLengthLargerThanTheBlockIsCutToTheBytesPresent)
{
    auto block = blockWithText ("<root><additional_param CircleOfFifth_Style=\"6\"/></root>");
    const juce::uint32 huge = 0x7fffffff;
    std::memcpy (static_cast<char*> (block.getData()) + 4, &huge, 4); // little-endian machine
    nubo::PluginStateTexts state;
    ASSERT_TRUE (fmt::read (block.getData(), (int) block.getSize(), state));
    EXPECT_EQ (state.circleOfFifthStyle, 6);
}

} // namespace

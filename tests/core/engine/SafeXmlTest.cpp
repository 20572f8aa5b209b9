#include "engine/SafeXml.h"

#include <gtest/gtest.h>

#include <limits>

namespace
{

namespace sx = nubo::SafeXml;

TEST (SafeXml, ParsesOnlyTextJucesParserCanReadSafely)
{
    struct Case
    {
        const char* text;
        bool parses;
    };

    const Case cases[] = {
        { "<a b=\"&#12489;&#x266D;&amp;&lt;\"/>", true },
        { "<a>&#65;&#x41;&#X41;</a>", true },
        { "<a b=\"&#x\"/>", false }, // no digits, no ";"
        { "<a>&#x41</a>", false },   // no ";"
        { "<a>&#x;</a>", false },
        { "<a>&#;</a>", false },
        { "<a>&#0;</a>", false },       // NUL
        { "<a>&#x110000;</a>", false }, // beyond Unicode
        { "<a>&#99999999999999;</a>", false },
        { "<a>&#x000000041;</a>", false }, // more than eight digits
        { "<a>&#", false },
        { "", false },
        { "not xml", false },
    };

    for (const auto& c : cases)
        EXPECT_EQ (sx::parse (c.text) != nullptr, c.parses) << c.text;

    const auto parsed = sx::parse ("<a b=\"&#12489;\"/>");
    ASSERT_NE (parsed, nullptr);
    EXPECT_EQ (parsed->getStringAttribute ("b"), juce::String (juce::CharPointer_UTF8 ("\xe3\x83\x89")));
}

TEST (SafeXml, RejectsTextThatIsNotUtf8)
{
    // A lead byte promising more bytes than follow: JUCE would read past the end.
    const char raw[] = { '<', 'a', '>', (char) 0xfa, 0 };
    const auto text = juce::String (juce::CharPointer_UTF8 (raw));
    EXPECT_EQ (sx::parse (text), nullptr);
}

TEST (SafeXml, NestingDepthEstimateNeverUnderCounts)
{
    const auto repeat = [] (const char* unit, int n) {
        juce::MemoryOutputStream out;
        for (int i = 0; i < n; ++i)
            out << unit;
        return out.toString();
    };

    EXPECT_EQ (sx::estimateNestingDepth ("<a><b/><c><d/></c></a>"), 3);
    EXPECT_EQ (sx::estimateNestingDepth ("<a x='/>'><b y=\"/>\"><c/></b></a>"), 3);
    EXPECT_GE (sx::estimateNestingDepth (repeat ("<a x=\"/>\">", 500)), 500);
    EXPECT_GE (sx::estimateNestingDepth (repeat ("<!-- --><a>", 300)), 300);
    EXPECT_EQ (sx::parse (repeat ("<a>", sx::maxNestingDepth + 1)), nullptr);
    EXPECT_NE (sx::parse (repeat ("<a>", sx::maxNestingDepth) + repeat ("</a>", sx::maxNestingDepth)), nullptr);
}

TEST (SafeXml, AtoiReadingSaturates)
{
    struct Case
    {
        const char* text;
        int value;
    };

    const Case cases[] = {
        { "42", 42 },
        { "  -17xyz", -17 },
        { "+8", 8 },
        { "abc", 0 },
        { "", 0 },
        { "- 5", 0 },
        { "3.9", 3 },
        { "2147483647", std::numeric_limits<int>::max() },
        { "2147483648", std::numeric_limits<int>::max() },
        { "-2147483648", std::numeric_limits<int>::min() },
        { "-99999999999999999999", std::numeric_limits<int>::min() },
    };

    for (const auto& c : cases)
        EXPECT_EQ (sx::atoiOf (c.text), c.value) << c.text;
}

TEST (SafeXml, ChildLookupIgnoresCaseAttributeLookupDoesNot)
{
    const auto xml = sx::parse ("<r><Other/><BUTTONMODE v=\"1\"/><buttonMode v=\"2\"/></r>");
    ASSERT_NE (xml, nullptr);
    auto* child = sx::findChildIgnoreCase (*xml, "buttonMode");
    ASSERT_NE (child, nullptr);
    EXPECT_EQ (sx::intAttribute (*child, "v", -1), 1); // the first match
    EXPECT_EQ (sx::intAttribute (*child, "V", -1), -1);
    EXPECT_EQ (sx::findChildIgnoreCase (*xml, "missing"), nullptr);
}

TEST (SafeXml, MixedContentLosesItsTextSoTheOneLineWriterCanWriteIt)
{
    auto xml = sx::parse ("<a>text<b>inner</b>tail<c/></a>");
    ASSERT_NE (xml, nullptr);
    sx::removeMixedContentText (*xml);
    EXPECT_EQ (xml->toString (juce::XmlElement::TextFormat().singleLine().withoutHeader()), "<a><b>inner</b><c/></a>");
}

} // namespace

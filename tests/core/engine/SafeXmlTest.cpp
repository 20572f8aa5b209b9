#include "engine/SafeXml.h"

#include <gtest/gtest.h>

#include <cmath>
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

TEST (SafeXml, PlainDocumentsAreTheOnlyOnesHandedToTheParser)
{
    struct Case
    {
        const char* text;
        bool plain;
    };

    const Case cases[] = {
        { "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n\n<PitchNameString a=\"1\">\n  <b c='x'/>\n</PitchNameString>\n", true },
        { "<!-- note --><a><!-- inside --><b/>text &gt; more</a><!-- after -->", true },
        { "  <a x=\"/>\" y='>'/>  ", true },
        { "<a></a >", true },
        { "<a>", false },      // unclosed
        { "<a></b>", false },  // mismatched
        { "<a/><b/>", false }, // two roots
        { "text<a/>", false },
        { "<a/>text", false },
        { "<a b=\"1\"c=\"2\"/>", false },          // no space between attributes
        { "<a b=1/>", false },                     // unquoted
        { "<a b=\"<\"/>", false },                 // "<" in a value
        { "<pitchScal<?x?> name=\"L\"/>", false }, // "<" inside a tag (JUCE's parser loops forever)
        { "<a>&</a>", false },                     // unterminated reference (JUCE reads past the end)
        { "<a>&#x</a>", false },
        { "<a>&nbsp;</a>", false }, // not predefined
        { "<!DOCTYPE a><a/>", false },
        { "<a><![CDATA[x]]></a>", false },
        { "<a><?pi?></a>", false },
        { "<a><!-- unclosed </a>", false },
        { "<?xml version=\"1.0\"", false },
        { "", false },
    };

    for (const auto& c : cases)
        EXPECT_EQ (sx::isPlainDocument (c.text), c.plain) << c.text;
}

TEST (SafeXml, NestingDeeperThanTheLimitIsRefused)
{
    const auto nested = [] (int depth, const char* attribute) {
        juce::MemoryOutputStream out;
        for (int i = 0; i < depth; ++i)
            out << "<a" << attribute << ">";
        for (int i = 0; i < depth; ++i)
            out << "</a>";
        return out.toString();
    };

    EXPECT_TRUE (sx::isPlainDocument (nested (sx::maxNestingDepth, "")));
    EXPECT_FALSE (sx::isPlainDocument (nested (sx::maxNestingDepth + 1, "")));
    // Quoted "/>" must not hide an opening.
    EXPECT_FALSE (sx::isPlainDocument (nested (sx::maxNestingDepth + 1, " x=\"/>\"")));
    EXPECT_TRUE (sx::isPlainDocument (nested (3, " x='/>'"), 3));
    EXPECT_FALSE (sx::isPlainDocument (nested (4, ""), 3));
    EXPECT_NE (sx::parse (nested (sx::maxNestingDepth, "")), nullptr);
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

TEST (SafeXml, DoubleReadingSurvivesHugeExponents)
{
    EXPECT_DOUBLE_EQ (sx::doubleOf ("0.79000002145767211914"), 0.79000002145767211914);
    EXPECT_DOUBLE_EQ (sx::doubleOf ("2.5e3x"), 2500.0);
    EXPECT_DOUBLE_EQ (sx::doubleOf ("1e-0000002"), 0.01);
    EXPECT_TRUE (std::isinf (sx::doubleOf ("1e99999999999999")));
    EXPECT_EQ (sx::doubleOf ("1e-99999999999999"), 0.0);
    EXPECT_EQ (sx::doubleOf ("abc"), 0.0);

    const auto xml = sx::parse ("<a velocity=\"0.5\"/>");
    ASSERT_NE (xml, nullptr);
    EXPECT_EQ (sx::doubleAttribute (*xml, "velocity", 0.79), 0.5);
    EXPECT_EQ (sx::doubleAttribute (*xml, "Velocity", 0.79), 0.79);
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

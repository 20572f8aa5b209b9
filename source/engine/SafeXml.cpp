#include "engine/SafeXml.h"

#include <limits>

namespace nubo::SafeXml
{

int estimateNestingDepth (const juce::String& text) noexcept
{
    // Counts every "<name" outside tags as an opening and every "</" or "/>" as a closing. Quoted
    // attribute values are skipped, so a value cannot hide an opening; comments and other
    // declarations can only make the estimate larger, never smaller.
    enum class State
    {
        content,
        openTag,
        otherTag
    };

    int depth = 0, deepest = 0;
    auto state = State::content;
    juce::juce_wchar quote = 0, lastInTag = 0;
    auto p = text.getCharPointer();

    while (! p.isEmpty())
    {
        const auto c = p.getAndAdvance();

        switch (state)
        {
            case State::content:
                if (c == '<')
                {
                    const auto next = *p;

                    if (juce::CharacterFunctions::isLetter (next) || next == '_' || next == ':' || next > 127)
                    {
                        deepest = juce::jmax (deepest, ++depth);
                        state = State::openTag;
                        quote = 0;
                        lastInTag = 0;
                    }
                    else
                    {
                        if (next == '/')
                            depth = juce::jmax (0, depth - 1);

                        state = State::otherTag;
                    }
                }
                break;

            case State::openTag:
                if (quote != 0)
                {
                    if (c == quote)
                        quote = 0;
                }
                else if (c == '"' || c == '\'')
                {
                    quote = c;
                }
                else if (c == '>')
                {
                    if (lastInTag == '/')
                        depth = juce::jmax (0, depth - 1);

                    state = State::content;
                }
                else if (! juce::CharacterFunctions::isWhitespace (c))
                {
                    lastInTag = c;
                }
                break;

            case State::otherTag:
                if (c == '>')
                    state = State::content;
                break;
        }
    }

    return deepest;
}

bool hasOnlyWellFormedCharacterReferences (const juce::String& text) noexcept
{
    // JUCE's parser steps past the end of the text on "&#x" without a closing ";" and overflows
    // on long decimal references, so every "&#" must be "&#" digits ";" or "&#x" hex digits ";"
    // naming a character from 1 to 0x10FFFF.
    for (auto p = text.getCharPointer(); ! p.isEmpty();)
    {
        if (p.getAndAdvance() != '&' || *p != '#')
            continue;

        ++p;
        const bool hex = (*p == 'x' || *p == 'X');

        if (hex)
            ++p;

        juce::int64 value = 0;
        int digits = 0;

        for (;; ++p)
        {
            const auto c = *p;
            const int digit = hex ? juce::CharacterFunctions::getHexDigitValue (c)
                                  : (c >= '0' && c <= '9' ? (int) (c - '0') : -1);

            if (digit < 0)
                break;

            value = value * (hex ? 16 : 10) + digit;

            if (++digits > 8 || value > 0x10ffff)
                return false;
        }

        if (digits == 0 || value == 0 || *p != ';')
            return false;
    }

    return true;
}

std::unique_ptr<juce::XmlElement> parse (const juce::String& text)
{
    if (text.isEmpty())
        return nullptr;

    // Text made from bytes that are not UTF-8 would let JUCE's parser read past its end.
    if (! juce::CharPointer_UTF8::isValidString (text.toRawUTF8(), (int) text.getNumBytesAsUTF8()))
        return nullptr;

    if (! hasOnlyWellFormedCharacterReferences (text) || estimateNestingDepth (text) > maxNestingDepth)
        return nullptr;

    return juce::parseXML (text);
}

void removeMixedContentText (juce::XmlElement& element)
{
    bool hasElementChild = false;

    for (auto* child : element.getChildIterator())
    {
        if (! child->isTextElement())
        {
            hasElementChild = true;
            removeMixedContentText (*child); // depth is bounded by parse()
        }
    }

    if (! hasElementChild)
        return;

    for (int i = element.getNumChildElements(); --i >= 0;)
        if (auto* child = element.getChildElement (i); child->isTextElement())
            element.removeChildElement (child, true);
}

juce::XmlElement* findChildIgnoreCase (const juce::XmlElement& parent, juce::StringRef name) noexcept
{
    for (auto* child : parent.getChildIterator())
        if (child->getTagName().equalsIgnoreCase (name))
            return child;

    return nullptr;
}

int atoiOf (const juce::String& text) noexcept
{
    auto p = text.getCharPointer();

    while (! p.isEmpty() && (*p == ' ' || (*p >= '\t' && *p <= '\r')))
        ++p;

    bool negative = false;

    if (*p == '-' || *p == '+')
        negative = (p.getAndAdvance() == '-');

    long long value = 0;
    constexpr long long limit = static_cast<long long> (std::numeric_limits<int>::max()) + 1;

    while (*p >= '0' && *p <= '9')
    {
        value = juce::jmin (limit, value * 10 + (p.getAndAdvance() - '0'));
    }

    if (negative)
        return static_cast<int> (-value);

    return static_cast<int> (juce::jmin (value, limit - 1));
}

int intAttribute (const juce::XmlElement& element, juce::StringRef name, int fallback) noexcept
{
    // Attribute names are matched exactly.
    for (int i = 0; i < element.getNumAttributes(); ++i)
        if (element.getAttributeName (i) == name)
            return atoiOf (element.getAttributeValue (i));

    return fallback;
}

} // namespace nubo::SafeXml

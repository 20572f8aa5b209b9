#include "engine/SafeXml.h"

#include <cstring>
#include <limits>
#include <vector>

namespace nubo::SafeXml
{

namespace
{
    bool isSpace (char c) noexcept
    {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n';
    }

    bool isNameStart (char c) noexcept
    {
        const auto u = static_cast<unsigned char> (c);
        return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' || u == ':' || u >= 0x80;
    }

    bool isNameChar (char c) noexcept
    {
        return isNameStart (c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
    }

    /** A bounded reader over the UTF-8 bytes of a document. */
    struct Scanner
    {
        const char* text;
        size_t size;
        size_t pos = 0;

        bool atEnd() const noexcept { return pos >= size; }
        char peek (size_t ahead = 0) const noexcept { return pos + ahead < size ? text[pos + ahead] : 0; }

        bool startsWith (const char* literal) const noexcept
        {
            const auto length = std::strlen (literal);
            return size - pos >= length && std::memcmp (text + pos, literal, length) == 0;
        }

        bool skipSpace() noexcept
        {
            const auto start = pos;
            while (! atEnd() && isSpace (text[pos]))
                ++pos;
            return pos > start;
        }

        /** Moves behind the next occurrence of literal; false when there is none. */
        bool skipPast (const char* literal) noexcept
        {
            const auto length = std::strlen (literal);
            for (; size - pos >= length; ++pos)
            {
                if (std::memcmp (text + pos, literal, length) == 0)
                {
                    pos += length;
                    return true;
                }
            }
            return false;
        }

        bool readName (size_t& start, size_t& length) noexcept
        {
            if (! isNameStart (peek()))
                return false;
            start = pos;
            while (! atEnd() && isNameChar (text[pos]))
                ++pos;
            length = pos - start;
            return true;
        }

        /** At "&": one predefined entity or character reference. */
        bool readReference() noexcept
        {
            ++pos;

            for (const auto* entity : { "amp;", "lt;", "gt;", "quot;", "apos;" })
            {
                if (startsWith (entity))
                {
                    pos += std::strlen (entity);
                    return true;
                }
            }

            if (peek() != '#')
                return false;

            ++pos;
            const bool hex = (peek() == 'x' || peek() == 'X');
            if (hex)
                ++pos;

            juce::int64 value = 0;
            int digits = 0;

            for (;; ++pos)
            {
                const auto c = peek();
                const int digit = hex ? juce::CharacterFunctions::getHexDigitValue ((juce::juce_wchar) (unsigned char) c)
                                      : (c >= '0' && c <= '9' ? c - '0' : -1);
                if (digit < 0)
                    break;

                value = value * (hex ? 16 : 10) + digit;

                if (++digits > 8 || value > 0x10ffff)
                    return false;
            }

            if (digits == 0 || value == 0 || peek() != ';')
                return false;

            ++pos;
            return true;
        }

        bool readAttributeValue() noexcept
        {
            const auto quote = peek();
            if (quote != '"' && quote != '\'')
                return false;

            for (++pos; ! atEnd();)
            {
                const auto c = text[pos];

                if (c == quote)
                {
                    ++pos;
                    return true;
                }

                if (c == '<')
                    return false;

                if (c == '&')
                {
                    if (! readReference())
                        return false;
                }
                else
                {
                    ++pos;
                }
            }

            return false;
        }

        /** At "<" followed by a name: the tag up to its ">" or "/>". */
        bool readOpenTag (size_t& nameStart, size_t& nameLength, bool& selfClosing) noexcept
        {
            ++pos;
            if (! readName (nameStart, nameLength))
                return false;

            for (;;)
            {
                const bool hadSpace = skipSpace();

                if (peek() == '>')
                {
                    ++pos;
                    selfClosing = false;
                    return true;
                }

                if (peek() == '/' && peek (1) == '>')
                {
                    pos += 2;
                    selfClosing = true;
                    return true;
                }

                size_t attributeStart = 0, attributeLength = 0;

                if (! hadSpace || ! readName (attributeStart, attributeLength))
                    return false;

                skipSpace();
                if (peek() != '=')
                    return false;
                ++pos;
                skipSpace();

                if (! readAttributeValue())
                    return false;
            }
        }
    };
} // namespace

bool isPlainDocument (const juce::String& text, int maxDepth)
{
    Scanner in { text.toRawUTF8(), text.getNumBytesAsUTF8() };

    in.skipSpace();
    if (in.startsWith ("<?xml") && ! in.skipPast ("?>"))
        return false;

    std::vector<std::pair<size_t, size_t>> openElements; // name start and length
    bool rootSeen = false;

    for (;;)
    {
        if (openElements.empty())
        {
            // Outside the root: only white space and comments, then exactly one root element.
            in.skipSpace();

            if (in.startsWith ("<!--"))
            {
                if (! in.skipPast ("-->"))
                    return false;
                continue;
            }

            if (in.atEnd())
                return rootSeen;

            if (rootSeen || in.peek() != '<' || ! isNameStart (in.peek (1)))
                return false;
        }

        if (in.atEnd())
            return false; // an element is still open

        const auto c = in.peek();

        if (c == '&')
        {
            if (! in.readReference())
                return false;
        }
        else if (c != '<')
        {
            ++in.pos;
        }
        else if (in.startsWith ("<!--"))
        {
            if (! in.skipPast ("-->"))
                return false;
        }
        else if (in.peek (1) == '/')
        {
            in.pos += 2;
            size_t start = 0, length = 0;

            if (! in.readName (start, length) || openElements.empty())
                return false;

            const auto [openStart, openLength] = openElements.back();

            if (length != openLength || std::memcmp (in.text + start, in.text + openStart, length) != 0)
                return false;

            in.skipSpace();
            if (in.peek() != '>')
                return false;

            ++in.pos;
            openElements.pop_back();
            rootSeen = true;
        }
        else if (isNameStart (in.peek (1)))
        {
            size_t start = 0, length = 0;
            bool selfClosing = false;

            if (! in.readOpenTag (start, length, selfClosing))
                return false;

            if (selfClosing)
            {
                rootSeen = rootSeen || openElements.empty();
            }
            else
            {
                openElements.emplace_back (start, length);

                if ((int) openElements.size() > maxDepth)
                    return false;
            }
        }
        else
        {
            return false; // processing instructions, DOCTYPE, CDATA, a stray "<"
        }
    }
}

std::unique_ptr<juce::XmlElement> parse (const juce::String& text)
{
    if (text.isEmpty())
        return nullptr;

    // Text made from bytes that are not UTF-8 would let JUCE's parser read past its end.
    if (! juce::CharPointer_UTF8::isValidString (text.toRawUTF8(), (int) text.getNumBytesAsUTF8()))
        return nullptr;

    if (! isPlainDocument (text))
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

double doubleOf (const juce::String& text) noexcept
{
    const auto exponentAt = text.indexOfAnyOf ("eE");

    if (exponentAt < 0)
        return text.getDoubleValue();

    auto digitsAt = exponentAt + 1;
    if (text[digitsAt] == '-' || text[digitsAt] == '+')
        ++digitsAt;

    while (text[digitsAt] == '0')
        ++digitsAt;

    auto digitsEnd = digitsAt;
    while (text[digitsEnd] >= '0' && text[digitsEnd] <= '9')
        ++digitsEnd;

    if (digitsEnd - digitsAt <= 6)
        return text.getDoubleValue();

    // Beyond any double's range anyway: keep the sign of the exponent, cap its size.
    return text.replaceSection (digitsAt, digitsEnd - digitsAt, "999999").getDoubleValue();
}

double doubleAttribute (const juce::XmlElement& element, juce::StringRef name, double fallback) noexcept
{
    for (int i = 0; i < element.getNumAttributes(); ++i)
        if (element.getAttributeName (i) == name)
            return doubleOf (element.getAttributeValue (i));

    return fallback;
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

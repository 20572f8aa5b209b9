#include "theory/StringN.h"

#include <map>
#include <memory>
#include <mutex>

namespace nubo
{

namespace
{
    /** Length of the valid UTF-8 sequence starting at i and its code point, or 0 when the bytes
        there are not one (overlong forms, surrogates and values above U+10FFFF are rejected). */
    int readUtf8 (const std::string& s, size_t i, char32_t& codePoint) noexcept
    {
        const auto byteAt = [&s] (size_t k) { return static_cast<unsigned char> (s[k]); };
        const auto lead = byteAt (i);

        if (lead < 0x80)
        {
            codePoint = lead;
            return 1;
        }

        int length = 0;
        char32_t value = 0;
        char32_t minimum = 0;

        if ((lead & 0xE0) == 0xC0)
        {
            length = 2;
            value = lead & 0x1F;
            minimum = 0x80;
        }
        else if ((lead & 0xF0) == 0xE0)
        {
            length = 3;
            value = lead & 0x0F;
            minimum = 0x800;
        }
        else if ((lead & 0xF8) == 0xF0)
        {
            length = 4;
            value = lead & 0x07;
            minimum = 0x10000;
        }
        else
            return 0;

        if (i + static_cast<size_t> (length) > s.size())
            return 0;

        for (int k = 1; k < length; ++k)
        {
            const auto next = byteAt (i + static_cast<size_t> (k));

            if ((next & 0xC0) != 0x80)
                return 0;

            value = (value << 6) | (next & 0x3F);
        }

        if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return 0;

        codePoint = value;
        return length;
    }

    std::wregex neverMatching()
    {
        return std::wregex (L"[^\\s\\S]", std::regex_constants::ECMAScript);
    }

    /** Compiled forms of pattern texts, each compiled once. Bounded: once full, further texts
        are compiled per use and not kept. */
    std::shared_ptr<const std::wregex> cachedPattern (const juce::String& pattern)
    {
        static std::mutex lock;
        static std::map<juce::String, std::shared_ptr<const std::wregex>> cache;
        constexpr size_t maxEntries = 64;

        const std::lock_guard<std::mutex> guard (lock);

        if (auto found = cache.find (pattern); found != cache.end())
            return found->second;

        auto compiled = std::make_shared<const std::wregex> (StringN::compilePattern (pattern.toRawUTF8()));

        if (cache.size() < maxEntries)
            cache.emplace (pattern, compiled);

        return compiled;
    }
} // namespace

StringN::StringN (std::string newText)
    : text (std::move (newText))
{}

StringN::StringN (const char* newText)
    : text (newText != nullptr ? newText : "")
{}

StringN StringN::fromString (const juce::String& source)
{
    return StringN (source.toStdString());
}

juce::String StringN::toString() const
{
    return juce::String::fromUTF8 (text.data(), static_cast<int> (text.size()));
}

std::wregex StringN::compilePattern (const char* utf8Pattern)
{
    std::wstring wide;
    StringN (utf8Pattern).decode (wide, nullptr);

    try
    {
        return std::wregex (wide, std::regex_constants::ECMAScript);
    }
    catch (const std::regex_error&)
    {
        return neverMatching();
    }
}

void StringN::decode (std::wstring& wide, std::vector<int>* byteOffsets) const
{
    size_t i = 0;

    if (text.size() >= 3 && text.compare (0, 3, "\xEF\xBB\xBF") == 0)
        i = 3;

    wide.clear();

    while (i < text.size() && wide.size() < static_cast<size_t> (maxSearchLength))
    {
        char32_t codePoint = 0;
        auto length = readUtf8 (text, i, codePoint);

        if (length == 0)
        {
            codePoint = static_cast<unsigned char> (text[i]);
            length = 1;
        }

        if constexpr (sizeof (wchar_t) == 2)
        {
            if (codePoint > 0xFFFF)
            {
                // A surrogate pair; both halves start at the same byte.
                if (byteOffsets != nullptr)
                    byteOffsets->push_back (static_cast<int> (i));

                wide.push_back (static_cast<wchar_t> (0xD800 + ((codePoint - 0x10000) >> 10)));
                codePoint = 0xDC00 + ((codePoint - 0x10000) & 0x3FF);
            }
        }

        if (byteOffsets != nullptr)
            byteOffsets->push_back (static_cast<int> (i));

        wide.push_back (static_cast<wchar_t> (codePoint));
        i += static_cast<size_t> (length);
    }

    if (byteOffsets != nullptr)
        byteOffsets->push_back (static_cast<int> (i));
}

bool StringN::isContainRegEx (const std::wregex& pattern) const
{
    thread_local std::wstring wide;
    decode (wide, nullptr);

    try
    {
        return std::regex_search (wide, pattern);
    }
    catch (const std::regex_error&)
    {
        return false;
    }
}

bool StringN::isContainRegEx (const juce::String& pattern) const
{
    return isContainRegEx (*cachedPattern (pattern));
}

std::vector<StringN> StringN::regexSearch (const std::wregex& pattern) const
{
    std::wstring wide;
    std::vector<int> offsets;
    decode (wide, &offsets);

    std::vector<StringN> matches;

    try
    {
        for (std::wsregex_iterator it (wide.begin(), wide.end(), pattern), end; it != end; ++it)
        {
            const auto first = static_cast<size_t> (it->position (0));
            const auto last = first + static_cast<size_t> (it->length (0));
            const auto from = static_cast<size_t> (offsets[first]);
            const auto to = static_cast<size_t> (offsets[last]);
            matches.emplace_back (text.substr (from, to - from));
        }
    }
    catch (const std::regex_error&)
    {
    }

    return matches;
}

bool StringN::regexSearchFirst (const std::wregex& pattern, StringN& firstMatch) const
{
    // Scratch buffers kept per thread: this runs for every parsed pitch name.
    thread_local std::wstring wide;
    thread_local std::vector<int> offsets;
    offsets.clear();
    decode (wide, &offsets);

    try
    {
        std::wsmatch match;

        if (! std::regex_search (wide, match, pattern))
            return false;

        const auto first = static_cast<size_t> (match.position (0));
        const auto last = first + static_cast<size_t> (match.length (0));
        const auto from = static_cast<size_t> (offsets[first]);
        const auto to = static_cast<size_t> (offsets[last]);
        firstMatch = StringN (text.substr (from, to - from));
        return true;
    }
    catch (const std::regex_error&)
    {
        return false;
    }
}

std::vector<StringN> StringN::regexSearch (const juce::String& pattern) const
{
    return regexSearch (*cachedPattern (pattern));
}

} // namespace nubo

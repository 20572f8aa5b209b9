#pragma once

#include <juce_core/juce_core.h>

#include <regex>
#include <string>
#include <vector>

namespace nubo
{

/**
    A narrow (byte) string that can be searched with regular expressions.

    The bytes are read as UTF-8 (a leading UTF-8 byte-order mark is skipped); a byte that does not
    start a valid UTF-8 sequence is read as the character of the same value, so no input is
    rejected. Searches run over the decoded wide characters with the ECMAScript grammar, and every
    match is handed back as the exact bytes of the matched part of the text.

    Patterns used on hot paths should be compiled once (see compilePattern()) and passed as
    std::wregex; the overloads taking a pattern text compile each distinct text once and keep it.
    A search looks at most at the first maxSearchLength characters of the text: the standard
    matcher recurses per character (some hundred bytes of stack each), so unbounded text must not
    reach it. Pitch and chord names are far shorter.
*/
class StringN
{
public:
    /** Longest run of characters a search looks at. */
    static constexpr int maxSearchLength = 256;

    StringN() = default;
    StringN (std::string text);
    StringN (const char* text);
    StringN (const StringN&) = default;
    StringN (StringN&&) noexcept = default;
    StringN& operator= (const StringN&) = default;
    StringN& operator= (StringN&&) noexcept = default;
    virtual ~StringN() = default;

    /** Builds from the UTF-8 form of a JUCE string. */
    static StringN fromString (const juce::String& text);

    const std::string& getText() const noexcept { return text; }
    juce::String toString() const;

    /** Whether the pattern matches anywhere in the text. */
    bool isContainRegEx (const std::wregex& pattern) const;
    bool isContainRegEx (const juce::String& pattern) const;

    /** Every successive non-overlapping match of the whole pattern, left to right. */
    std::vector<StringN> regexSearch (const std::wregex& pattern) const;
    std::vector<StringN> regexSearch (const juce::String& pattern) const;

    /** The first match of the pattern, like the first entry of regexSearch(), without building
        the others. False when there is none. */
    bool regexSearchFirst (const std::wregex& pattern, StringN& firstMatch) const;

    /** Compiles an ECMAScript pattern given as UTF-8. An invalid pattern gives one that never
        matches; nothing is thrown. */
    static std::wregex compilePattern (const char* utf8Pattern);

private:
    /** The decoded characters, and for each one the byte offset where it starts. */
    void decode (std::wstring& wide, std::vector<int>* byteOffsets) const;

    std::string text;
};

} // namespace nubo

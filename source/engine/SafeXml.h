#pragma once

#include <juce_core/juce_core.h>

#include <memory>

namespace nubo::SafeXml
{

/** Deepest element nesting accepted from outside. JUCE's parser, writer and destructor recurse
    once per level, so untrusted text must not choose the depth. */
constexpr int maxNestingDepth = 200;

/**
    True when text is a plain, well-formed XML document of the kind this plug-in writes: an
    optional XML declaration, one root element, elements with quoted attributes, text, comments,
    the five predefined entities and character references from 1 to 0x10FFFF; nesting at most
    maxDepth deep. Anything else (DOCTYPE, CDATA, processing instructions, unknown or unclosed
    references, unclosed or mismatched tags, a "<" inside a tag) is refused.

    JUCE's parser is not written for hostile text: it steps past the end of the text on an
    unterminated reference, loops forever on some broken tags, and recurses once per level. It
    only ever sees text that passed this check.
*/
bool isPlainDocument (const juce::String& text, int maxDepth = maxNestingDepth);

/** Parses text as an XML document, or returns nullptr when it is not valid UTF-8 or not a plain
    document (isPlainDocument). */
std::unique_ptr<juce::XmlElement> parse (const juce::String& text);

/** Removes the text nodes of every element that also has element children, at any depth.
    JUCE's one-line writer cannot write an element that follows a text node (it dereferences a
    null line break), and no stored document of ours carries such mixed content. */
void removeMixedContentText (juce::XmlElement& element);

/** The first child of parent whose tag equals name ignoring letter case, or nullptr. */
juce::XmlElement* findChildIgnoreCase (const juce::XmlElement& parent, juce::StringRef name) noexcept;

/** C atoi reading of text (leading white space, a sign, digits; stops at the first other
    character; 0 when there are no digits), saturating at the int range instead of overflowing. */
int atoiOf (const juce::String& text) noexcept;

/** The decimal number text starts with, as JUCE reads it, except that an exponent too long for
    JUCE's int arithmetic is shortened first (it overflowed on "1e9999999999"): huge exponents
    give infinity or 0 as they should. */
double doubleOf (const juce::String& text) noexcept;

/** doubleOf of the attribute, or fallback when the element has no attribute of that exact name. */
double doubleAttribute (const juce::XmlElement& element, juce::StringRef name, double fallback) noexcept;

/** atoiOf of the attribute, or fallback when the element has no attribute of that exact name. */
int intAttribute (const juce::XmlElement& element, juce::StringRef name, int fallback) noexcept;

} // namespace nubo::SafeXml

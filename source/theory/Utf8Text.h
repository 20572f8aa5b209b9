#pragma once

#include <juce_core/juce_core.h>

namespace nubo
{

/** A JUCE string from UTF-8 bytes (a plain const char* would be read as Latin-1). */
inline juce::String utf8Text (const char* utf8)
{
    return juce::String (juce::CharPointer_UTF8 (utf8));
}

/** A string list from UTF-8 texts. */
inline juce::StringArray utf8TextList (std::initializer_list<const char*> texts)
{
    juce::StringArray list;
    list.ensureStorageAllocated (static_cast<int> (texts.size()));

    for (auto* t : texts)
        list.add (utf8Text (t));

    return list;
}

} // namespace nubo

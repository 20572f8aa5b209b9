#pragma once

#include <juce_core/juce_core.h>

#include "theory/Define_ChordName.h"
#include "theory/PitchNameInfo.h"

#include <ostream>

namespace nubo::test
{

inline juce::String u8 (const char* utf8)
{
    return juce::String (juce::CharPointer_UTF8 (utf8));
}

/** Sets both language switches for the lifetime of the object and restores them after. */
class ScopedLanguage
{
public:
    explicit ScopedLanguage (int mode)
        : oldChord (Define_ChordName::m_laguageMode)
        , oldPitch (PitchNameInfo::m_laguageMode)
    {
        Define_ChordName::m_laguageMode = mode;
        PitchNameInfo::m_laguageMode = mode;
    }

    ~ScopedLanguage()
    {
        Define_ChordName::m_laguageMode = oldChord;
        PitchNameInfo::m_laguageMode = oldPitch;
    }

private:
    int oldChord, oldPitch;
};

inline juce::StringArray u8List (std::initializer_list<const char*> texts)
{
    juce::StringArray list;
    for (auto* t : texts)
        list.add (u8 (t));
    return list;
}

} // namespace nubo::test

namespace juce
{
// Readable failure messages for JUCE strings in GoogleTest.
inline void PrintTo (const String& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo (const StringArray& a, std::ostream* os)
{
    *os << '[' << a.joinIntoString ("|").toStdString() << ']';
}
} // namespace juce

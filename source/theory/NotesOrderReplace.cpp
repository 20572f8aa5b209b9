#include "theory/NotesOrderReplace.h"

#include "theory/Utf8Text.h"

#include <algorithm>

namespace nubo
{

namespace
{
    juce::Array<int> everyOther (const juce::Array<int>& tones, int first)
    {
        juce::Array<int> result;
        result.ensureStorageAllocated ((tones.size() + 1) / 2);

        for (int i = first; i < tones.size(); i += 2)
            result.add (tones.getUnchecked (i));

        return result;
    }
} // namespace

// The highest and lowest tones are the true extremes of the list, so tones outside 0 … 127
// (an inversion below pitch 0) are never replaced by a pitch that is not in the chord.

juce::Array<int> NotesOrderReplace_Normal::executeOrderReplace (juce::Array<int> tones) const
{
    return tones;
}

juce::Array<int> NotesOrderReplace_EvenNotes::executeOrderReplace (juce::Array<int> tones) const
{
    return everyOther (tones, 0);
}

juce::Array<int> NotesOrderReplace_OddNotes::executeOrderReplace (juce::Array<int> tones) const
{
    return everyOther (tones, 1);
}

juce::Array<int> NotesOrderReplace_TopAndBassNotes::executeOrderReplace (juce::Array<int> tones) const
{
    if (tones.isEmpty())
        return {};

    const auto [lowest, highest] = std::minmax_element (tones.begin(), tones.end());
    return { *lowest, *highest };
}

juce::Array<int> NotesOrderReplace_TopNoteOnly::executeOrderReplace (juce::Array<int> tones) const
{
    if (tones.isEmpty())
        return {};

    return { *std::max_element (tones.begin(), tones.end()) };
}

juce::Array<int> NotesOrderReplace_BassNoteOnly::executeOrderReplace (juce::Array<int> tones) const
{
    if (tones.isEmpty())
        return {};

    return { *std::min_element (tones.begin(), tones.end()) };
}

NotesOrderReplace_Base* NoteOrderReplace_Selector::getNoteReplaceByTypeString (const juce::String& name)
{
    struct Names
    {
        juce::String japanese, english;
    };

    static const Names names[] = {
        { utf8Text (u8"標準"), "Normal" },
        { utf8Text (u8"ベース音"), "Bass" },
        { utf8Text (u8"トップ音"), "Top" },
        { utf8Text (u8"ベース,トップ"), "Bass,Top" },
        { utf8Text (u8"偶数音"), "Even" },
        { utf8Text (u8"奇数音"), "Odd" },
    };

    NotesOrderReplace_Base* const replacers[] = { &normal, &bassNoteOnly, &topNoteOnly, &topAndBassNotes, &evenNotes, &oddNotes };

    for (size_t i = 0; i < std::size (names); ++i)
        if (name == names[i].japanese || name == names[i].english)
            return replacers[i];

    return nullptr; // "Sync", "同期" and anything else: no re-voicing
}

} // namespace nubo

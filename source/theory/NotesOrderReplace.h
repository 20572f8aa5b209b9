#pragma once

#include <juce_core/juce_core.h>

namespace nubo
{

/**
    A note-order re-voicing: filters the tone list a chord generator built before it reaches the
    note sink. Positions are counted in the generator's delivery order, not in pitch order.
*/
class NotesOrderReplace_Base
{
public:
    virtual ~NotesOrderReplace_Base() = default;

    virtual juce::Array<int> executeOrderReplace (juce::Array<int> tones) const = 0;
};

/** "Normal" / "標準": every tone, unchanged. */
class NotesOrderReplace_Normal final : public NotesOrderReplace_Base
{
public:
    juce::Array<int> executeOrderReplace (juce::Array<int> tones) const override;
};

/** "Even" / "偶数音": the tones at positions 0, 2, 4 … */
class NotesOrderReplace_EvenNotes final : public NotesOrderReplace_Base
{
public:
    juce::Array<int> executeOrderReplace (juce::Array<int> tones) const override;
};

/** "Odd" / "奇数音": the tones at positions 1, 3, … */
class NotesOrderReplace_OddNotes final : public NotesOrderReplace_Base
{
public:
    juce::Array<int> executeOrderReplace (juce::Array<int> tones) const override;
};

/** "Bass,Top" / "ベース,トップ": the lowest tone, then the highest (nothing for no tones). */
class NotesOrderReplace_TopAndBassNotes final : public NotesOrderReplace_Base
{
public:
    juce::Array<int> executeOrderReplace (juce::Array<int> tones) const override;
};

/** "Top" / "トップ音": the highest tone only (nothing for no tones). */
class NotesOrderReplace_TopNoteOnly final : public NotesOrderReplace_Base
{
public:
    juce::Array<int> executeOrderReplace (juce::Array<int> tones) const override;
};

/** "Bass" / "ベース音": the lowest tone only (nothing for no tones). */
class NotesOrderReplace_BassNoteOnly final : public NotesOrderReplace_Base
{
public:
    juce::Array<int> executeOrderReplace (juce::Array<int> tones) const override;
};

/** One re-voicing of each kind, looked up by its Japanese or English name. */
class NoteOrderReplace_Selector final
{
public:
    NoteOrderReplace_Selector() = default;

    /** The re-voicing of that name in either language; null for "Sync", "同期" and any other
        text, which means no re-voicing. Exact comparison. */
    NotesOrderReplace_Base* getNoteReplaceByTypeString (const juce::String& name);

private:
    NotesOrderReplace_Normal normal;
    NotesOrderReplace_BassNoteOnly bassNoteOnly;
    NotesOrderReplace_TopNoteOnly topNoteOnly;
    NotesOrderReplace_TopAndBassNotes topAndBassNotes;
    NotesOrderReplace_EvenNotes evenNotes;
    NotesOrderReplace_OddNotes oddNotes;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (NoteOrderReplace_Selector)
};

} // namespace nubo

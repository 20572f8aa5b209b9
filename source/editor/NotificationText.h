#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <deque>

namespace nubo
{

/** Where the editor posts one-line status texts; keeps the newest few, newest first. */
class NotificationText_Base
{
public:
    NotificationText_Base();

    /** Inserts the text as the newest entry and drops the oldest. */
    virtual void addNotificationText (juce::String text);
    /** History length, at least 1; the history is emptied. */
    virtual void setMaxDequeSize (int size);
    /** Number of newest entries painted, at most the history length. */
    virtual void setVisiblueLineNum (int count);
    virtual void _OnChangeNotificationText() = 0;

    /** Empties the history and fills it with empty texts. */
    void _prepareDeque();

    int getMaxDequeSize() const noexcept { return maxDequeSize; }
    int getVisibleLineNum() const noexcept { return visibleLineNum; }
    /** A copy of the history, newest first. */
    std::deque<juce::String> getHistory() const;
    /** The newest visibleLineNum entries, newest first, each followed by a line break. */
    juce::String getVisibleText() const;

protected:
    // Held through plain pointers by the panels and never deleted through this base.
    ~NotificationText_Base() = default;

    juce::CriticalSection lock;
    int maxDequeSize = 3;
    int visibleLineNum = 1;
    std::deque<juce::String> history;
};

/** The strip in the editor's menu bar that paints the newest texts. */
class NotificationText_Component final : public juce::Component
    , public NotificationText_Base
{
public:
    NotificationText_Component();
    ~NotificationText_Component() override = default;

    void paint (juce::Graphics&) override;
    void _OnChangeNotificationText() override;

    juce::Colour textColour { juce::Colours::black };
    int fontHeight = 14;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (NotificationText_Component)
};

} // namespace nubo

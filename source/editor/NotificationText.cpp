#include "editor/NotificationText.h"

#include "widgets/FontManager.h"

namespace nubo
{

NotificationText_Base::NotificationText_Base()
{
    _prepareDeque();
}

void NotificationText_Base::_prepareDeque()
{
    const juce::ScopedLock sl (lock);
    history.clear();
    history.resize ((size_t) juce::jmax (1, maxDequeSize));
}

void NotificationText_Base::addNotificationText (juce::String text)
{
    const juce::ScopedLock sl (lock);
    history.push_front (std::move (text));

    while (history.size() > (size_t) juce::jmax (1, maxDequeSize))
        history.pop_back();

    _OnChangeNotificationText();
}

void NotificationText_Base::setMaxDequeSize (int size)
{
    maxDequeSize = juce::jmax (1, size);
    _prepareDeque();
    _OnChangeNotificationText();
}

void NotificationText_Base::setVisiblueLineNum (int count)
{
    visibleLineNum = juce::jmin (count, maxDequeSize);
    _OnChangeNotificationText();
}

std::deque<juce::String> NotificationText_Base::getHistory() const
{
    const juce::ScopedLock sl (lock);
    return history;
}

juce::String NotificationText_Base::getVisibleText() const
{
    const juce::ScopedLock sl (lock);
    juce::String text;
    const auto lines = (size_t) juce::jmax (0, visibleLineNum);

    for (size_t i = 0; i < lines && i < history.size(); ++i)
        text << history[i] << "\n";

    return text;
}

NotificationText_Component::NotificationText_Component()
{
    setInterceptsMouseClicks (false, false);
}

void NotificationText_Component::_OnChangeNotificationText()
{
    if (getWidth() >= 1 && getHeight() >= 1)
        repaint();
}

void NotificationText_Component::paint (juce::Graphics& g)
{
    g.reduceClipRegion (getLocalBounds());

    if (g.getClipBounds().isEmpty() || visibleLineNum < 1)
        return;

    g.setColour (textColour);
    g.setFont (FontManager::getFont (FontManager::NOTO_SANS_CJK, fontHeight, juce::Font::plain, 0.1f));
    g.drawFittedText (getVisibleText(),
                      juce::Rectangle<int> (2, 2, juce::jmax (getWidth() - 4, 0), juce::jmax (getHeight() - 4, 0)),
                      juce::Justification::centred, visibleLineNum, 0.0f);
}

} // namespace nubo

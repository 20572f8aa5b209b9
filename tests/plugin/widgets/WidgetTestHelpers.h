#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace nubo::test
{

inline juce::String utf8 (const char* text)
{
    return juce::String (juce::CharPointer_UTF8 (text));
}

/** Paints a component (not on screen) into an ARGB image of its size. */
inline juce::Image snapshot (juce::Component& component)
{
    return component.createComponentSnapshot (component.getLocalBounds(), false);
}

/** A synthetic mouse event at pos on component. */
inline juce::MouseEvent mouseEventAt (juce::Component& component, juce::Point<float> pos,
                                      juce::ModifierKeys mods = {})
{
    const auto now = juce::Time::getCurrentTime();
    return juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), pos, mods,
                             juce::MouseInputSource::defaultPressure, 0.0f, 0.0f, 0.0f, 0.0f,
                             &component, &component, now, pos, now, 1, false);
}

inline juce::MouseWheelDetails wheel (float deltaY, float deltaX = 0.0f)
{
    juce::MouseWheelDetails details;
    details.deltaX = deltaX;
    details.deltaY = deltaY;
    details.isReversed = false;
    details.isSmooth = false;
    details.isInertial = false;
    return details;
}

/** Red, green and blue of a pixel, for readable failures. */
inline juce::String rgbOf (juce::Colour c)
{
    return juce::String (c.getRed()) + "," + juce::String (c.getGreen()) + "," + juce::String (c.getBlue());
}

} // namespace nubo::test

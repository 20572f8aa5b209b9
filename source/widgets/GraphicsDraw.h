#pragma once

#include <juce_graphics/juce_graphics.h>

namespace nubo::GRAPHICS_DRAW
{

/** Top colour of a gradient face: the distance of each channel to white divided by 1.1. */
juce::Colour gradientTopColour (juce::Colour colour) noexcept;

/** Bottom colour of a gradient face: each channel divided by 1.12. */
juce::Colour gradientBottomColour (juce::Colour colour) noexcept;

/** Each channel scaled by factor (truncated), alpha kept. */
juce::Colour scaledChannels (juce::Colour colour, float factor) noexcept;

/** Each channel moved toward white: 255 − (255 − c) × factor (truncated), alpha kept. */
juce::Colour towardWhite (juce::Colour colour, float factor) noexcept;

/** Fills the path with a vertical two-stop gradient derived from the colour. */
void DrawGradiRect (juce::Graphics& g, const juce::Path& path, const juce::Colour& colour);

/** Outlines the path with a light highlight line just inside it and a 70 % black line. */
void DrawRectStroke_WithShadow (juce::Graphics& g, const juce::Path& path);

/** The same outline with the black line at 80 %. */
void DrawRectStroke_WithShadow2 (juce::Graphics& g, const juce::Path& path);

} // namespace nubo::GRAPHICS_DRAW

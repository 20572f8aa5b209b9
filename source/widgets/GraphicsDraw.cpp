#include "widgets/GraphicsDraw.h"

namespace nubo::GRAPHICS_DRAW
{

namespace
{
    juce::uint8 toByte (float value) noexcept
    {
        return (juce::uint8) juce::jlimit (0, 255, (int) value);
    }

    void strokeWithHighlight (juce::Graphics& g, const juce::Path& path, juce::uint8 darkAlpha)
    {
        if (path.isEmpty())
            return;

        const juce::Graphics::ScopedSaveState saved (g);
        const auto bounds = path.getBounds();
        const float h = bounds.getHeight();
        const float centreY = bounds.getY() + h / 2.0f;
        const float c = h > 0.0f ? (h - 1.6f) / h : 0.0f;
        const juce::PathStrokeType stroke (1.0f, juce::PathStrokeType::mitered, juce::PathStrokeType::butt);

        g.setColour (juce::Colour (0x66ffffff));
        g.strokePath (path, stroke, juce::AffineTransform::scale (1.0f, c, 0.0f, centreY).translated (0.0f, c));

        g.setColour (juce::Colours::black.withAlpha (darkAlpha));
        g.strokePath (path, stroke);
    }
} // namespace

juce::Colour gradientTopColour (juce::Colour colour) noexcept
{
    return towardWhite (colour, 0.9090909f);
}

juce::Colour gradientBottomColour (juce::Colour colour) noexcept
{
    return scaledChannels (colour, 0.8928571f);
}

juce::Colour scaledChannels (juce::Colour colour, float factor) noexcept
{
    return juce::Colour (toByte ((float) colour.getRed() * factor),
                         toByte ((float) colour.getGreen() * factor),
                         toByte ((float) colour.getBlue() * factor),
                         colour.getAlpha());
}

juce::Colour towardWhite (juce::Colour colour, float factor) noexcept
{
    const auto channel = [factor] (juce::uint8 c) { return toByte (255.0f - (255.0f - (float) c) * factor); };
    return juce::Colour (channel (colour.getRed()), channel (colour.getGreen()), channel (colour.getBlue()),
                         colour.getAlpha());
}

void DrawGradiRect (juce::Graphics& g, const juce::Path& path, const juce::Colour& colour)
{
    if (path.isEmpty())
        return;

    const juce::Graphics::ScopedSaveState saved (g);
    const auto bounds = path.getBounds();
    g.setGradientFill (juce::ColourGradient (gradientTopColour (colour), bounds.getX(), bounds.getY(),
                                             gradientBottomColour (colour), bounds.getX(), bounds.getBottom(),
                                             false));
    g.fillPath (path);
}

void DrawRectStroke_WithShadow (juce::Graphics& g, const juce::Path& path)
{
    strokeWithHighlight (g, path, 0xb3);
}

void DrawRectStroke_WithShadow2 (juce::Graphics& g, const juce::Path& path)
{
    strokeWithHighlight (g, path, 0xcc);
}

} // namespace nubo::GRAPHICS_DRAW

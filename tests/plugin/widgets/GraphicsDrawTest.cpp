#include "widgets/GraphicsDraw.h"

#include "WidgetTestHelpers.h"

#include <gtest/gtest.h>

namespace
{

namespace draw = nubo::GRAPHICS_DRAW;

juce::Image blank (int w, int h)
{
    return juce::Image (juce::Image::ARGB, w, h, true);
}

TEST (GraphicsDraw, GradientFaceRunsFromLighterTopToDarkerBottom)
{
    const juce::Colour base (224, 224, 224);
    EXPECT_EQ (draw::gradientTopColour (base), juce::Colour (226, 226, 226));    // 255 − 31 / 1.1
    EXPECT_EQ (draw::gradientBottomColour (base), juce::Colour (199, 199, 199)); // 224 × 0.8928571, truncated

    auto image = blank (20, 100);
    {
        juce::Graphics g (image);
        juce::Path rect;
        rect.addRectangle (0.0f, 0.0f, 20.0f, 100.0f);
        draw::DrawGradiRect (g, rect, base);
    }

    const auto top = image.getPixelAt (10, 0);
    const auto bottom = image.getPixelAt (10, 99);
    EXPECT_NEAR (top.getRed(), 226, 1) << nubo::test::rgbOf (top);
    EXPECT_NEAR (bottom.getRed(), 200, 1) << nubo::test::rgbOf (bottom);
    EXPECT_GT (image.getPixelAt (10, 25).getRed(), image.getPixelAt (10, 75).getRed());
}

TEST (GraphicsDraw, EmptyPathOrTransparentColourDrawsNothing)
{
    auto image = blank (10, 10);
    {
        juce::Graphics g (image);
        draw::DrawGradiRect (g, juce::Path(), juce::Colours::red);
        draw::DrawRectStroke_WithShadow (g, juce::Path());

        juce::Path rect;
        rect.addRectangle (0.0f, 0.0f, 10.0f, 10.0f);
        draw::DrawGradiRect (g, rect, juce::Colours::red.withAlpha ((juce::uint8) 0));
    }

    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ (image.getPixelAt (x, y).getAlpha(), 0) << x << "," << y;
}

TEST (GraphicsDraw, OutlineHasALightLineInsideADarkOne)
{
    auto draw70 = blank (40, 40);
    auto draw80 = blank (40, 40);
    juce::Path rect;
    rect.addRectangle (5.0f, 5.0f, 30.0f, 30.0f);

    {
        juce::Graphics g (draw70);
        g.fillAll (juce::Colour (128, 128, 128));
        draw::DrawRectStroke_WithShadow (g, rect);
    }
    {
        juce::Graphics g (draw80);
        g.fillAll (juce::Colour (128, 128, 128));
        draw::DrawRectStroke_WithShadow2 (g, rect);
    }

    // The dark line on the left edge, the light one just below the top edge.
    const auto dark70 = draw70.getPixelAt (5, 20);
    const auto dark80 = draw80.getPixelAt (5, 20);
    EXPECT_LT (dark70.getRed(), 115) << nubo::test::rgbOf (dark70);
    EXPECT_LT (dark80.getRed(), dark70.getRed());

    bool lighterBelowTop = false;
    for (int y = 5; y <= 8; ++y)
        lighterBelowTop |= draw70.getPixelAt (20, y).getRed() > 140;
    EXPECT_TRUE (lighterBelowTop);
}

TEST (GraphicsDraw, HighlightCollapsesOnAPathOfHeightOnePointSix)
{
    auto image = blank (30, 20);
    juce::Path flat;
    flat.addRectangle (5.0f, 9.0f, 20.0f, 1.6f);

    {
        juce::Graphics g (image);
        draw::DrawRectStroke_WithShadow (g, flat);
    }

    // Scale 0 puts the highlight on the centre line: nothing is drawn far from it.
    for (int x = 0; x < 30; ++x)
    {
        EXPECT_EQ (image.getPixelAt (x, 2).getAlpha(), 0);
        EXPECT_EQ (image.getPixelAt (x, 17).getAlpha(), 0);
    }
    EXPECT_GT (image.getPixelAt (15, 9).getAlpha(), 0);
}

} // namespace

#include "widgets/RYBColor.h"

#include <gtest/gtest.h>

namespace
{

using nubo::RGBTriple;
using nubo::RYBColor;
using nubo::RYBColorHelper;

void expectRgb (const RGBTriple& c, int r, int g, int b)
{
    EXPECT_EQ (c.red, r);
    EXPECT_EQ (c.green, g);
    EXPECT_EQ (c.blue, b);
    EXPECT_EQ (c.colour, juce::Colour ((juce::uint8) r, (juce::uint8) g, (juce::uint8) b, (juce::uint8) 255));
}

TEST (RYBColor, RoleColoursComeFromTheirHsbInputs)
{
    struct Case
    {
        const RGBTriple& colour;
        int r, g, b;
    };
    const Case cases[] = {
        { RYBColorHelper::m_white_A_Col, 224, 224, 224 },
        { RYBColorHelper::m_white_B_Col, 191, 191, 191 },
        { RYBColorHelper::m_Dark_A_Col, 102, 102, 102 },
        { RYBColorHelper::m_Dark_B_Col, 63, 63, 63 },
        { RYBColorHelper::m_NuboCHord_PitchColor_ChordRoot, 76, 76, 255 },
        { RYBColorHelper::m_NuboChord_PitchColor_ChordTone, 57, 191, 101 },
        { RYBColorHelper::m_NuboChord_PitchColor_ChordBaseTone, 255, 76, 76 },
    };

    for (const auto& c : cases)
        expectRgb (c.colour, c.r, c.g, c.b);
}

TEST (RYBColor, HsbToRgbSectorsGreyAndClamping)
{
    expectRgb (RYBColor::HSBtoRGB (60, 1.0f, 1.0f), 255, 255, 0);
    expectRgb (RYBColor::HSBtoRGB (120, 1.0f, 1.0f), 0, 255, 0);
    expectRgb (RYBColor::HSBtoRGB (180, 1.0f, 1.0f), 0, 255, 255);
    expectRgb (RYBColor::HSBtoRGB (240, 1.0f, 1.0f), 0, 0, 255);
    expectRgb (RYBColor::HSBtoRGB (300, 1.0f, 1.0f), 255, 0, 255);
    expectRgb (RYBColor::HSBtoRGB (30, 1.0f, 1.0f), 255, 127, 0);

    // Saturation 0 is grey whatever the hue; hue 360 is hue 0.
    expectRgb (RYBColor::HSBtoRGB (77, 0.0f, 0.5f), 127, 127, 127);
    expectRgb (RYBColor::HSBtoRGB (360, 0.7f, 1.0f), 255, 76, 76);

    // Out-of-range inputs are clamped; a negative hue falls back to the first sector's rule.
    expectRgb (RYBColor::HSBtoRGB (0, 0.0f, 3.0f), 255, 255, 255);
    expectRgb (RYBColor::HSBtoRGB (0, 2.0f, 1.0f), 255, 0, 0);
    expectRgb (RYBColor::HSBtoRGB (0, 1.0f, -1.0f), 0, 0, 0);
    const auto negative = RYBColor::HSBtoRGB (-60, 1.0f, 1.0f);
    EXPECT_EQ (negative.red, 255);
    EXPECT_EQ (negative.blue, 0);
}

TEST (RYBColor, PaintMixingWheel)
{
    EXPECT_FLOAT_EQ (RYBColor::_cubicInt (0.5f, 0.0f, 1.0f), 0.5f);
    EXPECT_FLOAT_EQ (RYBColor::_cubicInt (0.25f, 2.0f, 4.0f), 2.0f + 2.0f * 0.15625f);

    expectRgb (RYBColor::RYBHSBtoRGB (0, 1.0f, 1.0f), 255, 0, 0);     // red
    expectRgb (RYBColor::RYBHSBtoRGB (60, 1.0f, 1.0f), 255, 127, 0);  // orange
    expectRgb (RYBColor::RYBHSBtoRGB (120, 1.0f, 1.0f), 255, 255, 0); // yellow
    expectRgb (RYBColor::RYBHSBtoRGB (180, 1.0f, 1.0f), 0, 168, 50);  // green
    expectRgb (RYBColor::RYBHSBtoRGB (240, 1.0f, 1.0f), 41, 95, 153); // blue
    expectRgb (RYBColor::RYBHSBtoRGB (300, 1.0f, 1.0f), 127, 0, 127); // purple
    expectRgb (RYBColor::RYBHSBtoRGB (0, 1.0f, 0.0f), 0, 0, 0);
    expectRgb (RYBColor::RYBHSBtoRGB (0, 0.0f, 1.0f), 255, 255, 255);

    // Saturation 0 runs along the cube's diagonal: not a grey in the middle.
    const auto diagonal = RYBColor::RYBHSBtoRGB (0, 0.0f, 0.5f);
    EXPECT_FALSE (diagonal.red == diagonal.green && diagonal.green == diagonal.blue);
    EXPECT_TRUE ((bool) RYBColor::interPFunc);
}

} // namespace

#pragma once

#include <juce_graphics/juce_graphics.h>

#include <functional>

namespace nubo
{

/** An opaque colour as three 0 … 255 channels, together with the juce::Colour built from them. */
struct RGBTriple
{
    int red = 0;
    int green = 0;
    int blue = 0;
    juce::Colour colour { 0xff000000 };

    RGBTriple() = default;
    RGBTriple (int r, int g, int b) noexcept;
};

/** HSB conversions, plain and through the red-yellow-blue paint-mixing cube. */
class RYBColor
{
public:
    /** Output colour (r, g, b in 0 … 1) of each corner of the cube; index = 2·R + Y + 4·B. */
    static const float magic[8][3];

    /** The interpolation used by the cube; set to _cubicInt before every conversion. */
    static std::function<float (float, float, float)> interPFunc;

    /** Plain HSB to RGB with integer flooring; hue in degrees. */
    static RGBTriple HSBtoRGB (int hue, float saturation, float brightness);

    /** HSB mapped through the red-yellow-blue cube: hue 0 red, 60 orange, 120 yellow, 180 green,
        240 blue, 300 purple. */
    static RGBTriple RYBHSBtoRGB (int hue, float saturation, float brightness);

    /** a + t²(3 − 2t)(b − a) */
    static float _cubicInt (float t, float a, float b);
};

/** The editor's named role colours. */
class RYBColorHelper
{
public:
    static const RGBTriple m_white_A_Col;
    static const RGBTriple m_white_B_Col;
    static const RGBTriple m_Dark_A_Col;
    static const RGBTriple m_Dark_B_Col;
    static const RGBTriple m_NuboCHord_PitchColor_ChordRoot;
    static const RGBTriple m_NuboChord_PitchColor_ChordTone;
    static const RGBTriple m_NuboChord_PitchColor_ChordBaseTone;
};

} // namespace nubo

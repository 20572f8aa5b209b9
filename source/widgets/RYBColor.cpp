#include "widgets/RYBColor.h"

#include <cmath>

namespace nubo
{

namespace
{
    int clampChannel (float value) noexcept
    {
        return juce::jlimit (0, 255, (int) std::floor (value));
    }
} // namespace

RGBTriple::RGBTriple (int r, int g, int b) noexcept
    : red (r)
    , green (g)
    , blue (b)
    , colour ((juce::uint8) juce::jlimit (0, 255, r),
              (juce::uint8) juce::jlimit (0, 255, g),
              (juce::uint8) juce::jlimit (0, 255, b))
{
}

const float RYBColor::magic[8][3] = {
    { 0.0f, 0.0f, 0.0f },
    { 1.0f, 1.0f, 0.0f },
    { 1.0f, 0.0f, 0.0f },
    { 1.0f, 0.5f, 0.0f },
    { 0.163f, 0.373f, 0.6f },
    { 0.0f, 0.66f, 0.2f },
    { 0.5f, 0.0f, 0.5f },
    { 1.0f, 1.0f, 1.0f }
};

std::function<float (float, float, float)> RYBColor::interPFunc;

float RYBColor::_cubicInt (float t, float a, float b)
{
    const float weight = t * t * (3.0f - 2.0f * t);
    return a + weight * (b - a);
}

RGBTriple RYBColor::HSBtoRGB (int hue, float saturation, float brightness)
{
    const float value = brightness * 255.0f;
    const int v = std::isnan (value) ? 0 : clampChannel (value);
    const float s = std::isnan (saturation) ? 0.0f : juce::jlimit (0.0f, 1.0f, saturation);

    if (s == 0.0f)
        return { v, v, v };

    const float h = (float) (hue % 360) / 60.0f;
    const int sector = (int) std::floor (h);
    const float f = h - (float) sector;
    const float vf = (float) v;

    const int p = clampChannel ((1.0f - s) * vf);
    const int q = clampChannel ((1.0f - s * f) * vf);
    const int t = clampChannel ((1.0f - (1.0f - f) * s) * vf);

    switch (sector)
    {
        case 1:
            return { q, v, p };
        case 2:
            return { p, v, t };
        case 3:
            return { p, q, v };
        case 4:
            return { t, p, v };
        case 5:
            return { v, p, q };
        case 0:
        default:
            return { v, t, p };
    }
}

RGBTriple RYBColor::RYBHSBtoRGB (int hue, float saturation, float brightness)
{
    interPFunc = &RYBColor::_cubicInt;

    const auto hsb = HSBtoRGB (hue, saturation, brightness);
    const float r = (float) hsb.red / 255.0f;
    const float y = (float) hsb.green / 255.0f;
    const float b = (float) hsb.blue / 255.0f;

    int out[3] {};

    for (int c = 0; c < 3; ++c)
    {
        const float x0 = interPFunc (b, magic[0][c], magic[4][c]);
        const float x1 = interPFunc (b, magic[1][c], magic[5][c]);
        const float x2 = interPFunc (b, magic[2][c], magic[6][c]);
        const float x3 = interPFunc (b, magic[3][c], magic[7][c]);
        const float y0 = interPFunc (y, x0, x1);
        const float y1 = interPFunc (y, x2, x3);
        out[c] = juce::jlimit (0, 255, (int) (interPFunc (r, y0, y1) * 255.0f));
    }

    return { out[0], out[1], out[2] };
}

const RGBTriple RYBColorHelper::m_white_A_Col = RYBColor::HSBtoRGB (0, 0.0f, 0.88f);
const RGBTriple RYBColorHelper::m_white_B_Col = RYBColor::HSBtoRGB (0, 0.0f, 0.75f);
const RGBTriple RYBColorHelper::m_Dark_A_Col = RYBColor::HSBtoRGB (0, 0.0f, 0.4f);
const RGBTriple RYBColorHelper::m_Dark_B_Col = RYBColor::HSBtoRGB (0, 0.0f, 0.25f);
const RGBTriple RYBColorHelper::m_NuboCHord_PitchColor_ChordRoot = RYBColor::HSBtoRGB (240, 0.7f, 1.0f);
const RGBTriple RYBColorHelper::m_NuboChord_PitchColor_ChordTone = RYBColor::HSBtoRGB (140, 0.7f, 0.75f);
const RGBTriple RYBColorHelper::m_NuboChord_PitchColor_ChordBaseTone = RYBColor::HSBtoRGB (0, 0.7f, 1.0f);

} // namespace nubo

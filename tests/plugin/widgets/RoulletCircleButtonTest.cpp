#include "widgets/RoulletCircleButton.h"
#include "widgets/RYBColor.h"

#include "WidgetTestHelpers.h"

#include <gtest/gtest.h>

namespace
{

using nubo::RoulletCircleButton;

juce::StringArray numbers (int count)
{
    juce::StringArray names;
    for (int i = 0; i < count; ++i)
        names.add (juce::String (i));
    return names;
}

juce::Point<int> polar (float radius, float degrees)
{
    const auto p = nubo::pointOnCircle (300.0f, 300.0f, radius, juce::degreesToRadians (degrees));
    return { juce::roundToInt (p.x), juce::roundToInt (p.y) };
}

void stepWheel (RoulletCircleButton& wheel, float deltaY, juce::Point<int> at = polar (260.0f, 0.0f))
{
    wheel.mouseWheelMove (nubo::test::mouseEventAt (wheel, at.toFloat()), nubo::test::wheel (deltaY));
}

juce::String shownName (RoulletCircleButton& wheel, int position)
{
    return wheel.getButtonSegments()[position]->m_info->m_name;
}

TEST (RoulletCircleButton, TwelveSegmentsStartCentredAtTwelveOClock)
{
    RoulletCircleButton wheel (numbers (12));
    wheel.setBounds (0, 0, 600, 600);

    EXPECT_TRUE (wheel.isFullCircle());
    EXPECT_FLOAT_EQ (wheel.getOuterRadius(), 300.0f);
    EXPECT_FLOAT_EQ (wheel.getInnerRadius(), 150.0f);

    const auto& whole = wheel.getButtonSegments()[0]->m_wholeFigure;
    EXPECT_NEAR (juce::radiansToDegrees (whole.getStartAngle()), -15.0f, 1.0e-3f);
    EXPECT_NEAR (juce::radiansToDegrees (whole.getEndAngle()), 15.0f, 1.0e-3f);
    EXPECT_NEAR (juce::radiansToDegrees (wheel.getButtonSegments()[3]->m_wholeFigure.getStartAngle()), 75.0f, 1.0e-3f);

    // The label sits on the mid radius; its size follows the spacing of neighbouring anchors.
    const auto* first = wheel.getButtonSegments()[0];
    EXPECT_NEAR (first->m_textX, 300.0f, 1.0e-3f);
    EXPECT_NEAR (first->m_textY, 75.0f, 1.0e-3f);
    EXPECT_NEAR (first->m_fontSize, 0.65f * 116.5f, 1.0f);
}

TEST (RoulletCircleButton, HitTestsNeverHitTheHole)
{
    RoulletCircleButton wheel (numbers (12));
    wheel.setBounds (0, 0, 600, 600);
    const auto& segments = wheel.getButtonSegments();

    EXPECT_EQ (wheel.findSegmentAt (polar (260.0f, 0.0f)), segments[0]);
    EXPECT_EQ (wheel.findSegmentAt (polar (200.0f, 29.0f)), segments[1]);
    EXPECT_EQ (wheel.findSegmentAt (polar (160.0f, 180.0f)), segments[6]);
    EXPECT_EQ (wheel.findSegmentAt (polar (200.0f, -20.0f)), segments[11]);

    for (float radius : { 0.0f, 60.0f, 140.0f })
        for (float angle = 0.0f; angle < 360.0f; angle += 45.0f)
            EXPECT_EQ (wheel.findSegmentAt (polar (radius, angle)), nullptr) << radius << " " << angle;
}

TEST (RoulletCircleButton, WheelStepTurnsListAndPicture)
{
    RoulletCircleButton wheel (numbers (12));
    wheel.setBounds (0, 0, 600, 600);
    EXPECT_EQ (shownName (wheel, 0), "0");

    stepWheel (wheel, -1.0f);
    EXPECT_EQ (wheel.getCurrentStartIndex(), 1);
    EXPECT_EQ (shownName (wheel, 0), "1") << "the entry that was at position 1 is at the top";
    EXPECT_NEAR (juce::radiansToDegrees (wheel.getAngle()), -30.0f, 1.0e-3f);

    stepWheel (wheel, 1.0f);
    stepWheel (wheel, 1.0f);
    EXPECT_EQ (wheel.getCurrentStartIndex(), 11);
    EXPECT_EQ (shownName (wheel, 0), "11");
    EXPECT_NEAR (juce::radiansToDegrees (wheel.getAngle()), -330.0f, 1.0e-3f);

    // Stepping over the hole does nothing.
    stepWheel (wheel, 1.0f, { 300, 300 });
    EXPECT_EQ (wheel.getCurrentStartIndex(), 11);

    wheel.setCurrentStartIndexFromButtonName ("4", false);
    EXPECT_EQ (wheel.getCurrentStartIndex(), 4);
    wheel.setCurrentStartIndexFromButtonName ("nothing", false);
    EXPECT_EQ (wheel.getCurrentStartIndex(), 0);
}

TEST (RoulletCircleButton, ColoursFollowTheirEntriesWhenThePictureTurns)
{
    RoulletCircleButton wheel (numbers (12));
    wheel.setBounds (0, 0, 600, 600);

    // Position 0, first half: hue 30 (start) through the paint-mixing wheel.
    const auto probe = polar (160.0f, -8.0f);
    const auto expected0 = nubo::RYBColor::RYBHSBtoRGB (30, 0.7f, 0.8f).colour;
    EXPECT_EQ (nubo::test::snapshot (wheel).getPixelAt (probe.x, probe.y), expected0);

    // One step: entry 1 (hue 40 in its first half) now covers the same place.
    stepWheel (wheel, -1.0f);
    const auto turned = nubo::test::snapshot (wheel).getPixelAt (probe.x, probe.y);
    const auto expected1 = nubo::RYBColor::RYBHSBtoRGB (40, 0.7f, 0.8f).colour;
    EXPECT_NEAR (turned.getRed(), expected1.getRed(), 3) << nubo::test::rgbOf (turned);
    EXPECT_NEAR (turned.getGreen(), expected1.getGreen(), 3) << nubo::test::rgbOf (turned);
    EXPECT_NEAR (turned.getBlue(), expected1.getBlue(), 3) << nubo::test::rgbOf (turned);

    // A forced redraw while turned keeps every entry's colour.
    wheel.forceRedraw();
    const auto redrawn = nubo::test::snapshot (wheel).getPixelAt (probe.x, probe.y);
    EXPECT_NEAR (redrawn.getGreen(), expected1.getGreen(), 3) << nubo::test::rgbOf (redrawn);
}

TEST (RoulletCircleButton, GreyscaleStylePaintsGreys)
{
    RoulletCircleButton wheel (numbers (12));
    wheel.setColourStyle (30.0f, 120.0f, 0.7f, 0.8f, true);
    wheel.setBounds (0, 0, 600, 600);

    const auto snap = nubo::test::snapshot (wheel);
    for (float angle : { -8.0f, 100.0f, 200.0f })
    {
        const auto p = polar (160.0f, angle);
        const auto c = snap.getPixelAt (p.x, p.y);
        EXPECT_EQ (c.getRed(), c.getGreen()) << nubo::test::rgbOf (c);
        EXPECT_EQ (c.getGreen(), c.getBlue()) << nubo::test::rgbOf (c);
        EXPECT_GT (c.getRed(), 60);
    }
}

TEST (RoulletCircleButton, HoverOutlineIsBlackOverTheWhiteOutline)
{
    RoulletCircleButton wheel (numbers (12));
    wheel.setBounds (0, 0, 600, 600);
    int entered = 0, exited = 0;
    wheel.getButtonInfos()[0]->m_mouseEnterFunc = [&] (const juce::MouseEvent&) { ++entered; };
    wheel.getButtonInfos()[0]->m_mouseExitFunc = [&] (const juce::MouseEvent&) { ++exited; };

    const auto edge = polar (200.0f, 15.0f); // between positions 0 and 1
    const auto before = nubo::test::snapshot (wheel).getPixelAt (edge.x, edge.y);
    EXPECT_GT (before.getRed(), 200) << nubo::test::rgbOf (before);

    wheel.mouseMove (nubo::test::mouseEventAt (wheel, polar (260.0f, 0.0f).toFloat()));
    EXPECT_TRUE (wheel.getButtonSegments()[0]->m_mouseOver);
    EXPECT_EQ (entered, 1);

    const auto during = nubo::test::snapshot (wheel).getPixelAt (edge.x, edge.y);
    EXPECT_LT (during.getRed(), 80) << nubo::test::rgbOf (during);

    wheel.mouseMove (nubo::test::mouseEventAt (wheel, polar (260.0f, 90.0f).toFloat()));
    EXPECT_FALSE (wheel.getButtonSegments()[0]->m_mouseOver);
    EXPECT_EQ (exited, 1);
}

TEST (RoulletCircleButton, FewerNamesRepeatRoundTheRing)
{
    RoulletCircleButton wheel ({ "A", "B", "C" });
    ASSERT_EQ (wheel.getButtonInfos().size(), 12);

    for (int e = 0; e < 12; ++e)
        EXPECT_EQ (wheel.getButtonInfos()[e]->m_name, juce::String::charToString ((juce::juce_wchar) ('A' + e % 3)));

    // Hue of an entry: e × (range / name count) + start.
    EXPECT_FLOAT_EQ (wheel.getButtonInfos()[4]->m_hue, 4.0f * 40.0f + 30.0f);

    RoulletCircleButton empty ({});
    EXPECT_EQ (empty.getButtonInfos().size(), 12);
    EXPECT_EQ (empty.getButtonInfos()[0]->m_name, "");
}

TEST (RoulletCircleButton, ArcWheelsRedrawInsteadOfTurning)
{
    RoulletCircleButton wheel (numbers (6));
    wheel.setSegmentCount (6);
    wheel.setArcAngles (-juce::MathConstants<float>::halfPi, juce::MathConstants<float>::halfPi);
    wheel.setBounds (0, 0, 600, 600);
    EXPECT_FALSE (wheel.isFullCircle());

    stepWheel (wheel, -1.0f);
    EXPECT_EQ (wheel.getCurrentStartIndex(), 1);
    EXPECT_FLOAT_EQ (wheel.getAngle(), 0.0f);
}

TEST (RoulletCircleButtonDouble, TwoBandsWithTwoLabels)
{
    nubo::RoulletCircleButton_Double wheel ({ "C", "G", "D" }, { "Am", "Em" });
    wheel.setBounds (0, 0, 600, 600);

    EXPECT_EQ (wheel.getButtonInfos()[0]->m_subName, "Am");
    EXPECT_EQ (wheel.getButtonInfos()[3]->m_name, "C");
    EXPECT_EQ (wheel.getButtonInfos()[3]->m_subName, "Em");

    auto* segment = dynamic_cast<nubo::One_CircleButton_Double*> (wheel.getButtonSegments()[0]);
    ASSERT_NE (segment, nullptr);
    EXPECT_FLOAT_EQ (segment->getSplitRadius(), 225.0f);
    EXPECT_NEAR (segment->m_textY, 300.0f - 262.5f, 1.0e-3f);
    EXPECT_NEAR (segment->m_innerTextY, 300.0f - 187.5f, 1.0e-3f);
    EXPECT_FLOAT_EQ (segment->m_innerFontSize, segment->m_fontSize / 2.0f);

    // Both bands hit; the hole does not.
    EXPECT_EQ (wheel.findSegmentAt (polar (280.0f, 0.0f)), segment);
    EXPECT_EQ (wheel.findSegmentAt (polar (180.0f, 0.0f)), segment);
    EXPECT_EQ (wheel.findSegmentAt (polar (100.0f, 0.0f)), nullptr);
}

} // namespace

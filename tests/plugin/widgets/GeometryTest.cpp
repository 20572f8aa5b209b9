#include "widgets/Figures.h"
#include "widgets/Geometry2D.h"
#include "widgets/Matrix_Editable_Base.h"

#include <gtest/gtest.h>

namespace
{

using Golden = nubo::GoldenRatio_Rectangle2D<int>;

juce::Rectangle<int> rectOf (const nubo::Rectangle_2D<int>& r)
{
    return r.toJuceRectangle();
}

TEST (GoldenRatioRectangle, CutsTheWholeIntoFifteenPieces)
{
    Golden golden;
    golden.setBounds ({ 0, 0, 1000, 618 });

    EXPECT_EQ (golden.getRationalRectCount(), 15u);
    EXPECT_EQ (rectOf (golden.getRationalRectBySizeIndex (1)), juce::Rectangle<int> (0, 0, 1000, 618));
    EXPECT_EQ (rectOf (golden.getRationalRectBySizeIndex (2)), juce::Rectangle<int>::leftTopRightBottom (0, 0, 618, 618));
    EXPECT_EQ (rectOf (golden.getRationalRectBySizeIndex (3)), juce::Rectangle<int>::leftTopRightBottom (618, 0, 1000, 618));

    // X1 = 618.03, Y1 = 381.96, X2 = 763.9, Y2 = 472.1, X3 = 708.2, Y3 = 437.7, X4 = 729.5
    EXPECT_EQ (rectOf (golden.getRationalRectBySizeIndex (4)), juce::Rectangle<int>::leftTopRightBottom (618, 0, 1000, 381));
    EXPECT_EQ (rectOf (golden.getRationalRectBySizeIndex (6)), juce::Rectangle<int>::leftTopRightBottom (618, 381, 763, 618));
    EXPECT_EQ (rectOf (golden.getRationalRectBySizeIndex (8)), juce::Rectangle<int>::leftTopRightBottom (618, 381, 763, 472));
    EXPECT_EQ (rectOf (golden.getRationalRectBySizeIndex (14)), juce::Rectangle<int>::leftTopRightBottom (729, 437, 763, 472));
    EXPECT_EQ (rectOf (golden.getRationalRectBySizeIndex (15)), juce::Rectangle<int>::leftTopRightBottom (708, 437, 729, 472));

    // Out-of-range indices give the whole; pieces come with kind 1.
    EXPECT_EQ (rectOf (golden.getRationalRectBySizeIndex (16)), juce::Rectangle<int> (0, 0, 1000, 618));
    EXPECT_EQ (rectOf (golden.getRationalRectBySizeIndex (0)), juce::Rectangle<int> (0, 0, 1000, 618));
    EXPECT_EQ (rectOf (golden.getRationalRectBySizeIndex (-3)), juce::Rectangle<int> (0, 0, 1000, 618));
    EXPECT_EQ (golden.getRationalRectBySizeIndex (5).getRatioKind(), 1);
}

TEST (GoldenRatioRectangle, ReversedCornersAndOtherRatios)
{
    Golden reversed ({ 1000, 618 }, { 0, 0 });
    EXPECT_EQ (rectOf (reversed.getRationalRectBySizeIndex (2)), juce::Rectangle<int>::leftTopRightBottom (0, 0, 618, 618));

    Golden halves ({ 0, 0 }, { 100, 50 }, 9); // unknown kinds divide by 1: X1 = R
    EXPECT_EQ (rectOf (halves.getRationalRectBySizeIndex (2)), juce::Rectangle<int> (0, 0, 100, 50));

    Golden root2 ({ 0, 0 }, { 1000, 100 }, 3);
    EXPECT_EQ (root2.getRationalRectBySizeIndex (2).bottomRight.x, 707);
}

TEST (MatrixEditable, RotatesScalesThenTranslatesAndCachesUntilChanged)
{
    nubo::Matrix_Editable_Base parent;
    nubo::Matrix_Editable_Base m;
    m.setMatrixParent (&parent);
    m.setRotationCentre (10.0f, 10.0f);
    m.setAngle (juce::MathConstants<float>::halfPi);
    m.setScaleCentre (0.0f, 0.0f);
    m.setScale (2.0f, 2.0f);
    m.setTranslate (1.0f, 0.0f);

    auto x = 20.0f, y = 10.0f;
    m.getAffineTransform().transformPoint (x, y);
    // (20, 10) turns a quarter about (10, 10) to (10, 20), scales to (20, 40), moves to (21, 40).
    EXPECT_NEAR (x, 21.0f, 1.0e-4f);
    EXPECT_NEAR (y, 40.0f, 1.0e-4f);
    EXPECT_FALSE (m.isMatrixDirty());
    EXPECT_FALSE (parent.isMatrixDirty());

    m.setAngle (0.0f);
    EXPECT_TRUE (m.isMatrixDirty());
    x = 20.0f;
    y = 10.0f;
    m.getAffineTransform().transformPoint (x, y);
    EXPECT_NEAR (x, 41.0f, 1.0e-4f);
}

TEST (Figures, TriangleAndAnnularSectorHitTests)
{
    nubo::Figure_Triangle<int> triangle ({ 0, 0 }, 10.0f);
    triangle._createFigurePoints();
    ASSERT_EQ (triangle.m_points.size(), 3u);
    EXPECT_EQ (triangle.m_points[0], (nubo::Point_2D<int> { 0, -10 }));
    EXPECT_TRUE (triangle.isContainPoint ({ 0, 0 }));
    EXPECT_FALSE (triangle.isContainPoint ({ 0, -11 }));
    EXPECT_EQ (nubo::computeFigureTriangleBounds (10.0f), juce::Rectangle<int> (-8, -10, 16, 15));

    nubo::Figure_Circle_Double<float> sector;
    const float span = juce::degreesToRadians (30.0f);
    sector.set ({ 100.0f, 100.0f }, 100.0f, 50.0f, -span / 2.0f, span / 2.0f, 1);

    // Outline: inner start point, two outer points, inner end point.
    EXPECT_EQ (sector.m_points.size(), 4u);
    EXPECT_EQ (sector.m_piePoints.size(), 3u);
    EXPECT_TRUE (sector.isContainPoint ({ 100, 20 }));
    EXPECT_FALSE (sector.isContainPoint ({ 100, 60 }));  // inside the hole
    EXPECT_FALSE (sector.isContainPoint ({ 100, 100 })); // the centre itself
    EXPECT_FALSE (sector.isContainPoint ({ 160, 40 }));  // beside the sector

    auto identity = juce::AffineTransform();
    EXPECT_TRUE (sector.isContainPoint_WithMat ({ 100, 20 }, identity));
    auto shifted = juce::AffineTransform::translation (300.0f, 0.0f);
    EXPECT_FALSE (sector.isContainPoint_WithMat ({ 100, 20 }, shifted));
    EXPECT_EQ (sector.createLinesStdVector().size(), 4u);
}

} // namespace

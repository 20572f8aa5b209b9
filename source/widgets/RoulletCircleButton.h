#pragma once

#include "widgets/DrawableImage_Bass.h"
#include "widgets/Figures.h"
#include "widgets/Functional_Listeners.h"
#include "widgets/Matrix_Editable_Base.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace nubo
{

class One_CircleButton;

/** One entry of a wheel: labels, colour hue and closures. The paint closure draws the segment's
    label and outline; the mouse-over closure marks the segment under the mouse. */
class One_CircleButtonInfo : public Functional_MouseListener_Base
    , public Functional_PaintListener_Base
{
public:
    One_CircleButtonInfo() = default;
    ~One_CircleButtonInfo() override = default;

    juce::String m_name { "non Named" };
    juce::String m_subName;
    float m_hue = 0.0f;
    One_CircleButton* m_segment = nullptr;
    std::function<void (juce::Graphics&)> m_mouseOverPaintFunc;
};

/** One position on the ring: an annular sector drawn as equal sub-sectors. */
class One_CircleButton
{
public:
    One_CircleButton() = default;
    virtual ~One_CircleButton() = default;

    virtual void replaceWithAngle (juce::Rectangle<int> bounds, float angle, float span, float outerRadius, float innerRadius);
    virtual void drawFillCircleFigure (juce::Graphics& g, const float& hue, const float& hueSpan, const float& saturation,
                                       const float& brightness, const bool& greyscale);
    virtual void drawStrokeGridLine (juce::Graphics& g, float thickness, juce::AffineTransform mat);
    virtual void drawPitchText (juce::Graphics& g, float unused, juce::AffineTransform mat, juce::Colour colour);
    virtual bool isHitTest (int x, int y, float angle, juce::AffineTransform mat);
    virtual juce::Rectangle<float> getTotalFigureCircleBounds();
    virtual void _createCicrlceArray();
    virtual void _computeTextPosAndFontSize (float angle, float span);
    virtual void _computeTotalBounds (float angle, float span);
    virtual void _computeInnerFigureBounds (float angle, float span);
    virtual void _drawOneText (juce::Graphics& g, juce::String text, float size, Point_2D<int> anchor, juce::AffineTransform mat);

    /** Strokes the whole segment's outline (both bands of a double segment). */
    virtual void strokeWholeFigure (juce::Graphics& g, const juce::AffineTransform& mat, float thickness);

    /** Colour of sub-sector b: the hue b·(hueSpan/n) + hue through the red-yellow-blue wheel. */
    static juce::Colour subFigureColour (int b, int n, float hue, float hueSpan, float saturation, float brightness, bool greyscale);

    int m_subFigureCount = 2;
    bool m_mouseOver = false;
    float m_outerRadius = 0.0f;
    float m_innerRadius = 0.0f;
    float m_fontSize = 0.0f;
    float m_centerX = 0.0f, m_centerY = 0.0f;
    float m_textX = 0.0f, m_textY = 0.0f;
    One_CircleButtonInfo* m_info = nullptr;
    juce::OwnedArray<Figure_Circle_Double<float>> m_subFigures;
    Figure_Circle_Double<float> m_wholeFigure;
    juce::Path m_gridLines;

protected:
    /** Chords per arc of a sector of that span: about one per five degrees. */
    static int chordsFor (float span) noexcept;
    /** Font size factor times the distance between two neighbouring anchors at radius d. */
    float anchorSpacing (float angle, float span, float d) const;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (One_CircleButton)
};

/** A position of the two-band wheel: an outer band (split radius to outer) and an inner band
    (inner radius to split radius), each with its own label. */
class One_CircleButton_Double : public One_CircleButton
{
public:
    One_CircleButton_Double() = default;

    void drawFillCircleFigure (juce::Graphics& g, const float& hue, const float& hueSpan, const float& saturation,
                               const float& brightness, const bool& greyscale) override;
    void drawPitchText (juce::Graphics& g, float unused, juce::AffineTransform mat, juce::Colour colour) override;
    bool isHitTest (int x, int y, float angle, juce::AffineTransform mat) override;
    void _createCicrlceArray() override;
    void _computeTextPosAndFontSize (float angle, float span) override;
    void _computeTotalBounds (float angle, float span) override;
    void _computeInnerFigureBounds (float angle, float span) override;
    void strokeWholeFigure (juce::Graphics& g, const juce::AffineTransform& mat, float thickness) override;

    float getSplitRadius() const noexcept { return m_innerRadius + (m_outerRadius - m_innerRadius) * m_splitRatio; }

    float m_splitRatio = 0.5f;
    float m_innerTextX = 0.0f, m_innerTextY = 0.0f;
    float m_innerFontSize = 0.0f;
    juce::OwnedArray<Figure_Circle_Double<float>> m_innerSubFigures;
    Figure_Circle_Double<float> m_innerWholeFigure;
};

/** A ring of equal segments showing a window onto a circular list of names. The ring is painted
    once into a cached image and turned through a transform when the list turns. */
class RoulletCircleButton : public juce::Component
    , public DrawableImage_Bass
    , public Matrix_Editable_Base
{
public:
    explicit RoulletCircleButton (juce::StringArray names);
    ~RoulletCircleButton() override;

    virtual void _createButtonComponents();
    virtual void _createButtonComponentsInfo();
    virtual void _replaceCircleFigure();
    void _drawInImage() override;
    virtual void _applyButtonInfoChange();

    void mouseMove (const juce::MouseEvent&) override;
    void mouseExit (const juce::MouseEvent&) override;
    void mouseDown (const juce::MouseEvent&) override;
    void mouseDrag (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;
    void mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails&) override;
    void paint (juce::Graphics&) override;
    void resized() override;

    /** Start index = position of the last entry with that name (0 when none); records re-assigned. */
    void setCurrentStartIndexFromButtonName (juce::String name, bool notify);
    /** Moves the start index by delta, wrapped into the record count, and re-assigns the records. */
    void addCurrentStartIndex (int delta);
    int getCurrentStartIndex() const noexcept { return m_startIndex; }

    /** The fit transform: the wheel stretched to the component when scale to fit is on. */
    juce::AffineTransform getScaledMat() const;

    bool isFullCircle() const noexcept;

    void setTargetButtonStringArray (juce::StringArray names);
    void setSegmentCount (int count);
    void setArcAngles (float startAngle, float endAngle);
    void setColourStyle (float hueStart, float hueRange, float saturation, float brightness, bool greyscale);
    void setRadiusRatios (float outerRatio, float innerRatio);
    void setScaleToFit (bool scaleToFit);
    void setTextColour (juce::Colour colour)
    {
        m_textColour = colour;
        repaint();
    }
    void setOverlayPaint (std::function<void (juce::Graphics&)> f)
    {
        m_overlayPaint = std::move (f);
        repaint();
    }
    /** Marks the cached picture for redraw at the next paint. */
    void forceRedraw()
    {
        m_redraw = true;
        repaint();
    }

    const juce::OwnedArray<One_CircleButtonInfo>& getButtonInfos() const noexcept { return m_infos; }
    const juce::OwnedArray<One_CircleButton>& getButtonSegments() const noexcept { return m_segments; }
    int getSegmentCount() const noexcept { return m_segmentCount; }
    float getOuterRadius() const noexcept { return m_outerRadius; }
    float getInnerRadius() const noexcept { return m_innerRadius; }
    float getHueStart() const noexcept { return m_hueStart; }
    float getHueRange() const noexcept { return m_hueRange; }
    bool isGreyscale() const noexcept { return m_greyscale; }

    /** The segment under a point, updating the mouse-over flags; null when none is hit. */
    One_CircleButton* _getOnMouseButton (const juce::MouseEvent& e);
    One_CircleButton* findSegmentAt (juce::Point<int> position);

protected:
    virtual One_CircleButton* _newSegment() const { return new One_CircleButton(); }
    /** Gives a record the default closures: label and outline, hover outline, wheel turns the list. */
    void _setDefaultClosures (One_CircleButtonInfo& info);
    float _lineScale() const;
    void _repaintWheelArea();
    void _rebuild();

    std::function<void (juce::Graphics&)> m_overlayPaint;
    juce::OwnedArray<One_CircleButtonInfo> m_infos;
    juce::OwnedArray<One_CircleButton> m_segments;
    juce::StringArray m_names;
    juce::Colour m_textColour { juce::Colours::black };
    float m_hueStart = 30.0f;
    float m_hueRange = 120.0f;
    float m_saturation = 0.7f;
    float m_brightness = 0.8f;
    bool m_greyscale = false;
    int m_segmentCount = 12;
    float m_startAngle = 0.0f;
    float m_endAngle = juce::MathConstants<float>::twoPi;
    int m_startIndex = 0;
    float m_outerRatio = 1.0f;
    float m_innerRatio = 0.5f;
    float m_outerRadius = 0.0f;
    float m_innerRadius = 0.0f;
    bool m_scaleToFit = false;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (RoulletCircleButton)
};

/** The two-band wheel: names outside, sub-names inside. */
class RoulletCircleButton_Double : public RoulletCircleButton
{
public:
    RoulletCircleButton_Double (juce::StringArray names, juce::StringArray subNames);

    void _createButtonComponents() override;
    void _createButtonComponentsInfo() override;

    void setSubNames (juce::StringArray subNames);

protected:
    One_CircleButton* _newSegment() const override { return new One_CircleButton_Double(); }

    juce::StringArray m_subNames;
};

} // namespace nubo

#include "widgets/RoulletCircleButton.h"

#include "widgets/FontManager.h"
#include "widgets/RYBColor.h"

#include <cmath>

namespace nubo
{

namespace
{
    constexpr float twoPi = juce::MathConstants<float>::twoPi;

    Point_2D<float> centreOf (juce::Rectangle<int> bounds) noexcept
    {
        return { (float) (bounds.getX() + bounds.getWidth() / 2), (float) (bounds.getY() + bounds.getHeight() / 2) };
    }

    /** Distance between the anchors of two neighbouring segments, both rounded up to whole pixels. */
    float neighbourDistance (float cx, float cy, float d, float angle, float span)
    {
        const auto a = pointOnCircle (cx, cy, d, angle + span / 2.0f);
        const auto b = pointOnCircle (cx, cy, d, angle + 1.5f * span);
        const float dx = std::ceil (a.x) - std::ceil (b.x);
        const float dy = std::ceil (a.y) - std::ceil (b.y);
        return std::sqrt (dx * dx + dy * dy);
    }
} // namespace

//==============================================================================
int One_CircleButton::chordsFor (float span) noexcept
{
    return juce::jlimit (1, 64, (int) std::ceil (std::abs (juce::radiansToDegrees (span)) / 5.0f));
}

float One_CircleButton::anchorSpacing (float angle, float span, float d) const
{
    return neighbourDistance (m_centerX, m_centerY, d, angle, span);
}

void One_CircleButton::_createCicrlceArray()
{
    m_subFigures.clear();

    for (int i = 0; i < juce::jmax (1, m_subFigureCount); ++i)
        m_subFigures.add (new Figure_Circle_Double<float>());
}

void One_CircleButton::replaceWithAngle (juce::Rectangle<int> bounds, float angle, float span, float outerRadius, float innerRadius)
{
    const auto centre = centreOf (bounds);
    m_centerX = centre.x;
    m_centerY = centre.y;
    m_outerRadius = outerRadius;
    m_innerRadius = innerRadius;

    _computeInnerFigureBounds (angle, span);
    _computeTotalBounds (angle, span);
    _computeTextPosAndFontSize (angle, span);
}

void One_CircleButton::_computeInnerFigureBounds (float angle, float span)
{
    const int n = m_subFigures.size();
    m_gridLines.clear();

    for (int j = 0; j < n; ++j)
    {
        const float a0 = angle + (float) j * span / (float) n;
        const float a1 = angle + (float) (j + 1) * span / (float) n;
        m_subFigures[j]->set ({ m_centerX, m_centerY }, m_outerRadius, m_innerRadius, a0, a1, chordsFor (a1 - a0));

        if (j > 0)
        {
            const auto p = pointOnCircle (m_centerX, m_centerY, m_innerRadius, a0);
            const auto q = pointOnCircle (m_centerX, m_centerY, m_outerRadius, a0);
            m_gridLines.startNewSubPath (p);
            m_gridLines.lineTo (q);
        }
    }
}

void One_CircleButton::_computeTotalBounds (float angle, float span)
{
    m_wholeFigure.set ({ m_centerX, m_centerY }, m_outerRadius, m_innerRadius, angle, angle + span, chordsFor (span));
}

void One_CircleButton::_computeTextPosAndFontSize (float angle, float span)
{
    const float mid = (m_outerRadius - m_innerRadius) / 2.0f + m_innerRadius;
    const auto anchor = pointOnCircle (m_centerX, m_centerY, mid, angle + span / 2.0f);
    m_textX = anchor.x;
    m_textY = anchor.y;
    m_fontSize = 0.65f * anchorSpacing (angle, span, mid);
}

juce::Colour One_CircleButton::subFigureColour (int b, int n, float hue, float hueSpan, float saturation, float brightness, bool greyscale)
{
    const int h = (int) ((float) b * (hueSpan / (float) juce::jmax (1, n)) + hue);
    const auto rgb = RYBColor::RYBHSBtoRGB (h, saturation, brightness);

    if (greyscale)
    {
        const auto grey = (juce::uint8) ((rgb.red + rgb.green + rgb.blue) / 3);
        return juce::Colour (grey, grey, grey);
    }

    return rgb.colour;
}

void One_CircleButton::drawFillCircleFigure (juce::Graphics& g, const float& hue, const float& hueSpan, const float& saturation,
                                             const float& brightness, const bool& greyscale)
{
    const int n = m_subFigures.size();

    for (int b = 0; b < n; ++b)
    {
        const auto path = m_subFigures[b]->createPath();
        g.setColour (subFigureColour (b, n, hue, hueSpan, saturation, brightness, greyscale));
        g.fillPath (path);
        g.strokePath (path, juce::PathStrokeType (1.0f));
    }
}

void One_CircleButton::drawStrokeGridLine (juce::Graphics& g, float thickness, juce::AffineTransform mat)
{
    g.strokePath (m_gridLines, juce::PathStrokeType (thickness), mat);
}

void One_CircleButton::_drawOneText (juce::Graphics& g, juce::String text, float size, Point_2D<int> anchor, juce::AffineTransform mat)
{
    if (text.isEmpty() || size < 1.0f)
        return;

    const auto font = FontManager::getFont (FontManager::NOTO_SANS_CJK, (int) size, juce::Font::bold, 0.0f);
    const int width = (int) std::ceil (font.getStringWidthFloat (text));
    const int height = (int) std::ceil (size);
    float x = (float) anchor.x - (float) width / 2.0f;
    float y = (float) anchor.y - (float) height / 2.0f;

    if (! mat.isIdentity())
        mat.transformPoint (x, y);

    g.setFont (font);
    g.drawText (text, juce::Rectangle<float> (x, y, (float) width, (float) height), juce::Justification::centred, true);
}

void One_CircleButton::drawPitchText (juce::Graphics& g, float, juce::AffineTransform mat, juce::Colour colour)
{
    if (m_info == nullptr)
        return;

    g.setColour (colour);
    _drawOneText (g, m_info->m_name, m_fontSize, { juce::roundToInt (m_textX), juce::roundToInt (m_textY) }, mat);
}

bool One_CircleButton::isHitTest (int x, int y, float angle, juce::AffineTransform mat)
{
    auto px = (float) x, py = (float) y;

    if (angle != 0.0f)
        juce::AffineTransform::rotation (angle, m_centerX, m_centerY).transformPoint (px, py);

    return m_wholeFigure.isContainPoint_WithMat ({ juce::roundToInt (px), juce::roundToInt (py) }, mat);
}

juce::Rectangle<float> One_CircleButton::getTotalFigureCircleBounds()
{
    return m_wholeFigure.createPath().getBounds();
}

void One_CircleButton::strokeWholeFigure (juce::Graphics& g, const juce::AffineTransform& mat, float thickness)
{
    m_wholeFigure.drawStrokePath_withMat (g, mat, thickness);
}

//==============================================================================
void One_CircleButton_Double::_createCicrlceArray()
{
    One_CircleButton::_createCicrlceArray();
    m_innerSubFigures.clear();

    for (int i = 0; i < juce::jmax (1, m_subFigureCount); ++i)
        m_innerSubFigures.add (new Figure_Circle_Double<float>());
}

void One_CircleButton_Double::_computeInnerFigureBounds (float angle, float span)
{
    const int n = m_subFigures.size();
    const float rs = getSplitRadius();
    m_gridLines.clear();

    for (int j = 0; j < n; ++j)
    {
        const float a0 = angle + (float) j * span / (float) n;
        const float a1 = angle + (float) (j + 1) * span / (float) n;
        m_subFigures[j]->set ({ m_centerX, m_centerY }, m_outerRadius, rs, a0, a1, chordsFor (a1 - a0));

        if (j < m_innerSubFigures.size())
            m_innerSubFigures[j]->set ({ m_centerX, m_centerY }, rs, m_innerRadius, a0, a1, chordsFor (a1 - a0));

        if (j > 0)
        {
            m_gridLines.startNewSubPath (pointOnCircle (m_centerX, m_centerY, m_innerRadius, a0));
            m_gridLines.lineTo (pointOnCircle (m_centerX, m_centerY, m_outerRadius, a0));
        }
    }
}

void One_CircleButton_Double::_computeTotalBounds (float angle, float span)
{
    const float rs = getSplitRadius();
    m_wholeFigure.set ({ m_centerX, m_centerY }, m_outerRadius, rs, angle, angle + span, chordsFor (span));
    m_innerWholeFigure.set ({ m_centerX, m_centerY }, rs, m_innerRadius, angle, angle + span, chordsFor (span));
}

void One_CircleButton_Double::_computeTextPosAndFontSize (float angle, float span)
{
    const float rs = getSplitRadius();
    const float outerMid = (m_outerRadius + rs) / 2.0f;
    const float innerMid = (rs + m_innerRadius) / 2.0f;
    const auto outerAnchor = pointOnCircle (m_centerX, m_centerY, outerMid, angle + span / 2.0f);
    const auto innerAnchor = pointOnCircle (m_centerX, m_centerY, innerMid, angle + span / 2.0f);

    m_textX = outerAnchor.x;
    m_textY = outerAnchor.y;
    m_innerTextX = innerAnchor.x;
    m_innerTextY = innerAnchor.y;
    m_fontSize = 0.55f * anchorSpacing (angle, span, outerMid);
    m_innerFontSize = m_fontSize / 2.0f;
}

void One_CircleButton_Double::drawFillCircleFigure (juce::Graphics& g, const float& hue, const float& hueSpan, const float& saturation,
                                                    const float& brightness, const bool& greyscale)
{
    const int n = m_subFigures.size();

    for (int b = 0; b < n; ++b)
    {
        g.setColour (subFigureColour (b, n, hue, hueSpan, saturation, brightness, greyscale));

        const auto outer = m_subFigures[b]->createPath();
        g.fillPath (outer);
        g.strokePath (outer, juce::PathStrokeType (1.0f));

        if (b < m_innerSubFigures.size())
        {
            const auto inner = m_innerSubFigures[b]->createPath();
            g.fillPath (inner);
            g.strokePath (inner, juce::PathStrokeType (1.0f));
        }
    }
}

void One_CircleButton_Double::drawPitchText (juce::Graphics& g, float unused, juce::AffineTransform mat, juce::Colour colour)
{
    One_CircleButton::drawPitchText (g, unused, mat, colour);

    if (m_info != nullptr)
        _drawOneText (g, m_info->m_subName, m_innerFontSize, { juce::roundToInt (m_innerTextX), juce::roundToInt (m_innerTextY) }, mat);
}

bool One_CircleButton_Double::isHitTest (int x, int y, float angle, juce::AffineTransform mat)
{
    auto px = (float) x, py = (float) y;

    if (angle != 0.0f)
        juce::AffineTransform::rotation (angle, m_centerX, m_centerY).transformPoint (px, py);

    const juce::Point<int> p (juce::roundToInt (px), juce::roundToInt (py));
    return m_wholeFigure.isContainPoint_WithMat (p, mat) || m_innerWholeFigure.isContainPoint_WithMat (p, mat);
}

void One_CircleButton_Double::strokeWholeFigure (juce::Graphics& g, const juce::AffineTransform& mat, float thickness)
{
    m_wholeFigure.drawStrokePath_withMat (g, mat, thickness);
    m_innerWholeFigure.drawStrokePath_withMat (g, mat, thickness);
}

//==============================================================================
RoulletCircleButton::RoulletCircleButton (juce::StringArray names)
    : DrawableImage_Bass (256, 256, juce::Image::ARGB)
    , m_names (std::move (names))
{
    m_colour = juce::Colours::black;
    m_redraw = true;
    setAngle (0.0f);
    setScale (1.0f, 1.0f);
    setTranslate (0.0f, 0.0f);

    RoulletCircleButton::_createButtonComponentsInfo();
    RoulletCircleButton::_createButtonComponents();
}

RoulletCircleButton::~RoulletCircleButton() = default;

void RoulletCircleButton::_setDefaultClosures (One_CircleButtonInfo& info)
{
    auto* record = &info;

    record->m_paintFunc = [this, record] (juce::Graphics& g) {
        auto* segment = record->m_segment;

        if (segment == nullptr)
            return;

        const auto fit = getScaledMat();
        segment->drawPitchText (g, 0.0f, fit, m_textColour);
        g.setColour (juce::Colours::white);
        segment->strokeWholeFigure (g, fit, 2.0f / _lineScale());
    };

    record->m_mouseOverPaintFunc = [this, record] (juce::Graphics& g) {
        if (auto* segment = record->m_segment)
        {
            g.setColour (juce::Colours::black);
            segment->strokeWholeFigure (g, getScaledMat(), 2.5f / _lineScale());
        }
    };

    record->m_mouseWheelFunc = [this] (const juce::MouseEvent&, const juce::MouseWheelDetails& wheel) {
        addCurrentStartIndex (wheel.deltaY > 0.0f ? -1 : 1);
        setRotationCentre ((float) (getWidth() / 2), (float) (getHeight() / 2));

        if (! isFullCircle())
            prepareImage();

        repaint();
    };
}

float RoulletCircleButton::_lineScale() const
{
    if (m_outerRadius <= 0.0f)
        return 1.0f;

    const float scale = (float) (getWidth() + getHeight()) / (4.0f * m_outerRadius);
    return scale > 0.0f ? scale : 1.0f;
}

void RoulletCircleButton::_createButtonComponentsInfo()
{
    for (auto* segment : m_segments)
        segment->m_info = nullptr;

    m_infos.clear();

    const auto names = m_names.isEmpty() ? juce::StringArray { juce::String() } : m_names;
    const int nameCount = names.size();
    const int count = juce::jmax (m_segmentCount, nameCount);

    for (int e = 0; e < count; ++e)
    {
        auto* info = m_infos.add (new One_CircleButtonInfo());
        info->m_name = names[e % nameCount];
        info->m_hue = (float) e * (m_hueRange / (float) nameCount) + m_hueStart;
        _setDefaultClosures (*info);
    }

    m_startIndex = juce::jlimit (0, m_infos.size() - 1, m_startIndex);
}

void RoulletCircleButton::_createButtonComponents()
{
    m_segments.clear();

    const int count = m_infos.size();

    for (int k = 0; k < m_segmentCount; ++k)
    {
        auto* segment = m_segments.add (_newSegment());
        segment->_createCicrlceArray();

        if (count > 0)
        {
            auto* info = m_infos[(m_startIndex + k) % count];
            segment->m_info = info;
            info->m_segment = segment;
        }
    }
}

bool RoulletCircleButton::isFullCircle() const noexcept
{
    return std::fmod (m_endAngle, twoPi) - std::fmod (m_startAngle, twoPi) < 1.0f;
}

void RoulletCircleButton::_applyButtonInfoChange()
{
    const int count = m_infos.size();

    for (auto* info : m_infos)
        info->m_segment = nullptr;

    for (int k = 0; k < m_segments.size(); ++k)
    {
        auto* segment = m_segments[k];
        segment->m_info = count > 0 ? m_infos[(m_startIndex + k) % count] : nullptr;

        if (segment->m_info != nullptr)
            segment->m_info->m_segment = segment;
    }

    if (isFullCircle() && m_segmentCount > 0)
        setAngle (juce::degreesToRadians ((float) (-m_startIndex * (360 / m_segmentCount))));
}

void RoulletCircleButton::_replaceCircleFigure()
{
    const float half = (float) juce::jmin (getWidth(), getHeight()) / 2.0f;
    m_outerRadius = m_outerRatio * half;
    m_innerRadius = m_innerRatio * half;

    const float step = (m_endAngle - m_startAngle) / (float) juce::jmax (1, m_segmentCount);

    for (int i = 0; i < m_segments.size(); ++i)
        m_segments[i]->replaceWithAngle (getLocalBounds(), (float) i * step - step / 2.0f + m_startAngle, step,
                                         m_outerRadius, m_innerRadius);
}

void RoulletCircleButton::_drawInImage()
{
    if (m_image == nullptr)
        return;

    juce::Graphics g (*m_image);
    const bool full = isFullCircle();
    const float hueSpan = m_hueRange / (float) juce::jmax (1, m_segmentCount);
    const int count = m_infos.size();

    for (int i = 0; i < m_segments.size(); ++i)
    {
        auto* segment = m_segments[i];
        float hue = segment->m_info != nullptr ? segment->m_info->m_hue : m_hueStart;

        if (full)
        {
            // The picture is drawn in the unturned frame (start index 0) and turned by the
            // transform, so position i carries the colour of entry i.
            hue = (float) i * hueSpan + m_hueStart;

            if (count > 0)
                m_infos[i % count]->m_hue = hue;
        }

        segment->drawFillCircleFigure (g, hue, hueSpan, m_saturation, m_brightness, m_greyscale);
    }
}

void RoulletCircleButton::resized()
{
    if (getWidth() < 2 || getHeight() < 2)
        return;

    setImageSize (getWidth(), getHeight(), true);
    _replaceCircleFigure();
    _applyButtonInfoChange();
    prepareImage();
    setRotationCentre ((float) (getWidth() / 2), (float) (getHeight() / 2));
    setScaleCentre ((float) (getWidth() / 2), (float) (getHeight() / 2));
}

juce::AffineTransform RoulletCircleButton::getScaledMat() const
{
    if (! m_scaleToFit || m_outerRadius <= 0.0f)
        return {};

    const float sx = (float) (getWidth() - 1) / (2.0f * m_outerRadius) * m_outerRatio;
    const float sy = (float) (getHeight() - 1) / (2.0f * m_outerRadius) * m_outerRatio;
    return juce::AffineTransform::scale (sx, sy, (float) (getWidth() / 2), (float) (getHeight() / 2));
}

void RoulletCircleButton::paint (juce::Graphics& g)
{
    if (g.getClipBounds().isEmpty())
        return;

    if (m_scaleToFit && m_outerRadius > 0.0f)
    {
        const float sx = (float) (getWidth() - 1) / (2.0f * m_outerRadius) * m_outerRatio;
        const float sy = (float) (getHeight() - 1) / (2.0f * m_outerRadius) * m_outerRatio;
        setScale (sx, sy);
    }

    prepareIfNeeded();
    g.drawImageTransformed (*m_image, getAffineTransform());

    g.setColour (juce::Colours::black);

    for (auto* segment : m_segments)
        if (segment->m_info != nullptr)
            segment->m_info->paint (g);

    One_CircleButton* hovered = nullptr;

    for (auto* segment : m_segments)
        if (segment->m_mouseOver)
            hovered = segment;

    if (hovered != nullptr && hovered->m_info != nullptr && hovered->m_info->m_mouseOverPaintFunc)
        hovered->m_info->m_mouseOverPaintFunc (g);

    if (m_overlayPaint)
        m_overlayPaint (g);
}

One_CircleButton* RoulletCircleButton::findSegmentAt (juce::Point<int> position)
{
    const auto mat = m_scaleToFit ? getScaledMat() : juce::AffineTransform();
    One_CircleButton* hit = nullptr;

    for (auto* segment : m_segments)
        if (segment->isHitTest (position.x, position.y, 0.0f, mat))
            hit = segment;

    return hit;
}

One_CircleButton* RoulletCircleButton::_getOnMouseButton (const juce::MouseEvent& e)
{
    const auto mat = m_scaleToFit ? getScaledMat() : juce::AffineTransform();
    const auto position = e.getPosition();
    One_CircleButton* hit = nullptr;

    for (auto* segment : m_segments)
    {
        const bool over = segment->isHitTest (position.x, position.y, 0.0f, mat);

        if (over)
            hit = segment;

        if (over == segment->m_mouseOver)
            continue;

        segment->m_mouseOver = over;

        if (auto* info = segment->m_info)
        {
            if (over && info->m_mouseEnterFunc)
                info->m_mouseEnterFunc (e);
            else if (! over && info->m_mouseExitFunc)
                info->m_mouseExitFunc (e);
        }

        _repaintWheelArea();
    }

    return hit;
}

void RoulletCircleButton::_repaintWheelArea()
{
    if (m_scaleToFit)
    {
        repaint();
        return;
    }

    const int cx = getWidth() / 2, cy = getHeight() / 2;
    const int r = (int) std::ceil (m_outerRadius) + 2;
    repaint (cx - r, cy - r, 2 * r, 2 * r);
}

void RoulletCircleButton::mouseMove (const juce::MouseEvent& e)
{
    if (auto* segment = _getOnMouseButton (e))
    {
        if (segment->m_info != nullptr && segment->m_info->m_mouseMoveFunc)
            segment->m_info->m_mouseMoveFunc (e);

        _repaintWheelArea();
    }
}

void RoulletCircleButton::mouseExit (const juce::MouseEvent& e)
{
    if (auto* segment = _getOnMouseButton (e))
    {
        if (segment->m_info != nullptr && segment->m_info->m_mouseExitFunc)
            segment->m_info->m_mouseExitFunc (e);

        _repaintWheelArea();
    }
}

void RoulletCircleButton::mouseDown (const juce::MouseEvent& e)
{
    if (auto* segment = _getOnMouseButton (e))
    {
        if (segment->m_info != nullptr && segment->m_info->m_mouseDownFunc)
            segment->m_info->m_mouseDownFunc (e);

        _repaintWheelArea();
    }
}

void RoulletCircleButton::mouseDrag (const juce::MouseEvent& e)
{
    if (auto* segment = _getOnMouseButton (e))
    {
        if (segment->m_info != nullptr && segment->m_info->m_mouseDragFunc)
            segment->m_info->m_mouseDragFunc (e);

        _repaintWheelArea();
    }
}

void RoulletCircleButton::mouseUp (const juce::MouseEvent& e)
{
    if (auto* segment = _getOnMouseButton (e))
    {
        if (segment->m_info != nullptr && segment->m_info->m_mouseUpFunc)
            segment->m_info->m_mouseUpFunc (e);

        _repaintWheelArea();
    }
}

void RoulletCircleButton::mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel)
{
    if (auto* segment = _getOnMouseButton (e))
    {
        if (segment->m_info != nullptr && segment->m_info->m_mouseWheelFunc)
        {
            // The closure may turn the list; keep the function alive while it runs.
            const auto wheelFunc = segment->m_info->m_mouseWheelFunc;
            wheelFunc (e, wheel);
        }

        _repaintWheelArea();
    }
}

void RoulletCircleButton::setCurrentStartIndexFromButtonName (juce::String name, bool)
{
    int found = 0;

    for (int i = 0; i < m_infos.size(); ++i)
        if (m_infos[i]->m_name == name)
            found = i;

    m_startIndex = found;
    _applyButtonInfoChange();
    repaint();
}

void RoulletCircleButton::addCurrentStartIndex (int delta)
{
    const int count = m_infos.size();

    if (count <= 0)
        return;

    m_startIndex = (int) ((((juce::int64) m_startIndex + delta) % count + count) % count);
    _applyButtonInfoChange();
}

void RoulletCircleButton::_rebuild()
{
    _createButtonComponentsInfo();
    _createButtonComponents();

    if (getWidth() >= 2 && getHeight() >= 2)
        resized();
    else
        m_redraw = true;

    repaint();
}

void RoulletCircleButton::setTargetButtonStringArray (juce::StringArray names)
{
    m_names = std::move (names);
    _rebuild();
}

void RoulletCircleButton::setSegmentCount (int count)
{
    m_segmentCount = juce::jlimit (1, 360, count);
    _rebuild();
}

void RoulletCircleButton::setArcAngles (float startAngle, float endAngle)
{
    m_startAngle = startAngle;
    m_endAngle = endAngle;
    _rebuild();
}

void RoulletCircleButton::setColourStyle (float hueStart, float hueRange, float saturation, float brightness, bool greyscale)
{
    m_hueStart = hueStart;
    m_hueRange = hueRange;
    m_saturation = saturation;
    m_brightness = brightness;
    m_greyscale = greyscale;
    _rebuild();
}

void RoulletCircleButton::setRadiusRatios (float outerRatio, float innerRatio)
{
    m_outerRatio = outerRatio;
    m_innerRatio = innerRatio;
    _rebuild();
}

void RoulletCircleButton::setScaleToFit (bool scaleToFit)
{
    m_scaleToFit = scaleToFit;

    if (! m_scaleToFit)
        setScale (1.0f, 1.0f);

    repaint();
}

//==============================================================================
RoulletCircleButton_Double::RoulletCircleButton_Double (juce::StringArray names, juce::StringArray subNames)
    : RoulletCircleButton (std::move (names))
    , m_subNames (std::move (subNames))
{
    RoulletCircleButton_Double::_createButtonComponentsInfo();
    RoulletCircleButton_Double::_createButtonComponents();
}

void RoulletCircleButton_Double::_createButtonComponentsInfo()
{
    RoulletCircleButton::_createButtonComponentsInfo();

    if (m_subNames.isEmpty())
        return;

    for (int e = 0; e < m_infos.size(); ++e)
        m_infos[e]->m_subName = m_subNames[e % m_subNames.size()];
}

void RoulletCircleButton_Double::_createButtonComponents()
{
    RoulletCircleButton::_createButtonComponents();
}

void RoulletCircleButton_Double::setSubNames (juce::StringArray subNames)
{
    m_subNames = std::move (subNames);
    _rebuild();
}

} // namespace nubo

#include "widgets/DrawableImage_Bass.h"

#include "widgets/Figures.h"
#include "widgets/GraphicsDraw.h"

namespace nubo
{

//==============================================================================
DrawableImage_Bass::DrawableImage_Bass (int width, int height, juce::Image::PixelFormat format)
    : m_pixelFormat ((int) format)
    , m_imageBounds (0, 0, juce::jmax (1, width), juce::jmax (1, height))
{
}

DrawableImage_Bass::~DrawableImage_Bass() = default;

void DrawableImage_Bass::_createImage()
{
    m_image.reset();
    m_redraw = true;

    auto format = (juce::Image::PixelFormat) m_pixelFormat;

    if (format == juce::Image::RGB || format == juce::Image::UnknownFormat)
        format = juce::Image::ARGB;

    m_image = std::make_unique<juce::Image> (format, juce::jmax (1, m_imageBounds.getWidth()),
                                             juce::jmax (1, m_imageBounds.getHeight()), true);
}

void DrawableImage_Bass::prepareImage()
{
    if (m_image != nullptr)
        m_image->clear (m_image->getBounds());
    else
        _createImage();

    _drawInImage();
    m_redraw = false;
}

void DrawableImage_Bass::prepareIfNeeded()
{
    if (m_image == nullptr || m_redraw)
        prepareImage();
}

void DrawableImage_Bass::drawTextureTo (juce::Graphics& g, int x, int y, bool fillAlphaWithCurrentBrush)
{
    if (m_image == nullptr)
        return;

    if (m_redraw)
        prepareImage();

    g.drawImageAt (*m_image, x, y, fillAlphaWithCurrentBrush);
}

void DrawableImage_Bass::drawFillTextureTo (const juce::Graphics& g)
{
    prepareIfNeeded();

    const int w = m_image->getWidth(), h = m_image->getHeight();
    const int stepX = juce::jmax (1, w - 1), stepY = juce::jmax (1, h - 1);
    const auto clip = g.getClipBounds();

    if (clip.isEmpty())
        return;

    const int firstX = clip.getX() >= 0 ? (clip.getX() / stepX) * stepX : 0;
    const int firstY = clip.getY() >= 0 ? (clip.getY() / stepY) * stepY : 0;

    for (int y = firstY; y < clip.getBottom(); y += stepY)
        for (int x = firstX; x < clip.getRight(); x += stepX)
            g.drawImageAt (*m_image, x, y);
}

void DrawableImage_Bass::setImageWidth (int width, bool redraw)
{
    setImageSize (width, m_imageBounds.getHeight(), redraw);
}

void DrawableImage_Bass::setImageHeight (int height, bool redraw)
{
    setImageSize (m_imageBounds.getWidth(), height, redraw);
}

void DrawableImage_Bass::setImageSize (int width, int height, bool redraw)
{
    width = juce::jmax (1, width);
    height = juce::jmax (1, height);

    if (m_image != nullptr && width == m_imageBounds.getWidth() && height == m_imageBounds.getHeight())
        return;

    m_imageBounds.setSize (width, height);
    _createImage();
    m_redraw = redraw;
}

void DrawableImage_Bass::setImageSize (const juce::Rectangle<int>& size, bool redraw)
{
    setImageSize (size.getWidth(), size.getHeight(), redraw);
}

void DrawableImage_Bass::setColor (juce::Colour colour, bool redraw)
{
    m_colour = colour;
    m_redraw = redraw;
}

//==============================================================================
void DrawabaleImage_MatrixAffine_Base::drawTextureTo (juce::Graphics& g, int x, int y, bool fillAlphaWithCurrentBrush)
{
    if (m_image == nullptr)
        return;

    if (m_redraw)
        prepareImage();

    g.drawImageTransformed (*m_image, getAffineTransform().translated ((float) x, (float) y), fillAlphaWithCurrentBrush);
}

void DrawabaleImage_MatrixAffine_Base::drawTextureToFit (juce::Graphics& g, juce::Rectangle<int> area, bool fillAlphaWithCurrentBrush)
{
    prepareIfNeeded();

    const float sx = (float) area.getWidth() / (float) m_image->getWidth();
    const float sy = (float) area.getHeight() / (float) m_image->getHeight();
    g.drawImageTransformed (*m_image,
                            getAffineTransform().scaled (sx, sy).translated ((float) area.getX(), (float) area.getY()),
                            fillAlphaWithCurrentBrush);
}

//==============================================================================
DrawableImage_Path::DrawableImage_Path()
    : DrawabaleImage_MatrixAffine_Base (1, 1, juce::Image::ARGB)
{
    m_colour = juce::Colours::bisque;
    m_redraw = true;
}

DrawableImage_Path::DrawableImage_Path (juce::Path path)
    : DrawableImage_Path()
{
    m_path = std::move (path);
}

void DrawableImage_Path::setPath (juce::Path path, bool redraw)
{
    m_path = std::move (path);
    m_redraw = redraw;
}

void DrawableImage_Path::setStretch (bool stretch, bool redraw)
{
    m_stretch = stretch;
    m_redraw = redraw;
}

void DrawableImage_Path::_drawInImage()
{
    if (m_image == nullptr || m_path.isEmpty())
        return;

    juce::Graphics g (*m_image);
    g.setColour (m_colour);
    const auto area = m_image->getBounds().toFloat();

    if (m_stretch)
    {
        const auto b = m_path.getBounds();

        if (b.getWidth() <= 0.0f || b.getHeight() <= 0.0f)
            return;

        g.fillPath (m_path, juce::AffineTransform::translation (-b.getX(), -b.getY()).scaled (area.getWidth() / b.getWidth(), area.getHeight() / b.getHeight()));
    }
    else
    {
        g.fillPath (m_path, m_path.getTransformToScaleToFit (area, true, juce::Justification::centred));
    }
}

//==============================================================================
void DrawableImage_FunctionalImage::setImagePaintFunk (PaintFunk f)
{
    m_paintFunk = std::move (f);
    m_redraw = true;
}

void DrawableImage_FunctionalImage::_drawInImage()
{
    if (m_image == nullptr || ! m_paintFunk)
        return;

    juce::Graphics g (*m_image);
    m_paintFunk (g, this);
}

//==============================================================================
namespace
{
    juce::Path parsePathData (const char* svgPathData)
    {
        auto path = juce::Drawable::parseSVGPath (svgPathData);
        path.setUsingNonZeroWinding (false);
        return path;
    }

    // A ring with a plus sign, on a 100 × 100 grid.
    const char* const circleMarkPlusPathData =
        "M50 0 A50 50 0 1 0 50 100 A50 50 0 1 0 50 0 Z "
        "M50 10 A40 40 0 1 1 50 90 A40 40 0 1 1 50 10 Z "
        "M45 25 L55 25 L55 45 L75 45 L75 55 L55 55 L55 75 L45 75 L45 55 L25 55 L25 45 L45 45 Z";

    // Three note heads on a ring, on a 100 × 100 grid.
    const char* const logoNuboPathData =
        "M50 4 A46 46 0 1 0 50 96 A46 46 0 1 0 50 4 Z "
        "M50 12 A38 38 0 1 1 50 88 A38 38 0 1 1 50 12 Z "
        "M38 30 A9 7 -20 1 0 56 30 A9 7 -20 1 0 38 30 Z "
        "M24 58 A9 7 -20 1 0 42 58 A9 7 -20 1 0 24 58 Z "
        "M56 64 A9 7 -20 1 0 74 64 A9 7 -20 1 0 56 64 Z";
} // namespace

DrawableImage_Path_CircleMark_Plus::DrawableImage_Path_CircleMark_Plus()
    : DrawableImage_Path (parsePathData (circleMarkPlusPathData))
{
}

DrawableImage_Path_Logo_Nubo::DrawableImage_Path_Logo_Nubo()
    : DrawableImage_Path (parsePathData (logoNuboPathData))
{
}

//==============================================================================
void Texture_Base::drawTextureTo (juce::Graphics& g, int x, int y, bool fillAlphaWithCurrentBrush)
{
    if (m_image == nullptr)
        return;

    if (m_redraw)
        prepareImage();

    g.drawImageAt (*m_image, x - m_tileWidth / 2, y - m_tileHeight / 2, fillAlphaWithCurrentBrush);
}

juce::Point<int> Texture_Animation_Base::getAnimationOffset (float progress, int type) const noexcept
{
    const float w = (float) m_tileWidth, h = (float) m_tileHeight, p = progress;
    float ox = 0.0f, oy = 0.0f;

    if (type < 0 || type > 5)
        return {};

    ox = type <= 2 ? w * p + w / 2.0f : 2.0f * w - w * p;

    if (type == 0 || type == 3)
        oy = h * p + h / 2.0f;
    else if (type == 1 || type == 4)
        oy = 2.0f * h - h * p;

    return { (int) ox, (int) oy };
}

void Texture_Animation_Base::drawTextureAnimation (juce::Graphics& g, float progress, ANIMATION_TYPE type, int x, int y, bool fillAlphaWithCurrentBrush)
{
    prepareIfNeeded();

    const auto clip = g.getClipBounds();

    if (clip.isEmpty())
        return;

    const auto offset = getAnimationOffset (progress, (int) type);
    const auto source = juce::Rectangle<int> (offset.x, offset.y, clip.getWidth(), clip.getHeight())
                            .getIntersection (m_image->getBounds());

    if (source.isEmpty())
        return;

    g.drawImage (*m_image, x, y, source.getWidth(), source.getHeight(),
                 source.getX(), source.getY(), source.getWidth(), source.getHeight(), fillAlphaWithCurrentBrush);
}

void Texture_RadiusTexture_Base::setRadiusSize (int radius, bool redraw)
{
    m_radius = radius;
    m_redraw = redraw;
}

//==============================================================================
Texture_Trianlge::Texture_Trianlge()
    : Texture_RadiusTexture_Base (1, 1, juce::Image::ARGB)
{
    m_colour = juce::Colours::white;
    setRadiusSize (8, false);
    m_redraw = true;
}

juce::Rectangle<int> Texture_Trianlge::getOneTextureBounds() const
{
    return computeFigureTriangleBounds ((float) m_radius);
}

void Texture_Trianlge::setRadiusSize (int radius, bool redraw)
{
    m_radius = juce::jlimit (4, 300, radius);
    const auto one = getOneTextureBounds();
    m_tileWidth = juce::jmax (1, 4 * one.getWidth());
    m_tileHeight = juce::jmax (1, 4 * one.getHeight());

    if (redraw)
        prepareImage();
}

void Texture_Trianlge::drawTextureAnimation (juce::Graphics& g, float progress, ANIMATION_TYPE type, int x, int y, bool fillAlphaWithCurrentBrush)
{
    Texture_Animation_Base::drawTextureAnimation (g, progress, type, x, y, fillAlphaWithCurrentBrush);
}

void Texture_Trianlge::_drawInImage()
{
    if (m_image == nullptr)
        return;

    juce::Graphics g (*m_image);
    const auto one = getOneTextureBounds();
    // The pattern repeats every half tile across and every tile down, so any tile-sized scroll is seamless.
    const int stepX = juce::jmax (1, m_tileWidth / 2);
    const int stepY = juce::jmax (1, m_tileHeight / 2);
    const int rows = m_image->getHeight() / stepY + 2;
    const int columns = m_image->getWidth() / stepX + 2;

    for (int row = -1; row < rows; ++row)
    {
        const int shift = (row % 2 != 0) ? stepX / 2 : 0;

        for (int column = -1; column < columns; ++column)
        {
            Figure_Triangle<int> triangle ({ column * stepX + shift + stepX / 4, row * stepY - one.getY() + stepY / 4 },
                                           (float) m_radius);
            triangle._createFigurePoints();
            const auto path = triangle.createPath();

            g.setColour (m_colour.withAlpha ((juce::uint8) 0x7f)); // half-transparent fill, opaque outline
            g.fillPath (path);
            g.setColour (m_colour);
            g.strokePath (path, juce::PathStrokeType (1.0f));
        }
    }
}

//==============================================================================
SingleDrawblePathComponent::SingleDrawblePathComponent()
    : m_path (std::make_unique<DrawableImage_Path>())
{
    setRepaintsOnMouseActivity (true);
}

SingleDrawblePathComponent::~SingleDrawblePathComponent() = default;

void SingleDrawblePathComponent::setTargetDrawablePath (DrawableImage_Path* path)
{
    m_path.reset (path);
    resized();
}

void SingleDrawblePathComponent::setDefaultColor (juce::Colour colour, bool repaintNow)
{
    m_defaultColour = colour;

    if (repaintNow)
        repaint();
}

void SingleDrawblePathComponent::setOnMouseColor (juce::Colour colour, bool repaintNow)
{
    m_onMouseColour = colour;

    if (repaintNow)
        repaint();
}

void SingleDrawblePathComponent::setPathReduse (int x, int y)
{
    m_pathReduce = { x, y };
    resized();
}

juce::Colour SingleDrawblePathComponent::getCurrentColor() const
{
    auto colour = isMouseOver (true) ? m_onMouseColour : m_defaultColour;

    if (isMouseButtonDown (true))
        colour = GRAPHICS_DRAW::towardWhite (colour, 0.6666667f);

    return colour;
}

void SingleDrawblePathComponent::resized()
{
    m_imageArea = { m_pathReduce.x, m_pathReduce.y,
                    juce::jmax (0, getWidth() - 2 * m_pathReduce.x),
                    juce::jmax (0, getHeight() - 2 * m_pathReduce.y) };

    if (m_path != nullptr)
        m_path->setImageSize (m_imageArea, true);
}

void SingleDrawblePathComponent::paint (juce::Graphics& g)
{
    if (m_path == nullptr || m_imageArea.isEmpty())
        return;

    m_path->setColor (getCurrentColor(), true);
    m_path->prepareIfNeeded();
    m_path->drawTextureTo (g, m_pathReduce.x, m_pathReduce.y, false);

    if (m_needOnMouseBorder && isMouseOver (true))
    {
        g.setColour (m_onMouseColour);
        g.drawRect (getLocalBounds(), 1);
    }
}

//==============================================================================
Texture_Component_Tri::Texture_Component_Tri()
{
    setInterceptsMouseClicks (false, false);
}

void Texture_Component_Tri::resized()
{
    m_texture.setImageSize (getLocalBounds(), true);
}

void Texture_Component_Tri::paint (juce::Graphics& g)
{
    if (! g.getClipBounds().isEmpty())
        m_texture.drawFillTextureTo (g);
}

} // namespace nubo

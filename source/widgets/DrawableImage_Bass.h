#pragma once

#include "widgets/Matrix_Editable_Base.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>

namespace nubo
{

/** An off-screen image that is redrawn only when its redraw flag is set. */
class DrawableImage_Bass
{
public:
    DrawableImage_Bass (int width = 1, int height = 1, juce::Image::PixelFormat format = juce::Image::ARGB);

    /** Draws the image at (x, y), preparing it first when flagged. Nothing before an image exists. */
    virtual void drawTextureTo (juce::Graphics& g, int x, int y, bool fillAlphaWithCurrentBrush);
    /** Tiles the image over the clip region from (0, 0), neighbouring tiles overlapping by one pixel. */
    virtual void drawFillTextureTo (const juce::Graphics& g);
    /** Clears (or creates) the image, redraws the content and clears the redraw flag. */
    virtual void prepareImage();
    virtual void setImageWidth (int width, bool redraw);
    virtual void setImageHeight (int height, bool redraw);
    virtual void setImageSize (int width, int height, bool redraw);
    virtual void setImageSize (const juce::Rectangle<int>& size, bool redraw);
    virtual void setColor (juce::Colour colour, bool redraw);
    virtual void _drawInImage() = 0;
    virtual void _createImage();
    virtual ~DrawableImage_Bass();

    bool isRedrawNeeded() const noexcept { return m_redraw; }
    void setRedrawFlag (bool redraw) noexcept { m_redraw = redraw; }
    juce::Colour getColor() const noexcept { return m_colour; }
    int getImageWidth() const noexcept { return m_imageBounds.getWidth(); }
    int getImageHeight() const noexcept { return m_imageBounds.getHeight(); }
    /** The held image, or null before it is first created. */
    const juce::Image* getImage() const noexcept { return m_image.get(); }

    /** Makes sure the image exists and is up to date. */
    void prepareIfNeeded();

protected:
    int m_pixelFormat;
    juce::Rectangle<int> m_imageBounds;
    std::unique_ptr<juce::Image> m_image;
    juce::Colour m_colour { juce::Colours::black };
    bool m_redraw = true;
};

/** An image drawn through an editable transform. */
class DrawabaleImage_MatrixAffine_Base : public DrawableImage_Bass
    , public Matrix_Editable_Base
{
public:
    using DrawableImage_Bass::DrawableImage_Bass;

    void drawTextureTo (juce::Graphics& g, int x, int y, bool fillAlphaWithCurrentBrush) override;
    /** Draws the image scaled to the area after the transform, placed at the area's origin. */
    virtual void drawTextureToFit (juce::Graphics& g, juce::Rectangle<int> area, bool fillAlphaWithCurrentBrush);
};

/** A filled vector path, stretched to the image or fitted with its proportions kept. */
class DrawableImage_Path : public DrawabaleImage_MatrixAffine_Base
{
public:
    DrawableImage_Path();
    explicit DrawableImage_Path (juce::Path path);

    void setPath (juce::Path path, bool redraw);
    const juce::Path& getPath() const noexcept { return m_path; }
    void setStretch (bool stretch, bool redraw);
    bool isStretch() const noexcept { return m_stretch; }

    void _drawInImage() override;

protected:
    juce::Path m_path;
    bool m_stretch = false;
};

/** An image painted by a closure. */
class DrawableImage_FunctionalImage : public DrawabaleImage_MatrixAffine_Base
{
public:
    using PaintFunk = std::function<void (juce::Graphics&, DrawableImage_FunctionalImage*)>;

    using DrawabaleImage_MatrixAffine_Base::DrawabaleImage_MatrixAffine_Base;

    /** Replaces the paint closure and marks the image for redraw. */
    void setImagePaintFunk (PaintFunk f);

    void _drawInImage() override;

private:
    PaintFunk m_paintFunk;
};

/** A circle with a plus sign, from an embedded vector path. */
class DrawableImage_Path_CircleMark_Plus final : public DrawableImage_Path
{
public:
    DrawableImage_Path_CircleMark_Plus();
};

/** The product's logo mark: a ring of three note heads, from an embedded vector path. */
class DrawableImage_Path_Logo_Nubo final : public DrawableImage_Path
{
public:
    DrawableImage_Path_Logo_Nubo();
};

/** A texture tile: drawn centred on a point, or tiled. */
class Texture_Base : public DrawableImage_Bass
{
public:
    using DrawableImage_Bass::DrawableImage_Bass;

    void drawTextureTo (juce::Graphics& g, int x, int y, bool fillAlphaWithCurrentBrush) override;

    int getTileWidth() const noexcept { return m_tileWidth; }
    int getTileHeight() const noexcept { return m_tileHeight; }

protected:
    int m_tileWidth = 1;
    int m_tileHeight = 1;
};

class Texture_Animation_Base : public Texture_Base
{
public:
    enum ANIMATION_TYPE
    {
        SCROLL_RIGHT_DOWN = 0,
        SCROLL_RIGHT_UP = 1,
        SCROLL_RIGHT = 2,
        SCROLL_LEFT_DOWN = 3,
        SCROLL_LEFT_UP = 4,
        SCROLL_LEFT = 5
    };

    using Texture_Base::Texture_Base;

    /** Draws the texture at (x, y), its source shifted by a fraction progress of one tile. */
    virtual void drawTextureAnimation (juce::Graphics& g, float progress, ANIMATION_TYPE type, int x, int y, bool fillAlphaWithCurrentBrush);

    /** The source offset of drawTextureAnimation. */
    juce::Point<int> getAnimationOffset (float progress, int type) const noexcept;
};

class Texture_RadiusTexture_Base : public Texture_Animation_Base
{
public:
    using Texture_Animation_Base::Texture_Animation_Base;

    virtual void setRadiusSize (int radius, bool redraw);
    int getRadiusSize() const noexcept { return m_radius; }

protected:
    int m_radius = 8;
};

/** Rows of outlined, half-transparent triangles that tile seamlessly. */
class Texture_Trianlge : public Texture_RadiusTexture_Base
{
public:
    Texture_Trianlge();

    void _drawInImage() override;
    ~Texture_Trianlge() override = default;

    /** The bounds of one triangle of the current radius around the origin. */
    virtual juce::Rectangle<int> getOneTextureBounds() const;
    void drawTextureAnimation (juce::Graphics& g, float progress, ANIMATION_TYPE type, int x, int y, bool fillAlphaWithCurrentBrush) override;
    /** Radius clamped to 4 … 300; the tile becomes four triangle bounds wide and high. */
    void setRadiusSize (int radius, bool redraw) override;
};

/** Shows one vector-path image, lighter under the mouse and while pressed. */
class SingleDrawblePathComponent : public juce::Component
{
public:
    SingleDrawblePathComponent();
    ~SingleDrawblePathComponent() override;

    /** Takes ownership; the previous path image is deleted. */
    void setTargetDrawablePath (DrawableImage_Path* path);
    DrawableImage_Path* getTargetDrawblePath() const noexcept { return m_path.get(); }
    void setDefaultColor (juce::Colour colour, bool repaintNow);
    juce::Colour getDefaultColor() const noexcept { return m_defaultColour; }
    void setOnMouseColor (juce::Colour colour, bool repaintNow);
    juce::Colour getOnMouseColor() const noexcept { return m_onMouseColour; }
    void setPathReduse (int x, int y);
    juce::Point<int> getPathReduce() const noexcept { return m_pathReduce; }
    void setNeedOnMouseBorder (bool need) noexcept { m_needOnMouseBorder = need; }
    bool getNeedOnMouseBorder() const noexcept { return m_needOnMouseBorder; }

    /** Where the image goes: the bounds less the inset on each side, sizes not below 0. */
    juce::Rectangle<int> getPathImageArea() const noexcept { return m_imageArea; }

    /** The colour painted now: on-mouse or default, lightened while a button is down. */
    juce::Colour getCurrentColor() const;

    void paint (juce::Graphics&) override;
    void resized() override;

private:
    std::unique_ptr<DrawableImage_Path> m_path;
    juce::Colour m_defaultColour { juce::Colours::white };
    juce::Colour m_onMouseColour { juce::Colours::orange };
    juce::Point<int> m_pathReduce;
    juce::Rectangle<int> m_imageArea;
    bool m_needOnMouseBorder = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SingleDrawblePathComponent)
};

/** Tiles a triangle texture over its whole area. */
class Texture_Component_Tri : public juce::Component
{
public:
    Texture_Component_Tri();

    Texture_Trianlge& getTexture() noexcept { return m_texture; }

    void paint (juce::Graphics&) override;
    void resized() override;

private:
    Texture_Trianlge m_texture;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Texture_Component_Tri)
};

} // namespace nubo

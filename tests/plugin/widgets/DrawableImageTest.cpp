#include "widgets/DrawableImage_Bass.h"

#include "WidgetTestHelpers.h"

#include <gtest/gtest.h>

namespace
{

using nubo::DrawableImage_FunctionalImage;

struct CountingImage
{
    DrawableImage_FunctionalImage image { 4, 4, juce::Image::RGB };
    int paints = 0;

    CountingImage()
    {
        image.setImagePaintFunk ([this] (juce::Graphics& g, DrawableImage_FunctionalImage* self) {
            ++paints;
            g.fillAll (self->getColor());
        });
    }

    juce::Colour drawAndRead()
    {
        juce::Image target (juce::Image::ARGB, 4, 4, true);
        juce::Graphics g (target);
        image.drawTextureTo (g, 0, 0, false);
        return target.getPixelAt (1, 1);
    }
};

TEST (DrawableImage, RedrawsOnlyWhenFlagged)
{
    CountingImage c;
    c.image.setColor (juce::Colours::red, true);
    EXPECT_EQ (c.drawAndRead(), juce::Colour (juce::Colours::black).withAlpha (0.0f)) << "no image exists before the first size or prepare";

    c.image.setImageSize (4, 4, true);
    ASSERT_NE (c.image.getImage(), nullptr);
    EXPECT_EQ (c.image.getImage()->getFormat(), juce::Image::ARGB);
    EXPECT_EQ (c.drawAndRead(), juce::Colours::red);
    EXPECT_EQ (c.drawAndRead(), juce::Colours::red);
    EXPECT_EQ (c.paints, 1);

    // A colour change without redraw keeps the old picture until something marks it dirty.
    c.image.setColor (juce::Colours::blue, false);
    EXPECT_EQ (c.drawAndRead(), juce::Colours::red);
    EXPECT_EQ (c.paints, 1);

    c.image.setImageSize (4, 4, true); // same size: nothing happens
    EXPECT_EQ (c.drawAndRead(), juce::Colours::red);

    c.image.setRedrawFlag (true);
    EXPECT_EQ (c.drawAndRead(), juce::Colours::blue);
    EXPECT_EQ (c.paints, 2);

    c.image.setImagePaintFunk ([] (juce::Graphics& g, DrawableImage_FunctionalImage*) { g.fillAll (juce::Colours::green); });
    EXPECT_TRUE (c.image.isRedrawNeeded());
    EXPECT_EQ (c.drawAndRead(), juce::Colours::green);
}

TEST (DrawableImage, SizesStayAtLeastOnePixel)
{
    CountingImage c;
    c.image.setImageSize (0, 0, true);
    ASSERT_NE (c.image.getImage(), nullptr);
    EXPECT_EQ (c.image.getImage()->getWidth(), 1);
    EXPECT_EQ (c.image.getImage()->getHeight(), 1);

    c.image.setImageSize (juce::Rectangle<int> (50, 60, 7, 3), false);
    EXPECT_EQ (c.image.getImageWidth(), 7);
    EXPECT_EQ (c.image.getImageHeight(), 3);
    EXPECT_FALSE (c.image.isRedrawNeeded());
}

TEST (DrawableImage, TilesOverlapByOnePixel)
{
    DrawableImage_FunctionalImage tile (3, 3);
    tile.setImagePaintFunk ([] (juce::Graphics& g, DrawableImage_FunctionalImage*) {
        g.fillAll (juce::Colours::white);
        g.setColour (juce::Colours::red);
        g.fillRect (0, 0, 1, 1);
    });

    juce::Image target (juce::Image::ARGB, 7, 7, true);
    {
        juce::Graphics g (target);
        tile.drawFillTextureTo (g);
    }

    // Tiles start every 2 pixels: their red corners land on even coordinates only.
    EXPECT_EQ (target.getPixelAt (0, 0), juce::Colours::red);
    EXPECT_EQ (target.getPixelAt (2, 2), juce::Colours::red);
    EXPECT_EQ (target.getPixelAt (4, 0), juce::Colours::red);
    EXPECT_EQ (target.getPixelAt (1, 1), juce::Colours::white);
    EXPECT_EQ (target.getPixelAt (3, 2), juce::Colours::white);
}

TEST (DrawableImage, PathImageFitsOrStretches)
{
    juce::Path square;
    square.addRectangle (0.0f, 0.0f, 10.0f, 10.0f);
    nubo::DrawableImage_Path path (square);
    EXPECT_EQ (path.getColor(), juce::Colours::bisque);

    path.setImageSize (40, 20, true);
    path.prepareImage();
    EXPECT_EQ (path.getImage()->getPixelAt (20, 10), juce::Colours::bisque);
    EXPECT_EQ (path.getImage()->getPixelAt (2, 10).getAlpha(), 0) << "kept proportions leave the sides empty";

    path.setStretch (true, true);
    path.prepareImage();
    EXPECT_EQ (path.getImage()->getPixelAt (2, 10), juce::Colours::bisque);

    nubo::DrawableImage_Path_CircleMark_Plus plus;
    EXPECT_FALSE (plus.getPath().isEmpty());
}

TEST (DrawableImage, PathComponentInsetAndColours)
{
    nubo::SingleDrawblePathComponent component;
    component.setPathReduse (10, 4);
    component.setBounds (0, 0, 15, 30);
    EXPECT_EQ (component.getPathImageArea(), juce::Rectangle<int> (10, 4, 0, 22));

    component.setBounds (0, 0, 60, 30);
    EXPECT_EQ (component.getPathImageArea(), juce::Rectangle<int> (10, 4, 40, 22));

    component.setDefaultColor (juce::Colours::red, false);
    component.setOnMouseColor (juce::Colours::blue, false);
    EXPECT_EQ (component.getCurrentColor(), juce::Colours::red); // the pointer is elsewhere

    juce::Path square;
    square.addRectangle (0.0f, 0.0f, 10.0f, 10.0f);
    auto* image = new nubo::DrawableImage_Path (square);
    image->setStretch (true, true);
    component.setTargetDrawablePath (image);
    EXPECT_EQ (component.getTargetDrawblePath(), image);

    const auto snap = nubo::test::snapshot (component);
    EXPECT_EQ (snap.getPixelAt (30, 15), juce::Colours::red);
    EXPECT_EQ (snap.getPixelAt (5, 15).getAlpha(), 0);
}

TEST (TriangleTexture, RadiusIsClampedAndAnimationScrollsByOneTile)
{
    nubo::Texture_Trianlge texture;
    texture.setRadiusSize (1, false);
    EXPECT_EQ (texture.getRadiusSize(), 4);
    texture.setRadiusSize (1000, false);
    EXPECT_EQ (texture.getRadiusSize(), 300);

    texture.setRadiusSize (10, false);
    const auto one = texture.getOneTextureBounds();
    EXPECT_EQ (texture.getTileWidth(), 4 * one.getWidth());
    EXPECT_EQ (texture.getTileHeight(), 4 * one.getHeight());

    const int w = texture.getTileWidth(), h = texture.getTileHeight();
    EXPECT_EQ (texture.getAnimationOffset (0.0f, 0), juce::Point<int> (w / 2, h / 2));
    EXPECT_EQ (texture.getAnimationOffset (1.0f, 0), juce::Point<int> (w + w / 2, h + h / 2));
    EXPECT_EQ (texture.getAnimationOffset (0.5f, 4), juce::Point<int> ((int) (1.5f * (float) w), (int) (1.5f * (float) h)));
    EXPECT_EQ (texture.getAnimationOffset (0.25f, 2), juce::Point<int> ((int) (0.25f * (float) w + (float) w / 2.0f), 0));
    EXPECT_EQ (texture.getAnimationOffset (0.25f, 9), juce::Point<int> (0, 0));

    nubo::Texture_Component_Tri component;
    component.getTexture().setColor (juce::Colours::white, true);
    component.setBounds (0, 0, 120, 90);
    const auto snap = nubo::test::snapshot (component);

    int half = 0, opaque = 0;
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 120; ++x)
        {
            const auto a = snap.getPixelAt (x, y).getAlpha();
            half += (a >= 0x70 && a <= 0x90) ? 1 : 0;
            opaque += a >= 0xc0 ? 1 : 0;
        }

    EXPECT_GT (half, 500) << "half-transparent triangle fills";
    EXPECT_GT (opaque, 100) << "opaque outlines";
}

} // namespace

// Renders a gallery of the editor's controls to PNG files without a display:
//     nubo_render <output folder> [width] [height]
// The gallery is width × height pixels (default 1200 × 800); every control is also written alone.

#include "editor/ModifierKeySelector.h"
#include "editor/NotificationText.h"
#include "theory/Define_ChordName.h"
#include "widgets/DrawableImage_Bass.h"
#include "widgets/FontManager.h"
#include "widgets/RYBColor.h"
#include "widgets/RouletteButton.h"
#include "widgets/RoulletCircleButton.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <iostream>

namespace
{
juce::String utf8 (const char* text)
{
    return juce::String (juce::CharPointer_UTF8 (text));
}

juce::StringArray keyNames (int count)
{
    const juce::StringArray names { "C", utf8 (u8"C\uff03"), "D", utf8 (u8"D\uff03"), "E", "F", utf8 (u8"F\uff03"),
                                    "G", utf8 (u8"G\uff03"), "A", utf8 (u8"A\uff03"), "B" };
    juce::StringArray out;

    for (int i = 0; i < count; ++i)
        out.add (names[i % 12] + juce::String (i / 12 + 3));

    return out;
}

bool isBlackKey (int index)
{
    const int pc = index % 12;
    return pc == 1 || pc == 3 || pc == 6 || pc == 8 || pc == 10;
}

/** Face-image closures as the panels give them: a gradient key face and a centred label. */
void dressAsKeys (nubo::RouletteButton& roulette, bool keyboard)
{
    for (auto* info : roulette.getButtonInfos())
    {
        info->m_paintFunc = [&roulette, info, keyboard] (juce::Graphics& g) {
            auto* cell = info->m_component;

            if (cell == nullptr)
                return;

            const bool dark = keyboard && isBlackKey (info->m_index);
            auto& face = dark ? roulette.getDarkFaceImage() : roulette.getNormalFaceImage();
            face.prepareIfNeeded();
            face.drawTextureToFit (g, cell->getLocalBounds(), false);

            if (cell->isMouseOver (true))
            {
                g.setColour (juce::Colours::white);
                g.drawRect (cell->getLocalBounds(), 2);
            }

            const int height = juce::jmax (6, juce::jmin (cell->getWidth(), cell->getHeight()) / (keyboard ? 3 : 2));
            g.setFont (nubo::FontManager::getFont (keyboard ? nubo::FontManager::NOTO_SANS_CJK : nubo::FontManager::MIG1BT,
                                                   height, juce::Font::bold, 0.0f));
            g.setColour (dark ? juce::Colours::white : juce::Colours::black);
            g.drawFittedText (info->m_name, cell->getLocalBounds().reduced (2), juce::Justification::centred, 1);
        };
    }
}

class Gallery final : public juce::Component
{
public:
    explicit Gallery (const juce::File& settingsFolder)
        : oneCell (juce::StringArray { "C", "D", "E" }, 1, nubo::ROULETTE_TYPE_VERTICAL)
        , chordStack (nubo::Define_ChordName::get3rdAnd4thChordNameList(), 5, nubo::ROULETTE_TYPE_VERTICAL)
        , keysType2 (keyNames (24), 24, nubo::ROULETTE_TYPE_HORIZONTAL)
        , keysType4 (keyNames (24), 15, nubo::ROULETTE_TYPE_HORIZONTAL_CENTRED)
        , wheelDefault (nubo::Define_ChordName::getFifthPitchNameList(), nubo::Define_ChordName::getFifthPitchNameListMinor())
        , wheelRainbow (nubo::Define_ChordName::getFifthPitchNameList(), nubo::Define_ChordName::getFifthPitchNameListMinor())
        , wheelGrey (nubo::Define_ChordName::getFifthPitchNameList(), nubo::Define_ChordName::getFifthPitchNameListMinor())
        , selector (settingsFolder)
    {
        dressAsKeys (chordStack, false);
        dressAsKeys (keysType2, true);
        dressAsKeys (keysType4, true);
        keysType4.setCurrentStartIndex (5, true, false);

        wheelRainbow.setColourStyle (0.0f, 360.0f, 0.75f, 0.95f, false);
        wheelGrey.setColourStyle (30.0f, 120.0f, 0.7f, 0.8f, true);
        wheelRainbow.setCurrentStartIndexFromButtonName ("G", false);

        strip.textColour = juce::Colours::white;
        strip.setVisiblueLineNum (1);
        strip.addNotificationText (utf8 (u8" Chord Root : C\uff03  \u57fa\u672c\u5f62 / Inversion 1"));

        for (auto* c : std::initializer_list<juce::Component*> { &background, &oneCell, &chordStack, &keysType2, &keysType4,
                                                                 &wheelDefault, &wheelRainbow, &wheelGrey, &strip, &selector })
            addAndMakeVisible (c);

        background.getTexture().setColor (juce::Colours::white, true);
        background.getTexture().setRadiusSize (14, false);
        background.setAlpha (0.12f);
    }

    void paint (juce::Graphics& g) override
    {
        g.fillAll (nubo::RYBColorHelper::m_Dark_A_Col.colour);
    }

    void resized() override
    {
        const int W = getWidth(), H = getHeight();
        const int pad = juce::jmax (4, W / 100);
        const int leftW = W / 2 - 2 * pad;

        background.setBounds (getLocalBounds());
        oneCell.setBounds (pad, pad, juce::jmax (2, leftW / 4), juce::jmax (2, H / 8));
        chordStack.setBounds (pad + leftW / 4 + pad, pad, juce::jmax (2, leftW / 3), juce::jmax (2, H * 4 / 10));
        keysType2.setBounds (pad, pad + H * 4 / 10 + pad, leftW, juce::jmax (2, H / 8));
        keysType4.setBounds (pad, keysType2.getBottom() + pad, leftW, juce::jmax (2, H / 8));
        strip.setBounds (pad, keysType4.getBottom() + pad, leftW, juce::jmax (2, H / 16));
        selector.setBounds (pad, strip.getBottom() + pad, juce::jmax (2, leftW * 2 / 3), juce::jmax (2, H / 10));

        const int wheelBig = juce::jmin (W / 2 - 2 * pad, H / 2 - pad);
        wheelDefault.setBounds (W / 2 + pad, pad, wheelBig, wheelBig);
        const int wheelSmall = juce::jmin ((W / 2 - 3 * pad) / 2, H / 2 - 2 * pad);
        wheelRainbow.setBounds (W / 2 + pad, wheelDefault.getBottom() + pad, wheelSmall, wheelSmall);
        wheelGrey.setBounds (wheelRainbow.getRight() + pad, wheelDefault.getBottom() + pad, wheelSmall, wheelSmall);
    }

    nubo::Texture_Component_Tri background;
    nubo::RouletteButton oneCell;
    nubo::RouletteButton chordStack;
    nubo::RouletteButton keysType2;
    nubo::RouletteButton keysType4;
    nubo::RoulletCircleButton_Double wheelDefault;
    nubo::RoulletCircleButton_Double wheelRainbow;
    nubo::RoulletCircleButton_Double wheelGrey;
    nubo::NotificationText_Component strip;
    nubo::ModifierKeySelectorComponent selector;
};

bool writePng (juce::Component& component, const juce::File& file, bool withParentBackground)
{
    auto image = withParentBackground && component.getParentComponent() != nullptr
        ? component.getParentComponent()->createComponentSnapshot (component.getBounds(), true)
        : component.createComponentSnapshot (component.getLocalBounds(), true);

    file.deleteFile();
    juce::FileOutputStream out (file);

    if (! out.openedOk())
        return false;

    juce::PNGImageFormat png;
    return png.writeImageToStream (image, out);
}
} // namespace

int main (int argc, char** argv)
{
    if (argc < 2)
    {
        std::cerr << "usage: nubo_render <output folder> [width] [height]\n";
        return 2;
    }

    const juce::ScopedJuceInitialiser_GUI gui;

    const auto outFolder = juce::File::getCurrentWorkingDirectory().getChildFile (juce::String (argv[1]));
    const int width = argc > 2 ? juce::jlimit (200, 4000, juce::String (argv[2]).getIntValue()) : 1200;
    const int height = argc > 3 ? juce::jlimit (150, 4000, juce::String (argv[3]).getIntValue()) : 800;

    if (! outFolder.createDirectory())
    {
        std::cerr << "cannot create " << outFolder.getFullPathName() << "\n";
        return 1;
    }

    // The selector reads and writes its settings file in a scratch folder, never the user's own.
    const auto scratch = juce::File::getSpecialLocation (juce::File::tempDirectory)
                             .getNonexistentChildFile ("nubo_render_settings", "", false);
    scratch.createDirectory();

    bool ok = true;

    {
        Gallery gallery (scratch);
        gallery.setBounds (0, 0, width, height);

        // The pointer over one segment of the rainbow wheel shows the hover outline.
        auto& hovered = gallery.wheelRainbow;
        const auto over = juce::Point<float> ((float) hovered.getWidth() / 2.0f, (float) hovered.getHeight() * 0.08f);
        hovered.mouseMove (juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), over, {},
                                             juce::MouseInputSource::defaultPressure, 0.0f, 0.0f, 0.0f, 0.0f,
                                             &hovered, &hovered, juce::Time::getCurrentTime(), over,
                                             juce::Time::getCurrentTime(), 1, false));

        ok &= writePng (gallery, outFolder.getChildFile ("gallery.png"), false);

        const std::pair<juce::Component*, const char*> parts[] = {
            { &gallery.oneCell, "roulette_one_cell.png" },
            { &gallery.chordStack, "roulette_type1_chords.png" },
            { &gallery.keysType2, "roulette_type2_keys.png" },
            { &gallery.keysType4, "roulette_type4_keys.png" },
            { &gallery.wheelDefault, "wheel_double_default.png" },
            { &gallery.wheelRainbow, "wheel_double_rainbow.png" },
            { &gallery.wheelGrey, "wheel_double_grey.png" },
            { &gallery.strip, "notification_strip.png" },
            { &gallery.selector, "modifier_key_selector.png" },
        };

        for (const auto& [component, name] : parts)
            ok &= writePng (*component, outFolder.getChildFile (name), true);
    }

    scratch.deleteRecursively();
    nubo::FontManager::releaseAll();

    std::cout << (ok ? "wrote " : "failed writing ") << outFolder.getFullPathName() << "\n";
    return ok ? 0 : 1;
}

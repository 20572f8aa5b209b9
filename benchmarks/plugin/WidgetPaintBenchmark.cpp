#include "widgets/RouletteButton.h"
#include "widgets/RoulletCircleButton.h"

#include <benchmark/benchmark.h>
#include <juce_gui_basics/juce_gui_basics.h>

namespace
{

/** One GUI initialisation for the whole program, made on the thread that runs the benchmarks. */
void ensureGui()
{
    static juce::ScopedJuceInitialiser_GUI gui;
}

juce::StringArray keyNames (int count)
{
    juce::StringArray names;
    for (int i = 0; i < count; ++i)
        names.add (juce::String (i));
    return names;
}

/** A 24-cell type-4 row whose cells draw the roulette's cached face images, as the keyboards do. */
struct KeyRow
{
    nubo::RouletteButton roulette { keyNames (24), 24, nubo::ROULETTE_TYPE_HORIZONTAL_CENTRED };

    KeyRow()
    {
        for (auto* info : roulette.getButtonInfos())
        {
            info->m_paintFunc = [this, info] (juce::Graphics& g) {
                if (auto* cell = info->m_component)
                {
                    auto& face = info->m_index % 2 == 0 ? roulette.getNormalFaceImage() : roulette.getDarkFaceImage();
                    face.drawTextureTo (g, 0, 0, false);
                    g.setColour (juce::Colours::black);
                    g.drawRect (cell->getLocalBounds(), 1);
                }
            };
        }

        roulette.setBounds (0, 0, 1600, 100);
    }
};

void paintInto (juce::Component& component, juce::Image& target)
{
    juce::Graphics g (target);
    component.paintEntireComponent (g, true);
}

void BM_RouletteType4_24Cells_1600x100_Cached (benchmark::State& state)
{
    ensureGui();
    KeyRow row;
    juce::Image target (juce::Image::ARGB, 1600, 100, true);
    paintInto (row.roulette, target); // renders the faces once

    for (auto _ : state)
    {
        paintInto (row.roulette, target);
        benchmark::DoNotOptimize (target.getPixelAt (800, 50));
    }
}
BENCHMARK (BM_RouletteType4_24Cells_1600x100_Cached)->Unit (benchmark::kMillisecond);

juce::StringArray fifths()
{
    return { "C", "G", "D", "A", "E", "B", "F#", "Db", "Ab", "Eb", "Bb", "F" };
}

void BM_Wheel_600x600_Cached (benchmark::State& state)
{
    ensureGui();
    nubo::RoulletCircleButton_Double wheel (fifths(), { "Am", "Em", "Bm", "F#m", "C#m", "G#m", "D#m", "Bbm", "Fm", "Cm", "Gm", "Dm" });
    wheel.setBounds (0, 0, 600, 600);
    juce::Image target (juce::Image::ARGB, 600, 600, true);
    paintInto (wheel, target);

    for (auto _ : state)
    {
        paintInto (wheel, target);
        benchmark::DoNotOptimize (target.getPixelAt (300, 10));
    }
}
BENCHMARK (BM_Wheel_600x600_Cached)->Unit (benchmark::kMillisecond);

void BM_Wheel_600x600_ForcedRedraw (benchmark::State& state)
{
    ensureGui();
    nubo::RoulletCircleButton_Double wheel (fifths(), { "Am", "Em", "Bm", "F#m", "C#m", "G#m", "D#m", "Bbm", "Fm", "Cm", "Gm", "Dm" });
    wheel.setBounds (0, 0, 600, 600);
    juce::Image target (juce::Image::ARGB, 600, 600, true);

    for (auto _ : state)
    {
        wheel.forceRedraw();
        paintInto (wheel, target);
        benchmark::DoNotOptimize (target.getPixelAt (300, 10));
    }
}
BENCHMARK (BM_Wheel_600x600_ForcedRedraw)->Unit (benchmark::kMillisecond);

} // namespace

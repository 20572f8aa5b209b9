#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

// One GUI initialisation per test binary: components can then be built, laid out and painted
// into images without a display.
int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);
    juce::ScopedJuceInitialiser_GUI juce;
    return RUN_ALL_TESTS();
}

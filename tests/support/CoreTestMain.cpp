#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

// One JUCE initialisation for the whole binary: a message manager (from juce_events, no
// windows) that JUCE's singletons and leak detectors expect to be set up and torn down once.
int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);
    juce::ScopedJuceInitialiser_GUI juce;
    return RUN_ALL_TESTS();
}

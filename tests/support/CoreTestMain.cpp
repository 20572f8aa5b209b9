#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

// One JUCE initialisation for the whole binary: the core uses no GUI, but JUCE's message
// manager and leak detectors expect to be set up and torn down once.
int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);
    juce::ScopedJuceInitialiser_GUI juce; // JUCE 7 has no non-GUI variant; this one only sets up the message manager
    return RUN_ALL_TESTS();
}

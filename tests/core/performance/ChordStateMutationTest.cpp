#include "performance/PitchChordManager.h"

#include <gtest/gtest.h>

#include <random>

namespace
{

// Random damage to a saved state (bytes changed, dropped, repeated, cut): whatever the parser
// still accepts must read into a state inside the setters' limits that writes and reads back to
// the same text.
TEST (ChordStateMutation, DamagedTextsReadSafelyAndRoundTrip)
{
    nubo::PitchChordManager source (nullptr);
    source.setChordName (juce::String (juce::CharPointer_UTF8 (u8"m7¯5")));
    source.setChordInvertType ("Inversion 2", true);
    source.setMidiChannel (9);
    source.setMainKey (10);
    source.setVelocity (0.33f);
    source.setSavedPitchChordManager (new nubo::PitchChordManager (source));
    const auto seed = source.toXMLString().toStdString();

    std::mt19937 rng (7);
    const char alphabet[] = "<>/=\"' 0123456789-+.eE&;#xabcdefTtYy\x01\xff\xc2\xaf";
    int accepted = 0;

    for (int trial = 0; trial < 3000; ++trial)
    {
        auto text = seed;

        for (int edits = 1 + static_cast<int> (rng() % 8); edits > 0 && ! text.empty(); --edits)
        {
            const auto pos = rng() % text.size();

            switch (rng() % 4)
            {
                case 0:
                    text[pos] = alphabet[rng() % (sizeof (alphabet) - 1)];
                    break;
                case 1:
                    text.erase (pos, 1 + rng() % 16);
                    break;
                case 2:
                    text.insert (pos, text.substr (pos, 1 + rng() % 64));
                    break;
                default:
                    text.resize (pos);
                    break;
            }
        }

        nubo::PitchChordManager state (nullptr);
        state.fromXMLString (juce::String::fromUTF8 (text.data(), static_cast<int> (text.size())));

        ASSERT_GE (state.getMidiChannel(), 1) << text;
        ASSERT_LE (state.getMidiChannel(), 16) << text;
        ASSERT_GE (state.getMainKey(), 0) << text;
        ASSERT_LE (state.getMainKey(), 11) << text;
        ASSERT_GE (state.getVelocity(), 0.0f) << text;
        ASSERT_LE (state.getVelocity(), 1.0f) << text;

        for (auto tone : state.getChordTones (false))
            ASSERT_TRUE (tone >= 0 && tone <= 127) << text;

        state.getFullChordName();

        const auto written = state.toXMLString();
        nubo::PitchChordManager again (nullptr);
        again.fromXMLString (written);
        ASSERT_EQ (again.toXMLString(), written) << text;

        if (state.getChordRootPitchNum() != 0 || state.getSavedPitchChordManager() != nullptr)
            ++accepted;
    }

    EXPECT_GT (accepted, 300) << "hardly any damaged text was read: the test proves little";
}

} // namespace

#include "performance/StepSequencer_Bass.h"

#include <gtest/gtest.h>

namespace
{

namespace Names = nubo::STEPSEQUNCER_ONESTEP_VARIATION_TYPE_NAME;

nubo::StepSequencer_OneStepType typeWithVariations (std::initializer_list<const char*> names, int index)
{
    nubo::StepSequencer_OneStepType type;

    for (auto* n : names)
        type.variations.emplace_back (n);

    type.variationIndex = index;
    return type;
}

TEST (StepSequencerPattern, TypeNamesAndJapaneseLabels)
{
    const auto u8 = [] (const char* t) { return juce::String (juce::CharPointer_UTF8 (t)); };

    const std::pair<juce::String, juce::String> names[] {
        { Names::STEP_VARIATION_NOTE_OFF, "NoteOff" },
        { Names::STEP_VARIATION_NOTE_ON, "NoteOn" },
        { Names::STEP_VARIATION_NOTE_CONTINUE, "Continue" },
        { Names::STEP_VARIATION_NOTE_Normal, "Normal" },
        { Names::STEP_VARIATION_NOTE_Inversion1, "Inversion1" },
        { Names::STEP_VARIATION_NOTE_Inversion3, "Inversion3" },
        { Names::STEP_VARIATION_NOTE_Depend, "Sync" },
        { Names::STEP_VARIATION_NOTE_OFF_JA, "Note Off" },
        { Names::STEP_VARIATION_NOTE_Normal_JA, u8 (u8"基本形") },
        { Names::STEP_VARIATION_NOTE_Inversion2_JA, u8 (u8"第2転") }, // ASCII digit
        { Names::STEP_VARIATION_NOTE_Depend_JA, u8 (u8"同期") },
    };

    for (const auto& [constant, text] : names)
        EXPECT_EQ (constant, text);
}

TEST (StepSequencerPattern, VariationSelectionWrapsTheIndex)
{
    struct Case
    {
        int index;
        const char* expected;
    };
    const Case cases[] { { 0, "A" }, { 2, "C" }, { 3, "A" }, { 7, "B" }, { -1, "C" }, { -5, "C" } };

    for (const auto& c : cases)
        EXPECT_EQ (typeWithVariations ({ "A", "B", "C" }, c.index).getVariationeTypeName(), c.expected) << c.index;

    EXPECT_EQ (typeWithVariations ({}, 4).getVariationeTypeName(), "default");
}

TEST (StepSequencerPattern, ValueRoundsUnlessVariationsAreUsed)
{
    nubo::StepSequencer_OneStepType type ("Normal");

    struct Case
    {
        double value;
        double expected;
    };

    for (const auto& c : { Case { 0.5, 1.0 }, Case { 2.5, 3.0 }, Case { -0.5, -1.0 }, Case { 1.49, 1.0 }, Case { 0.0, 0.0 } })
    {
        type.value = c.value;
        EXPECT_DOUBLE_EQ (type.getValue(), c.expected) << c.value;
    }

    type.value = 0.7;
    type.useVariation = true;
    EXPECT_DOUBLE_EQ (type.getValue(), 0.7); // no value function: unchanged

    type.variations[0].valueFunction = [] (double v, const nubo::StepSequencer_OneStepType&) { return v * 2.0; };
    EXPECT_DOUBLE_EQ (type.getValue(), 1.4);
}

TEST (StepSequencerPattern, VariedLengthAppliesBothFunctions)
{
    nubo::StepSequencer_OneStepType type ("Normal");
    type.lengthScale = 0.5;

    nubo::StepSequencer_OneStepSequenceInfo step;
    step.length = 2.0;
    step.type = &type;
    EXPECT_DOUBLE_EQ (step.getVariationedLengthQN(), 1.0);

    type.variations[0].lengthFunction = [] (double x, const nubo::StepSequencer_OneStepSequenceInfo&) { return x + 1.0; };
    type.variations[0].lengthScaleFunction = [] (double y, const nubo::StepSequencer_OneStepType&) { return y * 4.0; };
    EXPECT_DOUBLE_EQ (step.getVariationedLengthQN(), 6.0); // (2 + 1) × (0.5 × 4)

    nubo::StepSequencer_OneStepSequenceInfo untyped;
    EXPECT_EQ (untyped.getVariationeTypeName(), Names::STEP_VARIATION_NOTE_OFF);
}

TEST (StepSequencerPattern, TimingDataJoinsTiesAndKeepsRests)
{
    nubo::StepSequencer_Bass pattern (4, 1.0);
    pattern.setStepTypeName (0, Names::STEP_VARIATION_NOTE_Normal);
    pattern.setStepTypeName (1, Names::STEP_VARIATION_NOTE_CONTINUE);
    pattern.setStepTypeName (2, Names::STEP_VARIATION_NOTE_OFF);
    pattern.setStepTypeName (3, Names::STEP_VARIATION_NOTE_Inversion1);
    pattern.getStepType (3)->setStringVectorValue ("NOTE_ORDER_TYPENAME", "Top");
    pattern.getStepType (3)->value = 2.0;

    const auto timing = pattern.getQnTimingData();
    ASSERT_EQ (timing.size(), 3);

    struct Expected
    {
        double start, length;
        const char* name;
        double value;
    };
    const Expected expected[] { { 0.0, 2.0, "Normal", 1.0 }, { 2.0, 1.0, "NoteOff", 1.0 }, { 3.0, 1.0, "Inversion1", 2.0 } };

    for (int i = 0; i < 3; ++i)
    {
        EXPECT_DOUBLE_EQ (timing[i].start, expected[i].start) << i;
        EXPECT_DOUBLE_EQ (timing[i].length, expected[i].length) << i;
        EXPECT_DOUBLE_EQ (timing[i].end, expected[i].start + expected[i].length) << i;
        EXPECT_EQ (timing[i].name, expected[i].name) << i;
        EXPECT_DOUBLE_EQ (timing[i].value, expected[i].value) << i;
        EXPECT_EQ (timing[i].stepCount, 4);
        EXPECT_DOUBLE_EQ (timing[i].stepLength, 1.0);
    }

    EXPECT_EQ (timing[2].getStringVectorValue ("NOTE_ORDER_TYPENAME"), "Top");
    EXPECT_EQ (timing[0].getStringVectorValue ("NOTE_ORDER_TYPENAME"), "");
    EXPECT_FALSE (pattern.layoutDirty);
}

TEST (StepSequencerPattern, LeadingTieIsSilentAndTiesLengthenRests)
{
    nubo::StepSequencer_Bass pattern (5, 0.5);
    pattern.setStepTypeName (0, Names::STEP_VARIATION_NOTE_CONTINUE);
    pattern.setStepTypeName (1, Names::STEP_VARIATION_NOTE_OFF);
    pattern.setStepTypeName (2, Names::STEP_VARIATION_NOTE_CONTINUE);
    pattern.setStepTypeName (3, Names::STEP_VARIATION_NOTE_Depend);
    pattern.setStepTypeName (4, Names::STEP_VARIATION_NOTE_CONTINUE);

    const auto timing = pattern.getQnTimingData();
    ASSERT_EQ (timing.size(), 2);
    EXPECT_EQ (timing[0].name, "NoteOff");
    EXPECT_DOUBLE_EQ (timing[0].start, 0.5);
    EXPECT_DOUBLE_EQ (timing[0].length, 1.0);
    EXPECT_EQ (timing[1].name, "Sync");
    EXPECT_DOUBLE_EQ (timing[1].end, 2.5); // the tie runs to the loop end

    // A shorter step count cuts the tie chain off.
    pattern.stepCount = 4;
    const auto cut = pattern.getQnTimingData();
    ASSERT_EQ (cut.size(), 2);
    EXPECT_DOUBLE_EQ (cut[1].end, 2.0);
}

TEST (StepSequencerPattern, StepChainLinkedIntoARingStillEnds)
{
    nubo::StepSequencer_Bass pattern (3, 1.0);
    pattern.setStepTypeName (0, Names::STEP_VARIATION_NOTE_Normal);
    pattern.setStepTypeName (1, Names::STEP_VARIATION_NOTE_CONTINUE);
    pattern.setStepTypeName (2, Names::STEP_VARIATION_NOTE_CONTINUE);
    pattern.getQnTimingData();

    // An editor that links the last step back to the second one.
    pattern.getStep (2)->next = pattern.getStep (1);
    const auto timing = pattern.getQnTimingData();
    ASSERT_EQ (timing.size(), 1);
    EXPECT_LE (timing[0].end, 4.0);
}

TEST (StepSequencerPattern, StepCountIsLimitedAndStepsAreCreated)
{
    nubo::StepSequencer_Bass pattern (-3, 1.0);
    EXPECT_EQ (pattern.getStepCount(), 0);
    EXPECT_TRUE (pattern.getQnTimingData().isEmpty());

    pattern.setStepCount (1 << 30);
    EXPECT_EQ (pattern.getStepCount(), nubo::StepSequencer_Bass::maxStepCount);
    EXPECT_NE (pattern.getStep (nubo::StepSequencer_Bass::maxStepCount - 1), nullptr);
    EXPECT_EQ (pattern.getStep (nubo::StepSequencer_Bass::maxStepCount), nullptr);

    // New steps are rests.
    EXPECT_EQ (pattern.getQnTimingData().getFirst().name, Names::STEP_VARIATION_NOTE_OFF);
}

TEST (StringVectorMap, LooksUpTheFirstEntryAndCopiesInOrder)
{
    nubo::StringVectorMap map;
    map.setStringVectorValue ("NOTE_ORDER_TYPENAME", juce::String (juce::CharPointer_UTF8 (u8"同期")));
    map.setStringVectorValue ("other", "x");
    map.setStringVectorValue ("NOTE_ORDER_TYPENAME", "Top"); // replaces the first entry's value

    EXPECT_EQ (map.getNumStringVectorEntries(), 2);
    EXPECT_EQ (map.getStringVectorValue ("NOTE_ORDER_TYPENAME"), "Top");
    EXPECT_EQ (map.getStringVectorValue ("missing"), "");
    EXPECT_EQ (map.getStringVectorValue ("note_order_typename"), ""); // exact keys

    nubo::StringVectorMap copy;
    copy.setStringVectorValue ("stale", "1");
    copy.copyStringVectorFrom (map);
    ASSERT_EQ (copy.getNumStringVectorEntries(), 2);
    EXPECT_EQ (copy.getStringVectorEntry (1)->key, "other");
    EXPECT_EQ (copy.getStringVectorValue ("stale"), "");

    map.setStringVectorValue ("other", "changed");
    EXPECT_EQ (copy.getStringVectorValue ("other"), "x"); // a deep copy

    nubo::StringVectorMap utf8;
    utf8.setStringVectorValue (juce::String (juce::CharPointer_UTF8 (u8"鍵")), juce::String (juce::CharPointer_UTF8 (u8"値")));
    EXPECT_EQ (utf8.getStringVectorValue (u8"鍵"), std::string (u8"値"));
}

} // namespace

#include "performance/StepSequencer_Bass.h"

#include <cmath>

namespace nubo
{

namespace STEPSEQUNCER_ONESTEP_VARIATION_TYPE_NAME
{
    const juce::String STEP_VARIATION_NOTE_OFF ("NoteOff");
    const juce::String STEP_VARIATION_NOTE_ON ("NoteOn");
    const juce::String STEP_VARIATION_NOTE_CONTINUE ("Continue");
    const juce::String STEP_VARIATION_NOTE_Normal ("Normal");
    const juce::String STEP_VARIATION_NOTE_Inversion1 ("Inversion1");
    const juce::String STEP_VARIATION_NOTE_Inversion2 ("Inversion2");
    const juce::String STEP_VARIATION_NOTE_Inversion3 ("Inversion3");
    const juce::String STEP_VARIATION_NOTE_Depend ("Sync");

    const juce::String STEP_VARIATION_NOTE_OFF_JA ("Note Off");
    const juce::String STEP_VARIATION_NOTE_ON_JA ("Note On");
    const juce::String STEP_VARIATION_NOTE_CONTINUE_JA ("Continue");
    const juce::String STEP_VARIATION_NOTE_Normal_JA (juce::CharPointer_UTF8 (u8"基本形"));
    const juce::String STEP_VARIATION_NOTE_Inversion1_JA (juce::CharPointer_UTF8 (u8"第1転"));
    const juce::String STEP_VARIATION_NOTE_Inversion2_JA (juce::CharPointer_UTF8 (u8"第2転"));
    const juce::String STEP_VARIATION_NOTE_Inversion3_JA (juce::CharPointer_UTF8 (u8"第3転"));
    const juce::String STEP_VARIATION_NOTE_Depend_JA (juce::CharPointer_UTF8 (u8"同期"));
} // namespace STEPSEQUNCER_ONESTEP_VARIATION_TYPE_NAME

namespace TypeName = STEPSEQUNCER_ONESTEP_VARIATION_TYPE_NAME;

//==============================================================================
StepSequencer_OneStepVariation::StepSequencer_OneStepVariation (const juce::String& variationName)
    : name (variationName)
{
}

//==============================================================================
StepSequencer_OneStepType::StepSequencer_OneStepType (const juce::String& variationName)
{
    variations.emplace_back (variationName);
}

const StepSequencer_OneStepVariation& StepSequencer_OneStepType::getSelectedVariation() const noexcept
{
    static const StepSequencer_OneStepVariation defaultVariation ("default");

    const auto n = static_cast<int> (variations.size());

    if (n == 0)
        return defaultVariation;

    auto k = variationIndex % n;

    if (k < 0)
        k = n - 1;

    return variations[static_cast<size_t> (k)];
}

juce::String StepSequencer_OneStepType::getVariationeTypeName() const
{
    return getSelectedVariation().name;
}

double StepSequencer_OneStepType::getValue() const
{
    if (! useVariation)
        return std::round (value);

    const auto& variation = getSelectedVariation();
    return variation.valueFunction ? variation.valueFunction (value, *this) : value;
}

//==============================================================================
juce::String StepSequencer_OneStepSequenceInfo::getVariationeTypeName() const
{
    return type != nullptr ? type->getVariationeTypeName() : TypeName::STEP_VARIATION_NOTE_OFF;
}

double StepSequencer_OneStepSequenceInfo::getVariationedLengthQN() const
{
    if (type == nullptr)
        return length;

    const auto& variation = type->getSelectedVariation();
    const auto x = variation.lengthFunction ? variation.lengthFunction (length, *this) : length;
    const auto y = variation.lengthScaleFunction ? variation.lengthScaleFunction (type->lengthScale, *type)
                                                 : type->lengthScale;
    return x * y;
}

//==============================================================================
StepSequencer_Bass::StepSequencer_Bass (int newStepCount, double newStepLength)
    : stepLength (newStepLength)
{
    setStepCount (newStepCount);
}

void StepSequencer_Bass::setStepCount (int newStepCount)
{
    stepCount = juce::jlimit (0, maxStepCount, newStepCount);
    const auto n = static_cast<size_t> (stepCount);

    while (stepTypes.size() < n)
        stepTypes.push_back (std::make_unique<StepSequencer_OneStepType> (TypeName::STEP_VARIATION_NOTE_OFF));

    while (steps.size() < n)
        steps.push_back (std::make_unique<StepSequencer_OneStepSequenceInfo>());

    stepTypes.resize (n);
    steps.resize (n);
    layoutDirty = true;
}

void StepSequencer_Bass::setStepLength (double newStepLength)
{
    stepLength = newStepLength;
    layoutDirty = true;
}

void StepSequencer_Bass::setStepTypeName (int index, const juce::String& variationName)
{
    if (auto* type = getStepType (index))
    {
        type->variations.clear();
        type->variations.emplace_back (variationName);
        type->variationIndex = 0;
        layoutDirty = true;
    }
}

StepSequencer_OneStepType* StepSequencer_Bass::getStepType (int index) const noexcept
{
    if (index < 0 || index >= static_cast<int> (stepTypes.size()))
        return nullptr;

    return stepTypes[static_cast<size_t> (index)].get();
}

StepSequencer_OneStepSequenceInfo* StepSequencer_Bass::getStep (int index) const noexcept
{
    if (index < 0 || index >= static_cast<int> (steps.size()))
        return nullptr;

    return steps[static_cast<size_t> (index)].get();
}

void StepSequencer_Bass::layOutSteps()
{
    const auto numSteps = steps.size();

    for (size_t i = 0; i < numSteps; ++i)
    {
        auto& step = *steps[i];
        step.length = stepLength;
        step.start = static_cast<double> (i) * stepLength;
        step.type = i < stepTypes.size() ? stepTypes[i].get() : nullptr;
        step.previous = i > 0 ? steps[i - 1].get() : nullptr;
        step.next = i + 1 < numSteps ? steps[i + 1].get() : nullptr;
        step.index = static_cast<int> (i);
    }

    layoutDirty = false;
}

juce::Array<OneStep_QN_Timing> StepSequencer_Bass::getQnTimingData()
{
    if (layoutDirty)
        layOutSteps();

    juce::Array<OneStep_QN_Timing> result;
    const auto numSteps = static_cast<int> (steps.size());

    for (int i = 0; i < stepCount && i < numSteps; ++i)
    {
        const auto& step = *steps[static_cast<size_t> (i)];
        const auto name = step.getVariationeTypeName();

        if (name == TypeName::STEP_VARIATION_NOTE_CONTINUE)
            continue;

        const auto start = step.start;
        auto end = start + step.getVariationedLengthQN();
        const auto value = step.type != nullptr ? step.type->getValue() : 1.0;

        // Ties after this step lengthen it. The walk is bounded by the number of steps, so a
        // chain an editor linked into a ring cannot hold it forever.
        auto* tied = step.next;

        for (int guard = 0; tied != nullptr && guard < numSteps; ++guard, tied = tied->next)
        {
            if (tied->index >= stepCount || tied->getVariationeTypeName() != TypeName::STEP_VARIATION_NOTE_CONTINUE)
                break;

            end += tied->getVariationedLengthQN();
        }

        OneStep_QN_Timing timing;

        if (step.type != nullptr)
            timing.copyStringVectorFrom (*step.type);

        timing.start = start;
        timing.length = end - start;
        timing.end = end;
        timing.value = value;
        timing.name = name;
        timing.stepCount = stepCount;
        timing.stepLength = stepLength;
        result.add (timing);
    }

    return result;
}

} // namespace nubo

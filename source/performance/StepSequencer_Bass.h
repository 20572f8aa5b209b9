#pragma once

#include "performance/OneStep_QN_Timing.h"

#include <functional>
#include <memory>
#include <vector>

namespace nubo
{

/** Step type names. Playback compares a step's type name with the English names only; the
    _JA names are the labels shown in Japanese mode. */
namespace STEPSEQUNCER_ONESTEP_VARIATION_TYPE_NAME
{
    extern const juce::String STEP_VARIATION_NOTE_OFF;
    extern const juce::String STEP_VARIATION_NOTE_ON;
    extern const juce::String STEP_VARIATION_NOTE_CONTINUE;
    extern const juce::String STEP_VARIATION_NOTE_Normal;
    extern const juce::String STEP_VARIATION_NOTE_Inversion1;
    extern const juce::String STEP_VARIATION_NOTE_Inversion2;
    extern const juce::String STEP_VARIATION_NOTE_Inversion3;
    extern const juce::String STEP_VARIATION_NOTE_Depend;

    extern const juce::String STEP_VARIATION_NOTE_OFF_JA;
    extern const juce::String STEP_VARIATION_NOTE_ON_JA;
    extern const juce::String STEP_VARIATION_NOTE_CONTINUE_JA;
    extern const juce::String STEP_VARIATION_NOTE_Normal_JA;
    extern const juce::String STEP_VARIATION_NOTE_Inversion1_JA;
    extern const juce::String STEP_VARIATION_NOTE_Inversion2_JA;
    extern const juce::String STEP_VARIATION_NOTE_Inversion3_JA;
    extern const juce::String STEP_VARIATION_NOTE_Depend_JA;
} // namespace STEPSEQUNCER_ONESTEP_VARIATION_TYPE_NAME

class StepSequencer_OneStepType;
class StepSequencer_OneStepSequenceInfo;

/** One variation of a step type: a name and the functions that shape a step's length and value.
    Any function may be empty. */
class StepSequencer_OneStepVariation
{
public:
    using LengthFunction = std::function<double (double, const StepSequencer_OneStepSequenceInfo&)>;
    using TypeFunction = std::function<double (double, const StepSequencer_OneStepType&)>;

    StepSequencer_OneStepVariation() = default;
    explicit StepSequencer_OneStepVariation (const juce::String& variationName);
    virtual ~StepSequencer_OneStepVariation() = default;
    StepSequencer_OneStepVariation (const StepSequencer_OneStepVariation&) = default;
    StepSequencer_OneStepVariation& operator= (const StepSequencer_OneStepVariation&) = default;

    juce::String name;
    /** (length in quarter notes, step) → length. */
    LengthFunction lengthFunction;
    /** (value, step type) → value. */
    TypeFunction valueFunction;
    /** (length scale, step type) → length scale. */
    TypeFunction lengthScaleFunction;
    /** Free for the pattern editor; playback does not call them. */
    TypeFunction extraFunction1;
    TypeFunction extraFunction2;
    TypeFunction extraFunction3;
};

/** The type of one step (its variations, value and length scale) and the step's options. */
class StepSequencer_OneStepType : public StringVectorMap
{
public:
    StepSequencer_OneStepType() = default;
    /** A type with one variation of that name. */
    explicit StepSequencer_OneStepType (const juce::String& variationName);
    StepSequencer_OneStepType (const StepSequencer_OneStepType&) = default;
    StepSequencer_OneStepType& operator= (const StepSequencer_OneStepType&) = default;
    ~StepSequencer_OneStepType() override = default;

    /** Variation number (index mod count); a negative remainder selects the last one. With no
        variations, an unnamed-function variation called "default". */
    const StepSequencer_OneStepVariation& getSelectedVariation() const noexcept;

    /** The selected variation's name. */
    juce::String getVariationeTypeName() const;

    /** The velocity factor: the value rounded (halves away from zero) when variations are not
        used, else the value through the selected variation's value function. */
    double getValue() const;

    std::vector<StepSequencer_OneStepVariation> variations;
    double value = 1.0;
    double lengthScale = 1.0;
    bool useVariation = false;
    int variationIndex = 0;
};

/** One step of a pattern; the steps form a doubly linked chain in pattern order. */
class StepSequencer_OneStepSequenceInfo
{
public:
    StepSequencer_OneStepSequenceInfo() = default;
    virtual ~StepSequencer_OneStepSequenceInfo() = default;

    /** The type's selected variation name; "NoteOff" (a rest) for a step without a type. */
    juce::String getVariationeTypeName() const;

    /** The length through the variation's length function, times the type's length scale
        through the variation's length-scale function. */
    double getVariationedLengthQN() const;

    double length = 1.0;
    double start = 0.0;
    StepSequencer_OneStepType* type = nullptr;
    StepSequencer_OneStepSequenceInfo* previous = nullptr;
    StepSequencer_OneStepSequenceInfo* next = nullptr;
    int index = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (StepSequencer_OneStepSequenceInfo)
};

/**
    A step pattern: a loop of equal steps, each with a type. The pattern owns its step types and
    steps. Set layoutDirty after changing the step count, the step length or the types; the next
    timing query lays the steps out again.
*/
class StepSequencer_Bass
{
public:
    /** Steps are limited to this many. */
    static constexpr int maxStepCount = 1024;

    StepSequencer_Bass() = default;
    /** A pattern of stepCount rests of stepLength quarter notes each. */
    StepSequencer_Bass (int stepCount, double stepLength);
    virtual ~StepSequencer_Bass() = default;

    /** Sets the step count (0 … maxStepCount), creating rests or dropping steps at the end. */
    void setStepCount (int newStepCount);
    void setStepLength (double newStepLength);
    /** Gives step index a type with one variation of that name. */
    void setStepTypeName (int index, const juce::String& variationName);

    int getStepCount() const noexcept { return stepCount; }
    double getStepLength() const noexcept { return stepLength; }
    StepSequencer_OneStepType* getStepType (int index) const noexcept;
    StepSequencer_OneStepSequenceInfo* getStep (int index) const noexcept;

    /** The timing of every sounding or resting step; ties ("Continue") lengthen the step before
        them and produce no record of their own. */
    juce::Array<OneStep_QN_Timing> getQnTimingData();

    int stepCount = 0;
    double stepLength = 1.0;
    std::vector<std::unique_ptr<StepSequencer_OneStepType>> stepTypes;
    std::vector<std::unique_ptr<StepSequencer_OneStepSequenceInfo>> steps;
    bool layoutDirty = true;

private:
    void layOutSteps();

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (StepSequencer_Bass)
};

} // namespace nubo

#pragma once

#include "performance/StringVectorMap.h"

namespace nubo
{

/**
    The timing of one sounding (or resting) step of a pattern, in quarter notes from the loop
    start, with the options of its step type.
*/
class OneStep_QN_Timing : public StringVectorMap
{
public:
    OneStep_QN_Timing() = default;
    OneStep_QN_Timing (const OneStep_QN_Timing&) = default;
    OneStep_QN_Timing& operator= (const OneStep_QN_Timing&) = default;
    ~OneStep_QN_Timing() override = default;

    double start = 0.0;
    double length = 1.0;
    double end = 1.0;
    /** Velocity factor: 1 plays the chord at its own velocity. */
    double value = 1.0;
    /** The step type name ("NoteOff", "Normal", "Inversion1" …). */
    juce::String name { "NoteOff" };
    int stepCount = -1;
    double stepLength = -1.0;
};

} // namespace nubo

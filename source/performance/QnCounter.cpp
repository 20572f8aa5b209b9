#include "performance/QnCounter.h"

#include <cmath>
#include <limits>

namespace nubo
{

double SamplebBaseQnCounter::getQn (double sampleRate, double bpm) const noexcept
{
    const auto samplesPerQn = std::trunc (60.0 / bpm * sampleRate);

    if (! (samplesPerQn >= 1.0)) // also false for NaN
        return 0.0;

    return static_cast<double> (sampleCount) / samplesPerQn;
}

} // namespace nubo

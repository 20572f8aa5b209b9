#pragma once

#include <limits>

namespace nubo
{

/** A counter that can be switched on and off. */
class QnCounter_Base
{
public:
    QnCounter_Base() = default;
    virtual ~QnCounter_Base() = default;

    virtual bool isActiveStart() const noexcept { return active; }
    virtual bool isActiveStop() const noexcept { return ! active; }
    virtual void setActive (bool shouldBeActive) noexcept { active = shouldBeActive; }

private:
    bool active = false;
};

/** Counts samples while active and converts the count to quarter notes. */
class SamplebBaseQnCounter final : public QnCounter_Base
{
public:
    /** Adds one sample while active; the count stops at the largest int instead of overflowing. */
    virtual void stepOne() noexcept
    {
        if (isActiveStart() && sampleCount < std::numeric_limits<int>::max())
            ++sampleCount;
    }

    virtual void reset() noexcept { sampleCount = 0; }
    /** The count in quarter notes at bpm quarter notes per minute: count / trunc (60 / bpm ×
        sampleRate); 0 when that gives less than one sample per quarter note. */
    virtual double getQn (double sampleRate, double bpm) const noexcept;

    int getSampleCount() const noexcept { return sampleCount; }

private:
    int sampleCount = 0;
};

} // namespace nubo

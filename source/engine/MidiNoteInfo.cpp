#include "engine/MidiNoteInfo.h"

#include <algorithm>
#include <cmath>

namespace nubo
{

MidiNoteInfo::MidiNoteInfo (int pitch, float newVelocity, int newChannel) noexcept
{
    setPitchNumber (pitch);
    setVelocity (newVelocity);
    setChannel (newChannel);
}

int MidiNoteInfo::getPitchNumber() const noexcept
{
    return pitchNumber;
}
float MidiNoteInfo::getVelocity() const noexcept
{
    return velocity;
}
int MidiNoteInfo::getVelocityInt() const noexcept
{
    return static_cast<int> (velocity * 127.0f);
}
int MidiNoteInfo::getChannel() const noexcept
{
    return channel;
}

void MidiNoteInfo::setVelocity (float newVelocity) noexcept
{
    velocity = std::isnan (newVelocity) ? 0.0f : std::clamp (newVelocity, 0.0f, 1.0f);
}

void MidiNoteInfo::setPitchNumber (int newPitch) noexcept
{
    pitchNumber = std::clamp (newPitch, 1, 127);
}
void MidiNoteInfo::setChannel (int newChannel) noexcept
{
    channel = std::clamp (newChannel, 1, 16);
}

TimedMidiNote::TimedMidiNote (int pitch, float newVelocity, int newChannel, int lengthInSteps) noexcept
    : MidiNoteInfo (pitch, newVelocity, newChannel)
    , length (lengthInSteps)
{
}

int roundedVelocityByte (float v) noexcept
{
    if (std::isnan (v))
        return 0;
    const auto scaled = std::round (static_cast<double> (v) * 127.0);
    return static_cast<int> (std::clamp (scaled, 0.0, 127.0));
}

int truncatedVelocityByte (double v) noexcept
{
    if (std::isnan (v))
        return 0;
    return static_cast<int> (std::clamp (std::trunc (v * 127.0), 0.0, 127.0));
}

} // namespace nubo

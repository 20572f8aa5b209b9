#pragma once

namespace nubo
{

/** A note record shared by the timed notes and the step sequencer: pitch, velocity and channel. */
class MidiNoteInfo
{
public:
    MidiNoteInfo() = default;
    MidiNoteInfo (int pitch, float velocity, int channel) noexcept;
    MidiNoteInfo (const MidiNoteInfo&) = default;
    MidiNoteInfo& operator= (const MidiNoteInfo&) = default;
    virtual ~MidiNoteInfo() = default;

    virtual int getPitchNumber() const noexcept;
    /** 0.0 … 1.0 */
    virtual float getVelocity() const noexcept;
    /** Velocity × 127, truncated toward zero. */
    virtual int getVelocityInt() const noexcept;
    /** 1 … 16 */
    virtual int getChannel() const noexcept;

    /** Stores the value clamped to 0.0 … 1.0 (a NaN stores 0). */
    virtual void setVelocity (float newVelocity) noexcept;
    /** Stores the value clamped to 1 … 127: 1, not 0, is the lowest pitch a record holds. */
    virtual void setPitchNumber (int newPitch) noexcept;
    /** Stores the value clamped to 1 … 16. */
    virtual void setChannel (int newChannel) noexcept;

private:
    int pitchNumber = 60;
    float velocity = 0.0f;
    int channel = 1;
};

/** A note that switches itself off after a number of send steps (samples). */
class TimedMidiNote : public MidiNoteInfo
{
public:
    TimedMidiNote() = default;
    TimedMidiNote (int pitch, float velocity, int channel, int lengthInSteps) noexcept;

    int length = 0;
    bool isAlive = true;
    int elapsedSteps = 0;
};

/** MIDI velocity byte of a note record: velocity × 127 rounded to nearest, limited to 0 … 127. */
int roundedVelocityByte (float velocity) noexcept;

/** MIDI velocity byte of a sequenced note: velocity × 127 truncated toward zero, limited to 0 … 127. */
int truncatedVelocityByte (double velocity) noexcept;

} // namespace nubo

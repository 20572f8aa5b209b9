#include "performance/SequenceMidiNoteManager.h"

namespace nubo
{

SequenceMidiNoteManager::SequenceMidiNoteManager (MidiMessageManager& owner) noexcept
    : target (&owner)
{
}

void SequenceMidiNoteManager::updateOneSample (double, double) noexcept
{
    if (isIdle())
        return;
}

} // namespace nubo

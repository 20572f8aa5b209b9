#include "theory/ChordGenerator.h"

#include "theory/ChordGenerator_Base.h"
#include "theory/ChordToneTable.h"

namespace nubo
{

int ChordGenerator::checkAndExecute (ChordGenerator_Base* generator, FileCreator_Base* sink, NotesOrderReplace_Base* reorder,
                                     const juce::String& chordName, int root, float start, float length, float velocity, int channel)
{
    if (generator == nullptr)
        return 0;

    // The table starts with the five triads: "Maj", "min", "aug", "dim", "sus4".
    switch (const auto index = ChordToneTable::indexOf (chordName))
    {
        case -1:
            return 0;
        case 0:
            return generator->addMaj (sink, reorder, root, start, length, velocity, channel);
        case 1:
            return generator->addMin (sink, reorder, root, start, length, velocity, channel);
        case 2:
            return generator->addArg (sink, reorder, root, start, length, velocity, channel);
        case 3:
            return generator->addDim (sink, reorder, root, start, length, velocity, channel);
        case 4:
            return generator->addSus4 (sink, reorder, root, start, length, velocity, channel);
        default:
            return generator->addChordTones (ChordToneTable::getEntry (index), sink, reorder, root, start, length, velocity, channel);
    }
}

} // namespace nubo

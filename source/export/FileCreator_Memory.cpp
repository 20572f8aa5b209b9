#include "export/FileCreator_Memory.h"

#include "export/NoteValueLimits.h"

#include <algorithm>

namespace nubo
{

void FileCreator_Memory::clear()
{
    notes.clearQuick();
}

void FileCreator_Memory::addOneNote (int pitch, float start, float length, float velocity, int channel)
{
    notes.add ({ pitch, truncateToIntSaturating (start), length, velocity, channel });
}

bool FileCreator_Memory::saveToFile (juce::File file)
{
    if (file.isDirectory())
        return false;

    if (file.exists())
    {
        file.deleteFile();
        file.create();
    }

    juce::FileOutputStream out (file, 16384);

    if (! out.openedOk())
        return false;

    // If the old file could not be deleted the stream would append to it: start it afresh.
    if (! out.setPosition (0) || out.truncate().failed())
        return false;

    if (! out.writeText (toString(), false, false, nullptr))
        return false;

    out.flush();
    return out.getStatus().wasOk();
}

juce::String FileCreator_Memory::toString() const
{
    juce::String text;

    for (const auto& note : notes)
    {
        text << "--note-- : "
             << "channel  : " << note.channel << "\n"
             << "pitch    : " << note.pitch << "\n"
             << "velocity : " << truncateToIntSaturating (note.velocity) << "\n"
             << "startPos : " << note.start << "\n"
             << "duration : " << truncateToIntSaturating (note.length) << "\n";
    }

    return text;
}

juce::Array<int> FileCreator_Memory::getNotesAsPitchNumber (bool sortAscending) const
{
    juce::Array<int> pitches;
    pitches.ensureStorageAllocated (notes.size());

    for (const auto& note : notes)
        pitches.add (std::clamp (note.pitch, 0, 127));

    if (sortAscending)
        std::sort (pitches.begin(), pitches.end());

    return pitches;
}

} // namespace nubo

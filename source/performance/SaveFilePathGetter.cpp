#include "performance/SaveFilePathGetter.h"

#include "export/ChordFileExporter.h"
#include "performance/PitchChordManager.h"

namespace nubo
{

juce::File SaveFilePathGetter::exportCurrentChord (const juce::File& exportFolder)
{
    if (manager->getChordTones (false).isEmpty())
        return {};

    return ChordFileExporter::exportChord (
        manager->getFullChordName(),
        static_cast<int> (manager->getExportType()),
        manager->getCurrentFileCreator(),
        [this] (FileCreator_Base& writer) { manager->writeCurrentChordTo (&writer); },
        exportFolder);
}

juce::File SaveFilePathGetter::exportCurrentChord()
{
    return exportCurrentChord (ChordFileExporter::getDefaultExportFolder());
}

} // namespace nubo

#pragma once

#include "export/FileCreator_Base.h"

#include <functional>

namespace nubo
{

/**
    Writes the current chord into a file of the export folder, for dragging out of the editor.

    The chord state manager hands over plain values: its full chord name, its export mode, its
    current file writer and a function that generates the chord into that writer. The file is named
    after the chord ("C＃min" becomes "C#min.mid"), made safe to use as one file name inside the
    export folder whatever text the name carries.
*/
class ChordFileExporter final
{
public:
    /** Export modes: 1 writes a Standard MIDI File (".mid"); any other value names the file
        ".music", the Studio One note clip of mode 2. */
    static constexpr int exportMidiFile = 1;
    static constexpr int exportStudioOneClip = 2;

    /** Generates the chord into the (already cleared) writer. */
    using ChordWriteFunction = std::function<void (FileCreator_Base&)>;

    /** The user's application-data folder / "nubo" / the plug-in's executable name without extension. */
    static juce::File getDefaultExportFolder();

    /** ".mid" for mode 1, ".music" otherwise. */
    static juce::String getFileExtension (int exportMode);

    /** The chord name as a legal file name (without extension): "＃" becomes "#" and "♭" "b";
        path separators and characters that file systems reject become "_", control characters are
        dropped, no ".." remains, no leading or trailing dot or space, at most 200 UTF-8 bytes, and
        never empty. */
    static juce::String makeLegalFileName (const juce::String& fullChordName);

    /**
        Writes the chord and returns the written file, or File() when nothing could be written
        (no writer, no folder, the write failed). The folder is created when missing. An old export
        of the same name is replaced; when it cannot be removed the chord goes to a fresh sibling
        name. The file always lies directly inside exportFolder. Callers export only a chord that
        has at least one tone.
    */
    static juce::File exportChord (const juce::String& fullChordName,
                                   int exportMode,
                                   FileCreator_Base* writer,
                                   const ChordWriteFunction& writeChord,
                                   const juce::File& exportFolder = getDefaultExportFolder());

private:
    ChordFileExporter() = delete;
};

} // namespace nubo

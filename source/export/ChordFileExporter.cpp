#include "export/ChordFileExporter.h"

namespace nubo
{

namespace
{
    constexpr int maxFileNameBytes = 200;

    juce::String utf8 (const char* text)
    {
        return juce::String (juce::CharPointer_UTF8 (text));
    }

    bool isRejectedByFileSystems (juce::juce_wchar c) noexcept
    {
        return c == '/' || c == '\\' || c == ':' || c == '*' || c == '?'
            || c == '"' || c == '<' || c == '>' || c == '|';
    }

    bool isControlCharacter (juce::juce_wchar c) noexcept
    {
        return c < 0x20 || (c >= 0x7f && c < 0xa0) || c == 0x2028 || c == 0x2029;
    }

    bool isReservedDeviceName (const juce::String& name)
    {
        static const juce::StringArray reserved { "CON", "PRN", "AUX", "NUL",
                                                  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8", "COM9",
                                                  "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9" };
        return reserved.contains (name, true);
    }

    /** A free name beside the blocked one: "name (2).ext", "name (3).ext" … An old export under
        such a name is replaced, so repeated exports do not pile up. */
    juce::File freshSibling (const juce::File& folder, const juce::String& baseName, const juce::String& extension)
    {
        for (int number = 2; number < 100; ++number)
        {
            auto candidate = folder.getChildFile (baseName + " (" + juce::String (number) + ")" + extension);

            if (candidate.existsAsFile())
                candidate.deleteFile();

            if (! candidate.exists())
                return candidate;
        }

        return folder.getChildFile (baseName + " " + juce::Uuid().toString() + extension);
    }
} // namespace

juce::File ChordFileExporter::getDefaultExportFolder()
{
    const auto executable = juce::File::getSpecialLocation (juce::File::currentExecutableFile);

    return juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory)
        .getChildFile ("nubo")
        .getChildFile (makeLegalFileName (executable.getFileNameWithoutExtension()));
}

juce::String ChordFileExporter::getFileExtension (int exportMode)
{
    return exportMode == exportMidiFile ? ".mid" : ".music";
}

juce::String ChordFileExporter::makeLegalFileName (const juce::String& fullChordName)
{
    const auto spelled = fullChordName.replace (utf8 (u8"＃"), "#").replace (utf8 (u8"♭"), "b");

    juce::String name;
    name.preallocateBytes (static_cast<size_t> (juce::jmin (spelled.getNumBytesAsUTF8(), (size_t) maxFileNameBytes)) + 4);
    size_t bytes = 0;

    for (auto p = spelled.getCharPointer(); ! p.isEmpty();)
    {
        auto c = p.getAndAdvance();

        if (isControlCharacter (c))
            continue;

        if (isRejectedByFileSystems (c))
            c = '_';

        bytes += juce::CharPointer_UTF8::getBytesRequiredFor (c);

        if (bytes > (size_t) maxFileNameBytes)
            break;

        name += juce::String::charToString (c);
    }

    // "..": every run of two dots would climb out of the folder when used as a path.
    while (name.contains (".."))
        name = name.replace ("..", "_");

    // No hidden files, and nothing that some file systems silently strip.
    name = name.trimCharactersAtStart (". ").trimCharactersAtEnd (". ");

    // A leading "~" makes juce::File read the name as a path from a home folder.
    if (name.startsWithChar ('~'))
        name = "_" + name.substring (1);

    if (name.isEmpty())
        return "chord";

    if (isReservedDeviceName (name))
        return "_" + name;

    return name;
}

juce::File ChordFileExporter::exportChord (const juce::String& fullChordName,
                                           int exportMode,
                                           FileCreator_Base* writer,
                                           const ChordWriteFunction& writeChord,
                                           const juce::File& exportFolder)
{
    if (writer == nullptr || writeChord == nullptr || exportFolder == juce::File())
        return {};

    if (! exportFolder.isDirectory() && exportFolder.createDirectory().failed())
        return {};

    if (! exportFolder.isDirectory())
        return {};

    const auto baseName = makeLegalFileName (fullChordName);
    const auto extension = getFileExtension (exportMode);
    auto target = exportFolder.getChildFile (baseName + extension);

    // The legal name has no separator and no "..": the target is a direct child of the folder.
    if (target.getParentDirectory() != exportFolder)
        return {};

    if (target.exists() && ! target.isDirectory())
        target.deleteFile();

    // An old export that cannot be removed (or a folder of that name) is left alone, and the
    // chord goes to a fresh name beside it rather than handing on stale content.
    if (target.exists())
        target = freshSibling (exportFolder, baseName, extension);

    writer->clear();
    writeChord (*writer);

    if (! writer->saveToFile (target) || ! target.existsAsFile())
    {
        // The target did not exist before this write, so whatever is there now is our partial file.
        if (target.existsAsFile())
            target.deleteFile();

        return {};
    }

    return target;
}

} // namespace nubo

#pragma once

#include <juce_core/juce_core.h>

namespace nubo::test
{

/** A fresh, empty folder under the system's temporary folder, deleted with everything in it. */
struct ScopedTempFolder
{
    ScopedTempFolder()
        : folder (juce::File::getSpecialLocation (juce::File::tempDirectory)
                      .getChildFile ("nubo_test_" + juce::Uuid().toString()))
    {
        folder.createDirectory();
    }

    ~ScopedTempFolder() { folder.deleteRecursively(); }

    juce::File operator/ (const juce::String& name) const { return folder.getChildFile (name); }

    const juce::File folder;
};

inline juce::MemoryBlock readBytes (const juce::File& file)
{
    juce::MemoryBlock block;
    file.loadFileAsData (block);
    return block;
}

inline std::vector<int> bytesOf (const juce::MemoryBlock& block)
{
    std::vector<int> bytes;
    for (size_t i = 0; i < block.getSize(); ++i)
        bytes.push_back (static_cast<juce::uint8> (block[i]));
    return bytes;
}

} // namespace nubo::test

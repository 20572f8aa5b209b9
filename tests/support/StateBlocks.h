#pragma once

#include "engine/PluginStateFormat.h"

namespace nubo::test
{

/** A state block in the host container around any text, well-formed XML or not. */
inline juce::MemoryBlock blockWithText (const juce::String& text)
{
    juce::MemoryBlock block;
    {
        juce::MemoryOutputStream out (block, false);
        out.writeInt ((int) PluginStateFormat::magic);
        out.writeInt ((int) text.getNumBytesAsUTF8());
        out.write (text.toRawUTF8(), text.getNumBytesAsUTF8());
        out.writeByte (0);
    }
    return block;
}

} // namespace nubo::test

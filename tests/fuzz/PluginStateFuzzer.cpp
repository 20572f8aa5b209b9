// Fuzz entry point for the host state block: any bytes the host hands back must be read without
// crashing, and an accepted block must write and read back to the same state.

#include "engine/PluginStateFormat.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    if (size > (size_t) std::numeric_limits<int>::max())
        return 0;

    nubo::PluginStateTexts state;

    if (! nubo::PluginStateFormat::read (data, (int) size, state))
        return 0;

    juce::MemoryBlock block;
    nubo::PluginStateFormat::write (state, block);

    nubo::PluginStateTexts again;
    if (! nubo::PluginStateFormat::read (block.getData(), (int) block.getSize(), again)
        || again.circleOfFifthStyle != state.circleOfFifthStyle
        || again.circleOfFifthStyleDivNum != state.circleOfFifthStyleDivNum)
        std::abort();

    return 0;
}

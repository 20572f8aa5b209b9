// Runs the fuzz entry point over the files given on the command line (or in the folders given),
// for compilers without libFuzzer: the seed corpus then runs as an ordinary test.

#include <juce_core/juce_core.h>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size);

int main (int argc, char** argv)
{
    int count = 0;

    for (int i = 1; i < argc; ++i)
    {
        const juce::File arg (juce::File::getCurrentWorkingDirectory().getChildFile (argv[i]));
        auto files = arg.isDirectory() ? arg.findChildFiles (juce::File::findFiles, false) : juce::Array<juce::File> { arg };

        for (const auto& f : files)
        {
            juce::MemoryBlock bytes;
            if (! f.loadFileAsData (bytes))
                return 1;
            LLVMFuzzerTestOneInput (static_cast<const uint8_t*> (bytes.getData()), bytes.getSize());
            ++count;
        }
    }

    std::printf ("replayed %d inputs\n", count);
    return count > 0 ? 0 : 1;
}

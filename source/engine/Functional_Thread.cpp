#include "engine/Functional_Thread.h"

namespace nubo
{

Functional_Thread::Functional_Thread (const juce::String& name, int stackSize)
    : juce::Thread (name, static_cast<size_t> (juce::jmax (0, stackSize)))
{
    // Highest priority; it only matters if someone ever starts the thread.
    setPriority (juce::Thread::Priority::highest);
}

Functional_Thread::~Functional_Thread()
{
    while (isThreadRunning())
        juce::Thread::sleep (2);
}

void Functional_Thread::run()
{
    if (threadShouldExit())
        return;

    if (primaryCallback)
        primaryCallback();

    for (size_t i = 0; i < callbackList.size(); ++i)
    {
        // Copy first: a callback may change the list it is stored in.
        auto callback = callbackList[i];

        if (callback)
            callback();
    }
}

} // namespace nubo

#pragma once

#include <juce_core/juce_core.h>

#include <functional>
#include <vector>

namespace nubo
{

/**
    A named thread object used as an ordered list of callbacks.

    The chord panels never start it: they call run() directly on the message thread at every
    resize, so it runs primaryCallback and then each entry of callbackList, in order.
*/
class Functional_Thread : public juce::Thread
{
public:
    Functional_Thread (const juce::String& name, int stackSize);
    ~Functional_Thread() override;

    void run() override;

    std::function<void()> primaryCallback;
    std::vector<std::function<void()>> callbackList;

private:
    juce::CriticalSection lock;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Functional_Thread)
};

} // namespace nubo

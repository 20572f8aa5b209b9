#include "engine/Functional_Thread.h"

#include <gtest/gtest.h>

namespace
{

TEST (Functional_Thread, RunCallsPrimaryThenTheListInOrderSkippingEmptyEntries)
{
    nubo::Functional_Thread thread ("nubo_Chord_Resize_functionalThread", 0);
    juce::String calls;

    thread.run(); // nothing set: nothing happens

    thread.primaryCallback = [&] { calls << "P"; };
    thread.callbackList.push_back ([&] { calls << "1"; });
    thread.callbackList.push_back (nullptr);
    thread.callbackList.push_back ([&] { calls << "2"; });
    thread.run();
    thread.run();
    EXPECT_EQ (calls, "P12P12");
    EXPECT_FALSE (thread.isThreadRunning());
    EXPECT_EQ (thread.getThreadName(), "nubo_Chord_Resize_functionalThread");
}

TEST (Functional_Thread, CallbackMayClearTheListWhileItRuns)
{
    nubo::Functional_Thread thread ("t", 0);
    int count = 0;
    thread.callbackList.push_back ([&] { ++count; thread.callbackList.clear(); });
    thread.callbackList.push_back ([&] { ++count; });
    thread.run();
    EXPECT_EQ (count, 1);
}

TEST (Functional_Thread, AskedToExitItRunsNothing)
{
    nubo::Functional_Thread thread ("t", 0);
    bool called = false;
    thread.primaryCallback = [&] { called = true; };
    thread.signalThreadShouldExit();
    thread.run();
    EXPECT_FALSE (called);
}

} // namespace

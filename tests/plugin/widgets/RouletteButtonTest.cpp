#include "widgets/RouletteButton.h"
#include "widgets/RYBColor.h"

#include "WidgetTestHelpers.h"

#include <gtest/gtest.h>

#include <thread>

namespace
{

using nubo::RouletteButton;

juce::StringArray shownNames (const RouletteButton& roulette)
{
    juce::StringArray names;

    for (auto* cell : roulette.getButtonComponents())
        names.add (cell->getRouletButtonInfo() != nullptr ? cell->getRouletButtonInfo()->m_name : "-");

    return names;
}

void turnWheel (RouletteButton& roulette, float deltaY)
{
    auto* cell = roulette.getButtonComponents()[0];
    auto* record = cell->getRouletButtonInfo();
    ASSERT_NE (record, nullptr);
    record->mouseWheelMove (nubo::test::mouseEventAt (*cell, { 1.0f, 1.0f }), nubo::test::wheel (deltaY));
}

struct CountingListener final : public nubo::RouletteButton_Listener
{
    void onChangeCurrentIndex (RouletteButton&) override { ++index; }
    void onChangeRoulletType (RouletteButton&) override { ++type; }
    void onChangeVisibleNumType (RouletteButton&) override { ++visible; }
    void onChangeTargetButtonNames (RouletteButton&) override { ++names; }
    int index = 0, type = 0, visible = 0, names = 0;
};

TEST (RouletteButton, WheelTurnsTheListWithWrapAround)
{
    RouletteButton roulette ({ "C", "D", "E" }, 1, nubo::ROULETTE_TYPE_VERTICAL);
    roulette.setBounds (0, 0, 80, 40);
    EXPECT_EQ (shownNames (roulette), juce::StringArray ({ "C" }));

    const char* expectedDown[] = { "D", "E", "C" };
    for (auto* expected : expectedDown)
    {
        turnWheel (roulette, -1.0f);
        EXPECT_EQ (shownNames (roulette), juce::StringArray ({ expected }));
    }

    turnWheel (roulette, 1.0f);
    EXPECT_EQ (shownNames (roulette), juce::StringArray ({ "E" }));

    // A purely horizontal movement counts as a step down.
    turnWheel (roulette, 0.0f);
    EXPECT_EQ (shownNames (roulette), juce::StringArray ({ "C" }));

    // Any delta moves by at most one entry at the ends: past the last is the first.
    roulette.setCurrentStartIndex (1, true, false);
    roulette.addCurrentStartIndex (7);
    EXPECT_EQ (roulette.getCurrentStartIndex(), 0);
    roulette.addCurrentStartIndex (-5);
    EXPECT_EQ (roulette.getCurrentStartIndex(), 2);
}

TEST (RouletteButton, RecordsRepeatNamesToFillTheCells)
{
    RouletteButton roulette ({ "A", "B" }, 3, nubo::ROULETTE_TYPE_VERTICAL);
    ASSERT_EQ (roulette.getButtonInfos().size(), 3);

    juce::StringArray names;
    for (auto* info : roulette.getButtonInfos())
    {
        names.add (info->m_name);
        EXPECT_EQ (info->m_owner, &roulette);
    }
    EXPECT_EQ (names, juce::StringArray ({ "A", "B", "A" }));
    EXPECT_EQ (shownNames (roulette), juce::StringArray ({ "A", "B", "A" }));
    EXPECT_EQ (roulette.getButtonInfos()[1]->m_component, roulette.getButtonComponents()[1]);
}

TEST (RouletteButton, StartIndexRulesAndListeners)
{
    RouletteButton roulette ({ "C", "D", "E", "D" }, 2, nubo::ROULETTE_TYPE_VERTICAL);
    CountingListener listener;
    roulette.addRouletteButtonListner (&listener);
    roulette.addRouletteButtonListner (&listener); // once only

    roulette.setCurrentStartIndex (6, true, false);
    EXPECT_EQ (roulette.getCurrentStartIndex(), 2);
    EXPECT_EQ (shownNames (roulette), juce::StringArray ({ "E", "D" }));
    EXPECT_EQ (listener.index, 0);

    roulette.setCurrentStartIndex (-1, true, true);
    EXPECT_EQ (roulette.getCurrentStartIndex(), 3) << "the start index stays non-negative";
    EXPECT_EQ (listener.index, 1);

    roulette.setCurrentStartIndexFromButtonName ("D", true, true);
    EXPECT_EQ (roulette.getCurrentStartIndex(), 3) << "the later of two equal names";
    roulette.setCurrentStartIndexFromButtonName ("X", true, false);
    EXPECT_EQ (roulette.getCurrentStartIndex(), 0);
    EXPECT_EQ (listener.index, 2);

    roulette.addCurrentStartIndex (1, false, false); // always applies and tells
    EXPECT_EQ (listener.index, 3);
    EXPECT_EQ (shownNames (roulette), juce::StringArray ({ "D", "E" }));

    // Without apply the cells keep their records.
    roulette.setCurrentStartIndex (0, false, false);
    EXPECT_EQ (shownNames (roulette), juce::StringArray ({ "D", "E" }));

    roulette.setRoulletType (nubo::ROULETTE_TYPE_HORIZONTAL);
    EXPECT_EQ (listener.type, 1);

    roulette.setTargetButtonStringArray ({ "F", "G", "A" }, true);
    EXPECT_EQ (listener.names, 1);
    EXPECT_EQ (roulette.getButtonInfos().size(), 3);
    roulette.setTargetButtonStringArray ({ "F", "G" }, false);
    EXPECT_EQ (listener.names, 1);
}

TEST (RouletteButton, NewNamesKeepTheStartIndex)
{
    RouletteButton roulette ({ "a", "b", "c", "d" }, 1, nubo::ROULETTE_TYPE_VERTICAL);
    roulette.setCurrentStartIndex (3, true, false);
    roulette.setTargetButtonStringArray ({ "x", "y" }, false);

    EXPECT_EQ (roulette.getCurrentStartIndex(), 3);
    EXPECT_EQ (shownNames (roulette), juce::StringArray ({ "y" }));
    turnWheel (roulette, -1.0f);
    EXPECT_EQ (roulette.getCurrentStartIndex(), 0);
}

TEST (RouletteButton, FunctionalListenerSkipsUnsetClosures)
{
    RouletteButton roulette ({ "a", "b", "c" }, 2, nubo::ROULETTE_TYPE_VERTICAL);
    nubo::RouletteButton_ListenerFunctional listener;
    juce::StringArray heard;
    listener.setFuncChangeCurrentIndex ([&] (RouletteButton& r) { heard.add ("index " + juce::String (r.getCurrentStartIndex())); });
    listener.setFuncChangeVisibleNum ([&] (RouletteButton& r) { heard.add ("visible " + juce::String (r.getVisibleNum())); });
    roulette.addRouletteButtonListner (&listener);

    roulette.addCurrentStartIndex (1);
    roulette.setVisibleNum (1, true, true);
    roulette.setRoulletType (nubo::ROULETTE_TYPE_HORIZONTAL); // no closure: skipped
    roulette.setTargetButtonStringArray ({ "x" }, true);      // no closure: skipped

    EXPECT_EQ (heard, juce::StringArray ({ "index 1", "visible 1" }));
}

TEST (RouletteButton, BusyLockDropsIndexChanges)
{
    RouletteButton roulette ({ "C", "D", "E" }, 1, nubo::ROULETTE_TYPE_VERTICAL);
    juce::WaitableEvent locked, release;

    std::thread other ([&] {
        const juce::ScopedLock sl (roulette.getRouletteLock());
        locked.signal();
        release.wait (5000);
    });

    locked.wait (5000);
    roulette.setCurrentStartIndex (2, true, true);
    roulette.addCurrentStartIndex (1);
    release.signal();
    other.join();

    EXPECT_EQ (roulette.getCurrentStartIndex(), 0);
    roulette.addCurrentStartIndex (1);
    EXPECT_EQ (roulette.getCurrentStartIndex(), 1);
}

TEST (RouletteButton, SetVisibleNumRules)
{
    RouletteButton roulette ({ "a", "b", "c", "d", "e", "f" }, 4, nubo::ROULETTE_TYPE_VERTICAL);
    roulette.setBounds (0, 0, 50, 100);
    CountingListener listener;
    roulette.addRouletteButtonListner (&listener);

    for (int ignored : { 4, 5, 0, -2 })
    {
        roulette.setVisibleNum (ignored, true, true);
        EXPECT_EQ (roulette.getVisibleNum(), 4) << ignored;
    }
    EXPECT_EQ (listener.visible, 0);

    roulette.setVisibleNum (2, true, true);
    EXPECT_EQ (roulette.getVisibleNum(), 2);
    EXPECT_EQ (listener.visible, 1);
    EXPECT_EQ (roulette.getButtonComponents().size(), 4) << "cells exist up to the maximum";
    EXPECT_EQ (roulette.getButtonComponents()[0]->getBounds(), juce::Rectangle<int> (0, 0, 50, 50));
    EXPECT_EQ (roulette.getButtonComponents()[1]->getBounds(), juce::Rectangle<int> (0, 50, 50, 50));

    roulette.setVisibleNum (3, false, false);
    EXPECT_EQ (listener.visible, 1);
}

TEST (RouletteButton, LayoutsPlaceCellsByType)
{
    using R = juce::Rectangle<int>;
    const auto layout = [] (nubo::ROULETTE_TYPE type, int w, int h, int n, int count) {
        std::vector<R> out;
        for (const auto& cell : RouletteButton::computeCellBounds (type, w, h, n, count))
            out.push_back (cell.value_or (R (-1, -1, -1, -1)));
        return out;
    };

    // Type 1: equal rows, the last one reaching the bottom.
    EXPECT_EQ (layout (nubo::ROULETTE_TYPE_VERTICAL, 40, 100, 3, 3),
               (std::vector<R> { R (0, 0, 40, 33), R (0, 33, 40, 33), R (0, 66, 40, 34) }));

    // Type 2: the middle cell starts at the centre; the first cell reaches the left edge.
    EXPECT_EQ (layout (nubo::ROULETTE_TYPE_HORIZONTAL, 300, 20, 5, 5),
               (std::vector<R> { R (0, 0, 90, 20), R (90, 0, 60, 20), R (150, 0, 60, 20), R (210, 0, 60, 20), R (270, 0, 30, 20) }));

    // Type 4: the middle cell centred, the outermost ones outside.
    EXPECT_EQ (layout (nubo::ROULETTE_TYPE_HORIZONTAL_CENTRED, 300, 20, 5, 5),
               (std::vector<R> { R (-100, 0, 100, 20), R (0, 0, 100, 20), R (100, 0, 100, 20), R (200, 0, 100, 20), R (300, 0, 100, 20) }));

    // Too small or an unused type: nothing is laid out.
    EXPECT_EQ (layout (nubo::ROULETTE_TYPE_VERTICAL, 1, 100, 3, 3)[0], R (-1, -1, -1, -1));
    EXPECT_EQ (layout (nubo::ROULETTE_TYPE_UNUSED, 100, 100, 3, 3)[0], R (-1, -1, -1, -1));

    // Two visible cells of type 4 do not divide by zero.
    EXPECT_EQ (layout (nubo::ROULETTE_TYPE_HORIZONTAL_CENTRED, 100, 20, 2, 2)[1].getWidth(), 100);

    // The real cells follow the same arithmetic, and the faces take one cell's size.
    RouletteButton roulette ({ "1", "2", "3", "4", "5" }, 5, nubo::ROULETTE_TYPE_HORIZONTAL_CENTRED);
    roulette.setBounds (0, 0, 300, 20);
    EXPECT_EQ (roulette.getButtonComponents()[2]->getBounds(), R (100, 0, 100, 20));
    EXPECT_EQ (roulette.getButtonComponents()[4]->getBounds(), R (300, 0, 100, 20));
    EXPECT_EQ (roulette.getNormalFaceImage().getImageWidth(), 100);
    EXPECT_EQ (roulette.getNormalFaceImage().getImageHeight(), 20);
}

TEST (RouletteButton, OneButtonBoundsComeFromTheMaximumCount)
{
    RouletteButton roulette ({ "a" }, 4, nubo::ROULETTE_TYPE_HORIZONTAL);
    roulette.setBounds (0, 0, 90, 30);
    EXPECT_EQ (roulette.getOneButtonBounds(), juce::Rectangle<int> (67, 0, 23, 30));

    roulette.setRoulletType (nubo::ROULETTE_TYPE_VERTICAL);
    EXPECT_EQ (roulette.getOneButtonBounds(), juce::Rectangle<int> (0, 0, 90, 7));

    roulette.setRoulletType (nubo::ROULETTE_TYPE_HORIZONTAL_CENTRED);
    EXPECT_EQ (roulette.getOneButtonBounds(), juce::Rectangle<int> (0, 0, 90, 30));

    roulette.setBounds (0, 0, 1, 30);
    roulette.setRoulletType (nubo::ROULETTE_TYPE_HORIZONTAL);
    EXPECT_EQ (roulette.getOneButtonBounds(), juce::Rectangle<int> (0, 0, 1, 30));
}

TEST (RouletteButton, DefaultCellIsYellowWithAWhiteFrameAndFacesAreGradients)
{
    RouletteButton roulette ({ "C" }, 1, nubo::ROULETTE_TYPE_VERTICAL);
    roulette.setBounds (0, 0, 60, 40);

    const auto snap = nubo::test::snapshot (roulette);
    EXPECT_EQ (snap.getPixelAt (5, 20), juce::Colours::yellow);
    EXPECT_EQ (snap.getPixelAt (0, 20), juce::Colours::white);

    auto& face = roulette.getNormalFaceImage();
    auto& dark = roulette.getDarkFaceImage();
    face.prepareIfNeeded();
    dark.prepareIfNeeded();
    const auto light = face.getImage()->getPixelAt (30, 20);
    const auto shaded = dark.getImage()->getPixelAt (30, 20);

    // m_white_A_Col 224 in the middle of its gradient (226 → 200), the dark face 0.8 of it.
    EXPECT_NEAR (light.getRed(), 213, 3) << nubo::test::rgbOf (light);
    EXPECT_NEAR (shaded.getRed(), 171, 3) << nubo::test::rgbOf (shaded);
    EXPECT_EQ (light.getRed(), light.getBlue());
}

TEST (RouletteButton, AClosureMayReplaceTheListItIsRunningFrom)
{
    RouletteButton roulette ({ "C", "D" }, 1, nubo::ROULETTE_TYPE_VERTICAL);
    roulette.setBounds (0, 0, 60, 40);

    auto* record = roulette.getButtonInfos()[0];
    record->setMouseDownFunc ([&roulette] (const juce::MouseEvent&) {
        roulette.setTargetButtonStringArray ({ "X", "Y", "Z" }, false);
    });

    auto* cell = roulette.getButtonComponents()[0];
    record->mouseDown (nubo::test::mouseEventAt (*cell, { 1.0f, 1.0f }));

    EXPECT_EQ (shownNames (roulette), juce::StringArray ({ "X" }));
    EXPECT_EQ (roulette.getButtonInfos().size(), 3);
}

} // namespace

#include "widgets/Functional_Listeners.h"

#include "WidgetTestHelpers.h"

#include <gtest/gtest.h>

namespace
{

struct Record : public nubo::Functional_MouseListener_Base
    , public nubo::Functional_PaintListener_Base
    , public nubo::Functional_ComponentListener_Base
    , public nubo::Functional_ModifierKeyChanged
{
};

TEST (FunctionalListeners, UnsetClosuresIgnoreEveryEvent)
{
    Record record;
    juce::Component component;
    component.setBounds (0, 0, 10, 10);
    const auto e = nubo::test::mouseEventAt (component, { 1.0f, 1.0f });

    record.mouseMove (e);
    record.mouseEnter (e);
    record.mouseExit (e);
    record.mouseDown (nubo::test::mouseEventAt (component, { 1.0f, 1.0f }, juce::ModifierKeys (juce::ModifierKeys::altModifier)));
    record.mouseDrag (e);
    record.mouseUp (e);
    record.mouseDoubleClick (e);
    record.mouseWheelMove (e, nubo::test::wheel (1.0f));

    juce::Image image (juce::Image::ARGB, 2, 2, true);
    {
        juce::Graphics g (image);
        record.paint (g);
    }
    record.componentMovedOrResized (component, true, true);
    record.componentBeingDeleted (component);
    record.callModifierKeyChanged (&component);

    EXPECT_EQ (image.getPixelAt (0, 0).getAlpha(), 0);
    EXPECT_TRUE (record.getLastMouseDownModifiers().isAltDown()) << "a press is remembered even without a closure";
}

TEST (FunctionalListeners, ClosuresReceiveTheirEventsAndMouseDownModifiersAreKept)
{
    Record record;
    juce::Component component;
    component.setBounds (0, 0, 10, 10);

    juce::StringArray calls;
    record.setMouseDownFunc ([&] (const juce::MouseEvent& e) { calls.add ("down " + juce::String (e.x)); });
    record.setMouseUpFunc ([&] (const juce::MouseEvent&) { calls.add ("up"); });
    record.setMouseEnterFunc ([&] (const juce::MouseEvent&) { calls.add ("enter"); });
    record.m_mouseWheelFunc = [&] (const juce::MouseEvent&, const juce::MouseWheelDetails& w) { calls.add ("wheel " + juce::String (w.deltaY)); };
    record.m_paintFunc = [&] (juce::Graphics&) { calls.add ("paint"); };
    record.m_movedOrResizedFunc = [&] (juce::Component&, bool moved, bool resized) { calls.add (moved && ! resized ? "moved" : "other"); };
    record.m_modifierKeyChangedFunc = [&] (juce::Component* c) { calls.add (c == &component ? "mods" : "wrong"); };

    record.mouseEnter (nubo::test::mouseEventAt (component, { 2.0f, 3.0f }));
    record.mouseDown (nubo::test::mouseEventAt (component, { 4.0f, 3.0f }, juce::ModifierKeys (juce::ModifierKeys::shiftModifier)));
    record.mouseUp (nubo::test::mouseEventAt (component, { 4.0f, 3.0f }));
    record.mouseWheelMove (nubo::test::mouseEventAt (component, { 4.0f, 3.0f }), nubo::test::wheel (0.5f));
    record.componentMovedOrResized (component, true, false);
    record.callModifierKeyChanged (&component);

    juce::Image image (juce::Image::ARGB, 2, 2, true);
    juce::Graphics g (image);
    record.paint (g);

    EXPECT_EQ (calls, juce::StringArray ({ "enter", "down 4", "up", "wheel 0.5", "moved", "mods", "paint" }));

    // The modifiers of the press stay readable after the release.
    EXPECT_TRUE (record.getLastMouseDownModifiers().isShiftDown());
}

TEST (FunctionalListeners, AClosureMayReplaceItselfUnderTheLock)
{
    Record record;
    juce::Component component;
    int first = 0, second = 0;

    record.setMouseDownFunc ([&] (const juce::MouseEvent&) {
        ++first;
        record.setMouseDownFunc ([&] (const juce::MouseEvent&) { ++second; });
    });

    const auto e = nubo::test::mouseEventAt (component, {});
    record.mouseDown (e);
    record.mouseDown (e);
    EXPECT_EQ (first, 1);
    EXPECT_EQ (second, 1);
}

} // namespace

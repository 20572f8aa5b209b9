#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace nubo
{

/** A mouse listener whose callbacks are closures. Every call of a closure, and every replacement
    through the setters, happens under the adapter's (re-entrant) lock. */
class Functional_MouseListener_Base : public juce::MouseListener
{
public:
    using MouseFunc = std::function<void (const juce::MouseEvent&)>;
    using WheelFunc = std::function<void (const juce::MouseEvent&, const juce::MouseWheelDetails&)>;

    Functional_MouseListener_Base() = default;
    ~Functional_MouseListener_Base() override = default;

    void mouseMove (const juce::MouseEvent&) override;
    void mouseEnter (const juce::MouseEvent&) override;
    void mouseExit (const juce::MouseEvent&) override;
    void mouseDown (const juce::MouseEvent&) override;
    void mouseDrag (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;
    void mouseDoubleClick (const juce::MouseEvent&) override;
    void mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails&) override;

    void setMouseEnterFunc (MouseFunc f);
    void setMouseDownFunc (MouseFunc f);
    void setMouseUpFunc (MouseFunc f);

    /** The modifier keys of the most recent mouse-down, kept after the button is released. */
    juce::ModifierKeys getLastMouseDownModifiers() const;

    juce::CriticalSection& getMouseLock() noexcept { return m_mouseLock; }

    MouseFunc m_mouseMoveFunc;
    MouseFunc m_mouseEnterFunc;
    MouseFunc m_mouseExitFunc;
    MouseFunc m_mouseDownFunc;
    MouseFunc m_mouseDragFunc;
    MouseFunc m_mouseUpFunc;
    MouseFunc m_mouseDoubleClickFunc;
    WheelFunc m_mouseWheelFunc;

private:
    void call (const MouseFunc& f, const juce::MouseEvent& e);

    juce::CriticalSection m_mouseLock;
    juce::ModifierKeys m_lastMouseDownModifiers;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Functional_MouseListener_Base)
};

/** A paint hook whose body is a closure. */
class Functional_PaintListener_Base
{
public:
    Functional_PaintListener_Base() = default;
    virtual ~Functional_PaintListener_Base() = default;

    /** Calls the closure when it is set. */
    virtual void paint (juce::Graphics& g);

    std::function<void (juce::Graphics&)> m_paintFunc;
};

/** A component listener whose callbacks are closures. */
class Functional_ComponentListener_Base : public juce::ComponentListener
{
public:
    Functional_ComponentListener_Base() = default;
    ~Functional_ComponentListener_Base() override = default;

    void componentMovedOrResized (juce::Component&, bool wasMoved, bool wasResized) override;
    void componentBroughtToFront (juce::Component&) override;
    void componentVisibilityChanged (juce::Component&) override;
    void componentChildrenChanged (juce::Component&) override;
    void componentParentHierarchyChanged (juce::Component&) override;
    void componentNameChanged (juce::Component&) override;
    void componentBeingDeleted (juce::Component&) override;

    using ComponentFunc = std::function<void (juce::Component&)>;

    std::function<void (juce::Component&, bool, bool)> m_movedOrResizedFunc;
    ComponentFunc m_broughtToFrontFunc;
    ComponentFunc m_visibilityChangedFunc;
    ComponentFunc m_childrenChangedFunc;
    ComponentFunc m_parentHierarchyChangedFunc;
    ComponentFunc m_nameChangedFunc;
    ComponentFunc m_beingDeletedFunc;
};

/** A closure called when the modifier keys change while the owning component is on screen. */
class Functional_ModifierKeyChanged
{
public:
    Functional_ModifierKeyChanged() = default;
    virtual ~Functional_ModifierKeyChanged() = default;

    /** Calls the closure with the component when it is set. */
    void callModifierKeyChanged (juce::Component* component);

    std::function<void (juce::Component*)> m_modifierKeyChangedFunc;
};

} // namespace nubo

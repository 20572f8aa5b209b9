#include "widgets/Functional_Listeners.h"

namespace nubo
{

void Functional_MouseListener_Base::call (const MouseFunc& f, const juce::MouseEvent& e)
{
    const juce::ScopedLock sl (m_mouseLock);

    // A copy runs, so that a closure may replace itself (or its siblings) while it runs.
    if (const auto closure = f)
        closure (e);
}

void Functional_MouseListener_Base::mouseMove (const juce::MouseEvent& e)
{
    call (m_mouseMoveFunc, e);
}
void Functional_MouseListener_Base::mouseEnter (const juce::MouseEvent& e)
{
    call (m_mouseEnterFunc, e);
}
void Functional_MouseListener_Base::mouseExit (const juce::MouseEvent& e)
{
    call (m_mouseExitFunc, e);
}
void Functional_MouseListener_Base::mouseDrag (const juce::MouseEvent& e)
{
    call (m_mouseDragFunc, e);
}
void Functional_MouseListener_Base::mouseUp (const juce::MouseEvent& e)
{
    call (m_mouseUpFunc, e);
}
void Functional_MouseListener_Base::mouseDoubleClick (const juce::MouseEvent& e)
{
    call (m_mouseDoubleClickFunc, e);
}

void Functional_MouseListener_Base::mouseDown (const juce::MouseEvent& e)
{
    const juce::ScopedLock sl (m_mouseLock);
    m_lastMouseDownModifiers = e.mods;

    if (const auto closure = m_mouseDownFunc)
        closure (e);
}

void Functional_MouseListener_Base::mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel)
{
    const juce::ScopedLock sl (m_mouseLock);

    if (const auto closure = m_mouseWheelFunc)
        closure (e, wheel);
}

void Functional_MouseListener_Base::setMouseEnterFunc (MouseFunc f)
{
    const juce::ScopedLock sl (m_mouseLock);
    m_mouseEnterFunc = std::move (f);
}

void Functional_MouseListener_Base::setMouseDownFunc (MouseFunc f)
{
    const juce::ScopedLock sl (m_mouseLock);
    m_mouseDownFunc = std::move (f);
}

void Functional_MouseListener_Base::setMouseUpFunc (MouseFunc f)
{
    const juce::ScopedLock sl (m_mouseLock);
    m_mouseUpFunc = std::move (f);
}

juce::ModifierKeys Functional_MouseListener_Base::getLastMouseDownModifiers() const
{
    const juce::ScopedLock sl (m_mouseLock);
    return m_lastMouseDownModifiers;
}

void Functional_PaintListener_Base::paint (juce::Graphics& g)
{
    if (m_paintFunc)
        m_paintFunc (g);
}

void Functional_ComponentListener_Base::componentMovedOrResized (juce::Component& c, bool wasMoved, bool wasResized)
{
    if (m_movedOrResizedFunc)
        m_movedOrResizedFunc (c, wasMoved, wasResized);
}

void Functional_ComponentListener_Base::componentBroughtToFront (juce::Component& c)
{
    if (m_broughtToFrontFunc)
        m_broughtToFrontFunc (c);
}

void Functional_ComponentListener_Base::componentVisibilityChanged (juce::Component& c)
{
    if (m_visibilityChangedFunc)
        m_visibilityChangedFunc (c);
}

void Functional_ComponentListener_Base::componentChildrenChanged (juce::Component& c)
{
    if (m_childrenChangedFunc)
        m_childrenChangedFunc (c);
}

void Functional_ComponentListener_Base::componentParentHierarchyChanged (juce::Component& c)
{
    if (m_parentHierarchyChangedFunc)
        m_parentHierarchyChangedFunc (c);
}

void Functional_ComponentListener_Base::componentNameChanged (juce::Component& c)
{
    if (m_nameChangedFunc)
        m_nameChangedFunc (c);
}

void Functional_ComponentListener_Base::componentBeingDeleted (juce::Component& c)
{
    if (m_beingDeletedFunc)
        m_beingDeletedFunc (c);
}

void Functional_ModifierKeyChanged::callModifierKeyChanged (juce::Component* component)
{
    if (m_modifierKeyChangedFunc)
        m_modifierKeyChangedFunc (component);
}

} // namespace nubo

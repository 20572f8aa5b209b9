#pragma once

#include "widgets/DrawableImage_Bass.h"
#include "widgets/Functional_Listeners.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <optional>
#include <vector>

namespace nubo
{

/** Cell layouts of a roulette button. */
enum ROULETTE_TYPE
{
    ROULETTE_TYPE_NONE = 0,
    /** A vertical stack, top to bottom, full width. */
    ROULETTE_TYPE_VERTICAL = 1,
    /** A horizontal row whose middle cell starts at the horizontal centre. */
    ROULETTE_TYPE_HORIZONTAL = 2,
    ROULETTE_TYPE_UNUSED = 3,
    /** A horizontal row with the middle cell centred and the outermost cells cut by the edges. */
    ROULETTE_TYPE_HORIZONTAL_CENTRED = 4
};

class RouletteButton;
class One_RouletButton_Comp;

/** One entry of a roulette: its name, position and the closures that paint and drive its cell. */
class One_RouletButton_Info : public Functional_MouseListener_Base
    , public Functional_PaintListener_Base
    , public Functional_ComponentListener_Base
    , public Functional_ModifierKeyChanged
{
public:
    One_RouletButton_Info() = default;
    ~One_RouletButton_Info() override = default;

    int m_index = 0;
    juce::String m_name { "non Named" };
    /** The cell showing this entry, until the next re-assignment. */
    One_RouletButton_Comp* m_component = nullptr;
    RouletteButton* m_owner = nullptr;
};

/** A cell of a roulette: shows one entry by calling its closures. */
class One_RouletButton_Comp : public juce::Component
    , public juce::DragAndDropContainer
{
public:
    explicit One_RouletButton_Comp (juce::CriticalSection* ownerLock);
    ~One_RouletButton_Comp() override;

    /** Detaches the previous entry (mouse and component listener) and attaches this one. */
    void setRouletButtonInfo (One_RouletButton_Info* info);
    One_RouletButton_Info* getRouletButtonInfo() const noexcept { return m_info; }

    void paint (juce::Graphics&) override;
    void resized() override {}
    void modifierKeysChanged (const juce::ModifierKeys&) override;
    /** Wheel movements reach the entry's closure only, never the parents. */
    void mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails&) override {}

private:
    One_RouletButton_Info* m_info = nullptr;
    juce::CriticalSection* m_ownerLock = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (One_RouletButton_Comp)
};

class RouletteButton_Listener
{
public:
    virtual ~RouletteButton_Listener() = default;
    virtual void onChangeCurrentIndex (RouletteButton&) = 0;
    virtual void onChangeRoulletType (RouletteButton&) = 0;
    virtual void onChangeVisibleNumType (RouletteButton&) = 0;
    virtual void onChangeTargetButtonNames (RouletteButton&) = 0;
};

/** A roulette listener made of closures; unset closures are skipped. */
class RouletteButton_ListenerFunctional : public RouletteButton_Listener
{
public:
    using Func = std::function<void (RouletteButton&)>;

    void onChangeCurrentIndex (RouletteButton& b) override
    {
        if (m_funcChangeCurrentIndex)
            m_funcChangeCurrentIndex (b);
    }
    void onChangeRoulletType (RouletteButton& b) override
    {
        if (m_funcChangeRoulletType)
            m_funcChangeRoulletType (b);
    }
    void onChangeVisibleNumType (RouletteButton& b) override
    {
        if (m_funcChangeVisibleNum)
            m_funcChangeVisibleNum (b);
    }
    void onChangeTargetButtonNames (RouletteButton& b) override
    {
        if (m_funcChangeTargetButtonNames)
            m_funcChangeTargetButtonNames (b);
    }

    void setFuncChangeCurrentIndex (Func f) { m_funcChangeCurrentIndex = std::move (f); }
    void setFuncChangeVisibleNum (Func f) { m_funcChangeVisibleNum = std::move (f); }

    Func m_funcChangeRoulletType;
    Func m_funcChangeTargetButtonNames;

private:
    Func m_funcChangeCurrentIndex;
    Func m_funcChangeVisibleNum;
};

/** A strip of equal cells showing a window onto a circular list of named entries. The mouse wheel
    turns the list by one entry; what a cell looks like and does comes from its entry's closures. */
class RouletteButton : public juce::Component
    , private juce::AsyncUpdater
{
public:
    RouletteButton (juce::StringArray names, int visibleCount, ROULETTE_TYPE type);
    ~RouletteButton() override;

    virtual void setVisibleNum (int count, bool apply, bool notify);
    virtual void _createRouletButonInfo();
    virtual void _createButtonComponent();
    virtual void _applyButtonInfoChange();

    void setTargetButtonStringArray (juce::StringArray names, bool notify);
    void setCurrentStartIndex (int index, bool apply, bool notify);
    void addCurrentStartIndex (int delta, bool apply = true, bool notify = true);
    void setCurrentStartIndexFromButtonName (juce::String name, bool apply, bool notify);
    void setRoulletType (ROULETTE_TYPE type, bool notify = true);
    void addRouletteButtonListner (RouletteButton_Listener* listener);
    void setOnMouseCursor (juce::MouseCursor newCursor);

    /** The size of one cell, from the maximum visible count. */
    juce::Rectangle<int> getOneButtonBounds() const;

    /** Cell bounds of a layout; cells the layout leaves alone are empty optionals. */
    static std::vector<std::optional<juce::Rectangle<int>>> computeCellBounds (ROULETTE_TYPE type, int width, int height,
                                                                               int visibleCount, int cellCount);

    int getCurrentStartIndex() const noexcept { return m_startIndex; }
    int getVisibleNum() const noexcept { return m_visibleNum; }
    int getMaxVisibleNum() const noexcept { return m_maxVisibleNum; }
    ROULETTE_TYPE getRoulletType() const noexcept { return m_type; }
    const juce::StringArray& getTargetButtonStringArray() const noexcept { return m_names; }
    const juce::OwnedArray<One_RouletButton_Info>& getButtonInfos() const noexcept { return m_infos; }
    const juce::OwnedArray<One_RouletButton_Comp>& getButtonComponents() const noexcept { return m_buttons; }
    DrawableImage_FunctionalImage& getNormalFaceImage() noexcept { return m_normalFace; }
    DrawableImage_FunctionalImage& getDarkFaceImage() noexcept { return m_darkFace; }
    juce::CriticalSection& getRouletteLock() noexcept { return m_lock; }

    /** True inside the Studio One host (read once when the plug-in is loaded). */
    static bool isHostStudioOne();

    void paint (juce::Graphics&) override {}
    void resized() override;

protected:
    /** Gives record the default closures: yellow face with its name, wheel turns the roulette. */
    void _setDefaultClosures (One_RouletButton_Info& info);
    /** Moves the records out of the list; they are freed later, never while one of their
        closures may still be running. */
    void _retireButtonInfos();
    void _notify (void (RouletteButton_Listener::*callback) (RouletteButton&));

    juce::CriticalSection m_lock;
    DrawableImage_FunctionalImage m_normalFace;
    DrawableImage_FunctionalImage m_darkFace;
    juce::OwnedArray<One_RouletButton_Info> m_infos;
    juce::OwnedArray<One_RouletButton_Comp> m_buttons;
    juce::Array<RouletteButton_Listener*> m_listeners;
    juce::StringArray m_names;
    int m_visibleNum = 1;
    int m_maxVisibleNum = 1;
    int m_startIndex = 0;
    ROULETTE_TYPE m_type = ROULETTE_TYPE_VERTICAL;
    juce::MouseCursor m_cursor;

private:
    void handleAsyncUpdate() override;

    juce::OwnedArray<One_RouletButton_Info> m_retiredInfos;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (RouletteButton)
};

} // namespace nubo

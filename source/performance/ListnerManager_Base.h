#pragma once

#include <algorithm>
#include <vector>

namespace nubo
{

/**
    A list of non-owned listeners, in registration order.

    Adding first collapses every run of identical adjacent entries into one and then appends, so
    a listener added twice in a row is registered twice until the next addition.
*/
template <typename ListenerType>
class ListnerManager_Base
{
public:
    ListnerManager_Base() = default;
    ListnerManager_Base (const ListnerManager_Base&) = default;
    ListnerManager_Base& operator= (const ListnerManager_Base&) = default;
    virtual ~ListnerManager_Base() = default;

    /** Collapses runs of identical adjacent entries, then appends listener (null is ignored). */
    virtual void addListner (ListenerType* listener)
    {
        if (listener == nullptr)
            return;

        listeners.erase (std::unique (listeners.begin(), listeners.end()), listeners.end());
        listeners.push_back (listener);
    }

    /** Removes the first entry equal to listener, if any. */
    virtual void removeListener (ListenerType* listener)
    {
        const auto it = std::find (listeners.begin(), listeners.end(), listener);

        if (it != listeners.end())
            listeners.erase (it);
    }

    virtual void clearAllListners() { listeners.clear(); }

    virtual std::vector<ListenerType*>& getListenerPointer() { return listeners; }

    /** Calls fn for every listener in list order. A listener may remove listeners from inside
        its callback: the walk re-reads the list at every step and never runs past its end. */
    template <typename Fn>
    void callListeners (Fn&& fn) const
    {
        for (size_t i = 0; i < listeners.size(); ++i)
            fn (*listeners[i]);
    }

private:
    std::vector<ListenerType*> listeners;
};

} // namespace nubo

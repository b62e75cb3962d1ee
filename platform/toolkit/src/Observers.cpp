// Observers of the model: a desktop view mirrors the controls through them.
#include "Model.h"

namespace tk {

// Calls every observer for the change of the control.  Observers added or
// removed during the calls take effect from the next change on.
void notify(Handle control, TKChange change)
{
    Model &m = model();
    if (m.observers.empty() || !findControl(control))
        return;
    std::vector<ObserverEntry> snapshot = m.observers;
    for (const ObserverEntry &o : snapshot) {
        bool stillThere = false;
        for (const ObserverEntry &live : m.observers)
            stillThere = stillThere || live.id == o.id;
        if (stillThere)
            o.fn(refOf<ControlRef>(control), change, o.userData);
    }
}

} // namespace tk

using namespace tk;

// Adds an observer of every control change; returns its id (> 0), or 0 when
// observer is null.
int TKAddObserver(TKObserver observer, void *userData)
{
    if (!observer)
        return 0;
    Model &m = model();
    int id = m.nextObserverID++;
    m.observers.push_back({id, observer, userData});
    return id;
}

// Removes the observer with the id; unknown ids are ignored.
void TKRemoveObserver(int observerID)
{
    auto &list = model().observers;
    for (auto it = list.begin(); it != list.end(); ++it)
        if (it->id == observerID) {
            list.erase(it);
            return;
        }
}

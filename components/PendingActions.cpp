#include "components/PendingActions.h"

#include <algorithm>

namespace pramlet {

tVelPendingAction::tVelPendingAction(tVelPendingActionList* pOwner,
                                     tVelPendingActionEvent pPendingActionEvent, void* pObject,
                                     int pDelay)
    : fOwner(pOwner), fDelay(pDelay), fPendingActionEvent(std::move(pPendingActionEvent)),
      fPendingObject(pObject) {}

bool tVelPendingAction::Matches(const void* pObject,
                                const tVelPendingActionEvent& pPendingActionEvent) const {
    return pObject == fPendingObject && pPendingActionEvent.Code == fPendingActionEvent.Code;
}

bool tVelPendingAction::Execute() {
    --fDelay;
    if (fDelay >= 0) return false;
    if (!fPendingActionEvent.Assigned()) return true;
    // The handler re-arms the action by setting the delay to 0 or more.
    fPendingActionEvent.Call(fPendingObject, fDelay);
    return fDelay < 0;
}

bool tVelPendingActionList::GetMatchingAction(const void* pPendingObject,
                                              const tVelPendingActionEvent& pPendingActionEvent,
                                              tVelPendingAction*& pPendingAction,
                                              int& pIndex) const {
    for (size_t i = 0; i < fActions.size(); ++i) {
        if (fActions[i]->Matches(pPendingObject, pPendingActionEvent)) {
            pPendingAction = fActions[i].get();
            pIndex = static_cast<int>(i);
            return true;
        }
    }
    pPendingAction = nullptr;
    pIndex = -1;
    return false;
}

int tVelPendingActionList::Add(void* pObject, int pDelay,
                               const tVelPendingActionEvent& pPendingActionEvent) {
    tVelPendingAction* found = nullptr;
    int index = -1;
    if (fDuplicateAction != da_Allow_Duplicates)
        GetMatchingAction(pObject, pPendingActionEvent, found, index);
    if (!found) {
        fActions.push_back(
            std::make_unique<tVelPendingAction>(this, pPendingActionEvent, pObject, pDelay));
        return static_cast<int>(fActions.size()) - 1;
    }
    if (found == fActionExecuting) return index;
    // An action that already ran out this tick must not swallow a fresh request: it
    // would be removed at the end of the tick and the request lost.
    if (found->CanDelete()) {
        found->setTimeLeft(pDelay);
        return index;
    }
    int d = found->TimeLeft();
    switch (fDuplicateAction) {
    case da_Keep_First: d = std::min(d, pDelay); break;
    case da_Keep_Last: d = std::max(d, pDelay); break;
    case da_Keep_Latest: d = pDelay; break;
    case da_Keep_Earliest:
    case da_Allow_Duplicates: break;
    }
    found->setTimeLeft(d);
    return index;
}

bool tVelPendingActionList::ExecuteTick() {
    if (fActionExecuting) return false;
    struct Guard {
        tVelPendingAction*& executing;
        ~Guard() { executing = nullptr; }
    } guard{fActionExecuting};
    // Actions appended by handlers get their first tick next time.
    const size_t count = fActions.size();
    for (size_t i = 0; i < count; ++i) {
        fActionExecuting = fActions[i].get();
        fActionExecuting->Execute();
    }
    fActionExecuting = nullptr;
    for (size_t i = fActions.size(); i-- > 0;)
        if (fActions[i]->CanDelete()) fActions.erase(fActions.begin() + static_cast<long>(i));
    return !fActions.empty();
}

} // namespace pramlet

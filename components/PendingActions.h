#pragma once
// tVelPendingActionList: deferred calls inside the one user-interface thread. A request
// names a handler, an object and a number of ticks; a periodic timer advances the list,
// and requests for the same handler and object are merged by a policy.

#include <functional>
#include <memory>
#include <vector>

namespace pramlet {

class tVelPendingActionList;

// A handler bound to an instance: Code identifies the routine, Instance the object it is
// bound to. Two events with the same Code belong to the same handler routine.
struct tVelPendingActionEvent {
    using Handler = std::function<void(void* pObject, int& pNewDelay)>;

    const void* Code = nullptr;
    const void* Instance = nullptr;
    Handler Call;

    tVelPendingActionEvent() = default;
    tVelPendingActionEvent(const void* code, const void* instance, Handler call)
        : Code(code), Instance(instance), Call(std::move(call)) {}

    bool Assigned() const { return static_cast<bool>(Call); }
};

namespace detail {
template <auto Method> inline const char MethodCode = 0;
}

// Binds a member function so that every binding of the same method has the same Code:
// MakePendingActionEvent<&TEditor::InstantAction>(editor).
template <auto Method, class T> tVelPendingActionEvent MakePendingActionEvent(T* instance) {
    return {&detail::MethodCode<Method>, instance,
            [instance](void* pObject, int& pNewDelay) { (instance->*Method)(pObject, pNewDelay); }};
}

enum tDuplicateAction {
    da_Allow_Duplicates,
    da_Keep_First,
    da_Keep_Last,
    da_Keep_Earliest,
    da_Keep_Latest
};

class tVelPendingAction {
  public:
    tVelPendingAction(tVelPendingActionList* pOwner, tVelPendingActionEvent pPendingActionEvent,
                      void* pObject, int pDelay);

    tVelPendingActionList* Owner() const { return fOwner; }
    int TimeLeft() const { return fDelay; }
    void setTimeLeft(int pDelay) { fDelay = pDelay; }
    const tVelPendingActionEvent& PendingActionEvent() const { return fPendingActionEvent; }
    void* PendingObject() const { return fPendingObject; }
    bool CanDelete() const { return fDelay < 0; }

    // Same object and same handler code; the instance of the handler is not compared.
    bool Matches(const void* pObject, const tVelPendingActionEvent& pPendingActionEvent) const;
    // One tick; true when the action is finished.
    bool Execute();

  private:
    tVelPendingActionList* fOwner;
    int fDelay;
    tVelPendingActionEvent fPendingActionEvent;
    void* fPendingObject;
};

class tVelPendingActionList {
  public:
    tVelPendingActionList() = default;
    tVelPendingActionList(const tVelPendingActionList&) = delete;
    tVelPendingActionList& operator=(const tVelPendingActionList&) = delete;

    tDuplicateAction DuplicateAction() const { return fDuplicateAction; }
    void setDuplicateAction(tDuplicateAction pPolicy) { fDuplicateAction = pPolicy; }
    const tVelPendingAction* ActionExecuting() const { return fActionExecuting; }

    int Count() const { return static_cast<int>(fActions.size()); }
    tVelPendingAction* GetPendingAction(int i) const { return fActions.at(i).get(); }
    tVelPendingAction* PendingAction(int i) const { return GetPendingAction(i); }

    // Registers a request; returns the index of the action that carries it.
    int Add(void* pObject, int pDelay, const tVelPendingActionEvent& pPendingActionEvent);
    int Add(int pDelay, const tVelPendingActionEvent& pPendingActionEvent) {
        return Add(nullptr, pDelay, pPendingActionEvent);
    }
    // The first matching action in list order; false (none, -1) when there is none.
    bool GetMatchingAction(const void* pPendingObject,
                           const tVelPendingActionEvent& pPendingActionEvent,
                           tVelPendingAction*& pPendingAction, int& pIndex) const;
    // Advances every action by one tick and drops the finished ones; true while actions
    // remain. A call from inside a handler does nothing and returns false.
    bool ExecuteTick();

  private:
    tDuplicateAction fDuplicateAction = da_Keep_Last;
    tVelPendingAction* fActionExecuting = nullptr;
    std::vector<std::unique_ptr<tVelPendingAction>> fActions;
};

} // namespace pramlet

#include "components/PendingActions.h"

#include <gtest/gtest.h>

#include <vector>

using namespace pramlet;

namespace {

// A handler owner that records its calls; every instance binds the same handler code.
struct Recorder {
    std::vector<std::pair<void*, int>> calls; // (object, tick)
    int tick = 0;
    int rearm = -1;
    std::function<void()> inside;

    void Handle(void* pObject, int& pNewDelay) {
        calls.push_back({pObject, tick});
        if (inside) inside();
        if (rearm >= 0) {
            pNewDelay = rearm;
            rearm = -1;
        }
    }
    tVelPendingActionEvent Event() { return MakePendingActionEvent<&Recorder::Handle>(this); }
};

int RunTicks(tVelPendingActionList& list, Recorder& r, int ticks) {
    int lastResult = 0;
    for (int i = 0; i < ticks; ++i) {
        ++r.tick;
        lastResult = list.ExecuteTick();
    }
    return lastResult;
}

} // namespace

TEST(PendingActionList, MergePolicies) {
    struct Case {
        tDuplicateAction policy;
        int count;
        int delay;
    };
    const Case cases[] = {{da_Keep_Last, 1, 5},
                          {da_Keep_First, 1, 2},
                          {da_Keep_Latest, 1, 2},
                          {da_Keep_Earliest, 1, 5},
                          {da_Allow_Duplicates, 2, 5}};
    int object = 0;
    for (const Case& c : cases) {
        Recorder r;
        tVelPendingActionList list;
        list.setDuplicateAction(c.policy);
        EXPECT_EQ(list.Add(&object, 5, r.Event()), 0);
        EXPECT_EQ(list.Add(&object, 2, r.Event()), c.count - 1);
        ASSERT_EQ(list.Count(), c.count) << c.policy;
        EXPECT_EQ(list.GetPendingAction(0)->TimeLeft(), c.delay) << c.policy;
    }
    // Keep_Latest also lengthens, Keep_First never does.
    Recorder r;
    tVelPendingActionList list;
    list.setDuplicateAction(da_Keep_Latest);
    list.Add(&object, 2, r.Event());
    list.Add(&object, 9, r.Event());
    EXPECT_EQ(list.GetPendingAction(0)->TimeLeft(), 9);
    list.setDuplicateAction(da_Keep_First);
    list.Add(&object, 20, r.Event());
    EXPECT_EQ(list.GetPendingAction(0)->TimeLeft(), 9);
}

TEST(PendingActionList, DefaultPolicyIsKeepLast) {
    tVelPendingActionList list;
    EXPECT_EQ(list.DuplicateAction(), da_Keep_Last);
    EXPECT_EQ(list.ActionExecuting(), nullptr);
}

TEST(PendingActionList, MatchingByObjectAndHandlerCode) {
    Recorder a, b;
    int first = 0, second = 0;
    for (tDuplicateAction policy :
         {da_Allow_Duplicates, da_Keep_First, da_Keep_Last, da_Keep_Earliest, da_Keep_Latest}) {
        tVelPendingActionList list;
        list.setDuplicateAction(policy);
        list.Add(&first, 1, a.Event());
        list.Add(&second, 1, a.Event());
        EXPECT_EQ(list.Count(), 2) << policy;
    }
    // The instance of the handler is not compared: the same code on another instance
    // merges into the first request.
    tVelPendingActionList list;
    EXPECT_EQ(list.Add(&first, 1, a.Event()), 0);
    EXPECT_EQ(list.Add(&first, 3, b.Event()), 0);
    EXPECT_EQ(list.Count(), 1);
    // A different handler code does not match.
    int otherCode = 0;
    tVelPendingActionEvent other(&otherCode, &a, [](void*, int&) {});
    EXPECT_EQ(list.Add(&first, 1, other), 1);

    tVelPendingAction* found = nullptr;
    int index = 7;
    EXPECT_TRUE(list.GetMatchingAction(&first, b.Event(), found, index));
    EXPECT_EQ(index, 0);
    EXPECT_EQ(found, list.GetPendingAction(0));
    EXPECT_FALSE(list.GetMatchingAction(&second, b.Event(), found, index));
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(index, -1);
}

TEST(PendingActionList, DelayCountsTicks) {
    Recorder r;
    tVelPendingActionList list;
    int object = 0;
    list.Add(&object, 3, r.Event());
    EXPECT_TRUE(RunTicks(list, r, 3));
    EXPECT_TRUE(r.calls.empty());
    EXPECT_FALSE(RunTicks(list, r, 1));
    ASSERT_EQ(r.calls.size(), 1u);
    EXPECT_EQ(r.calls[0], std::make_pair(static_cast<void*>(&object), 4));
    EXPECT_EQ(list.Count(), 0);

    list.Add(0, r.Event()); // no object, due at the next tick
    r.calls.clear();
    RunTicks(list, r, 1);
    ASSERT_EQ(r.calls.size(), 1u);
    EXPECT_EQ(r.calls[0].first, nullptr);
}

TEST(PendingActionList, HandlerRearmsThroughNewDelay) {
    Recorder r;
    tVelPendingActionList list;
    list.Add(0, r.Event());
    r.rearm = 2;
    EXPECT_TRUE(RunTicks(list, r, 1)); // runs at tick 1 and stays
    EXPECT_TRUE(RunTicks(list, r, 2));
    EXPECT_FALSE(RunTicks(list, r, 1)); // again three ticks later
    ASSERT_EQ(r.calls.size(), 2u);
    EXPECT_EQ(r.calls[0].second, 1);
    EXPECT_EQ(r.calls[1].second, 4);
}

TEST(PendingActionList, EmptyListAndActionWithoutHandler) {
    tVelPendingActionList list;
    EXPECT_FALSE(list.ExecuteTick());
    list.Add(1, tVelPendingActionEvent());
    EXPECT_TRUE(list.ExecuteTick());
    EXPECT_FALSE(list.ExecuteTick());
    EXPECT_EQ(list.Count(), 0);
}

TEST(PendingActionList, TickFromInsideHandlerDoesNothing) {
    Recorder r, other;
    tVelPendingActionList list;
    int object = 0;
    list.Add(&object, 0, r.Event());
    list.Add(&other, 0, other.Event());
    bool innerResult = true;
    const tVelPendingAction* executing = nullptr;
    r.inside = [&] {
        executing = list.ActionExecuting();
        innerResult = list.ExecuteTick();
    };
    EXPECT_FALSE(RunTicks(list, r, 1));
    EXPECT_FALSE(innerResult);
    EXPECT_NE(executing, nullptr);
    EXPECT_EQ(r.calls.size(), 1u);     // not run twice
    EXPECT_EQ(other.calls.size(), 1u); // the outer tick went on
    EXPECT_EQ(list.ActionExecuting(), nullptr);
}

TEST(PendingActionList, AddsDuringTick) {
    Recorder r, later;
    tVelPendingActionList list;
    int object = 0, another = 0;
    list.Add(&object, 0, r.Event());
    r.inside = [&] {
        // The executing action cannot re-arm itself through Add.
        EXPECT_EQ(list.Add(&object, 4, r.Event()), 0);
        // New requests get their first tick next time.
        list.Add(&another, 0, later.Event());
    };
    EXPECT_TRUE(RunTicks(list, r, 1));
    EXPECT_TRUE(later.calls.empty());
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.GetPendingAction(0)->PendingObject(), &another);
    r.inside = nullptr;
    EXPECT_FALSE(RunTicks(list, r, 1));
    EXPECT_EQ(later.calls.size(), 1u);
    EXPECT_EQ(r.calls.size(), 1u);
}

TEST(PendingActionList, RequestForActionFinishedInSameTickIsKept) {
    Recorder r, trigger;
    tVelPendingActionList list;
    list.setDuplicateAction(da_Keep_Earliest);
    int object = 0;
    list.Add(&object, 0, r.Event());
    list.Add(&trigger, 0, trigger.Event());
    // The first action has run and finished when the second asks for it again.
    trigger.inside = [&] { list.Add(&object, 1, r.Event()); };
    EXPECT_TRUE(RunTicks(list, r, 1));
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.GetPendingAction(0)->TimeLeft(), 1);
    trigger.inside = nullptr;
    RunTicks(list, r, 2);
    EXPECT_EQ(r.calls.size(), 2u);
}

TEST(PendingActionList, ThrowingHandlerLeavesListUsable) {
    tVelPendingActionList list;
    int code = 0, calls = 0;
    list.Add(0, tVelPendingActionEvent(&code, nullptr, [&calls](void*, int&) {
                 if (++calls == 1) throw 1;
             }));
    EXPECT_THROW(list.ExecuteTick(), int);
    EXPECT_EQ(list.ActionExecuting(), nullptr);
    EXPECT_FALSE(list.ExecuteTick());
    EXPECT_EQ(calls, 2);
}

// The list container's order and ownership rules.
#include <gtest/gtest.h>

#include <vector>

#include "shared/ui_list.h"

namespace {

// Records its own destruction so ownership mistakes show up as counts.
class Tracked : public UI_ELEMENT {
public:
    Tracked(int value, std::vector<int>& destroyed) : m_value(value), m_destroyed(destroyed) {}
    ~Tracked() override { m_destroyed.push_back(m_value); }
    int m_value;

private:
    std::vector<int>& m_destroyed;
};

std::vector<int> WalkValues(const UI_LIST& list) {
    std::vector<int> values;
    for (UI_ELEMENT* e = list.First(); e != nullptr; e = e->Next()) {
        values.push_back(dynamic_cast<Tracked*>(e)->m_value);
    }
    return values;
}

TEST(UiList, KeepsInsertionOrderForWalkAndGet) {
    std::vector<int> destroyed;
    UI_LIST list(nullptr);
    for (int v : {3, 1, 2}) {
        list.Add(new Tracked(v, destroyed));
    }
    EXPECT_EQ(WalkValues(list), (std::vector<int>{3, 1, 2}));
    ASSERT_EQ(list.Count(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(dynamic_cast<Tracked*>(list.Get(i))->m_value, WalkValues(list)[i]);
    }
    EXPECT_EQ(list.Get(3), nullptr);
    EXPECT_EQ(list.Get(-1), nullptr);
    list.Destroy();
}

TEST(UiList, SubtractHandsTheElementBack) {
    std::vector<int> destroyed;
    UI_LIST list(nullptr);
    auto* first = new Tracked(1, destroyed);
    list.Add(first);
    list.Add(new Tracked(2, destroyed));
    list.Add(new Tracked(3, destroyed));

    EXPECT_EQ(list.Subtract(first), first);
    EXPECT_TRUE(destroyed.empty());
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_EQ(WalkValues(list), (std::vector<int>{2, 3}));
    EXPECT_EQ(first->Next(), nullptr);
    EXPECT_EQ(list.Subtract(first), nullptr) << "an element not in the list";
    delete first;

    list.Destroy();
    EXPECT_EQ(destroyed, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(list.First(), nullptr);
}

TEST(UiList, DestroyThenDeleteDestroysEachElementOnce) {
    std::vector<int> destroyed;
    auto* list = new UI_LIST(nullptr);
    for (int v = 0; v < 5; ++v) {
        list->Add(new Tracked(v, destroyed));
    }
    list->Destroy();
    delete list;
    EXPECT_EQ(destroyed, (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(UiList, DeletingALinkedElementUnlinksIt) {
    std::vector<int> destroyed;
    UI_LIST list(nullptr);
    list.Add(new Tracked(1, destroyed));
    auto* middle = new Tracked(2, destroyed);
    list.Add(middle);
    list.Add(new Tracked(3, destroyed));
    delete middle;
    EXPECT_EQ(WalkValues(list), (std::vector<int>{1, 3}));
    list.Destroy();
}

} // namespace

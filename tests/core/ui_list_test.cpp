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

TEST(UiList, OrderAndOwnershipOfSubtractedDeletedAndDestroyed) {
    std::vector<int> destroyed;
    auto* list = new UI_LIST(nullptr);
    std::vector<Tracked*> elements;
    for (int v = 1; v <= 4; ++v) {
        elements.push_back(new Tracked(v, destroyed));
        list->Add(elements.back());
    }
    EXPECT_EQ(list->Subtract(elements[0]), elements[0]);
    EXPECT_TRUE(destroyed.empty());
    EXPECT_EQ(list->Count(), 3u);
    EXPECT_EQ(elements[0]->Next(), nullptr);
    EXPECT_EQ(list->Subtract(elements[0]), nullptr) << "an element not in the list";
    delete elements[0];
    delete elements[2]; // still linked: it unlinks itself
    EXPECT_EQ(WalkValues(*list), (std::vector<int>{2, 4}));
    EXPECT_EQ(dynamic_cast<Tracked*>(list->Get(1))->m_value, 4);
    EXPECT_EQ(list->Get(2), nullptr);
    EXPECT_EQ(list->Get(-1), nullptr);
    list->Destroy();
    EXPECT_EQ(list->First(), nullptr);
    delete list;
    EXPECT_EQ(destroyed, (std::vector<int>{1, 3, 2, 4})) << "each exactly once";
}

} // namespace

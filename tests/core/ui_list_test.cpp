// The list container's order and ownership rules: each element destroyed exactly once, the
// count following what leaves, an element deleted while linked unlinking itself.
#include <gtest/gtest.h>

#include <vector>

#include "shared/ui_list.h"

namespace {

// Records its own destruction so ownership mistakes show up as counts.
struct Tracked : UI_ELEMENT {
    Tracked(int value, std::vector<int>& destroyed) : m_value(value), m_destroyed(destroyed) {}
    ~Tracked() override { m_destroyed.push_back(m_value); }
    int m_value;
    std::vector<int>& m_destroyed;
};

TEST(UiList, OrderAndOwnershipOfSubtractedDeletedAndDestroyed) {
    std::vector<int> destroyed;
    UI_LIST list(nullptr);
    std::vector<Tracked*> elements;
    for (int v = 1; v <= 4; ++v) {
        elements.push_back(new Tracked(v, destroyed));
        list.Add(elements.back());
    }
    EXPECT_EQ(list.Subtract(elements[0]), elements[0]);
    EXPECT_EQ(list.Subtract(elements[0]), nullptr) << "an element not in the list";
    EXPECT_EQ(list.Count(), 3u);
    delete elements[0];
    delete elements[2]; // still linked: it unlinks itself
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_EQ(static_cast<Tracked*>(list.Get(1))->m_value, 4);
    EXPECT_EQ(list.Get(2), nullptr);
    EXPECT_EQ(list.Get(-1), nullptr);
    list.Destroy();
    EXPECT_EQ(list.First(), nullptr);
    EXPECT_EQ(destroyed, (std::vector<int>{1, 3, 2, 4})) << "each exactly once";
}

} // namespace

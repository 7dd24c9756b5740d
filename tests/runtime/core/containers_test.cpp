// Stacks and the int-keyed red-black map (the display-mode list is built with them).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "runtime/containers.h"

namespace {

int depth(c_Node* node) { return node ? 1 + std::max(depth(node->m_left), depth(node->m_right)) : 0; }

// Red nodes have black children, and every path down has the same number of black nodes.
int blackHeight(c_Node* node) {
  if (!node) return 1;
  if (node->m_color == -1) {
    EXPECT_FALSE(node->m_left && node->m_left->m_color == -1);
    EXPECT_FALSE(node->m_right && node->m_right->m_color == -1);
  }
  int left = blackHeight(node->m_left);
  EXPECT_EQ(left, blackHeight(node->m_right));
  return left + (node->m_color == 1 ? 1 : 0);
}

}  // namespace

TEST(StackTest, StringStackJoinsWhatWasPushed) {
  c_StringStack* stack = (new c_StringStack)->m_new();
  EXPECT_TRUE(stack->p_Join(String("-")).IsEmpty());
  for (int i = 0; i < 25; ++i) stack->p_Push4(String(i));  // past the first growth
  EXPECT_EQ(stack->p_ToArray().Length(), 25);
  EXPECT_EQ(stack->p_Join(String("")).ToNarrow(), "0123456789101112131415161718192021222324");
}

TEST(MapTest, TreeStaysBalancedForSortedAndMixedKeys) {
  for (int order = 0; order < 2; ++order) {
    c_IntMap* map = (new c_IntMap)->m_new();
    c_DisplayMode* mode = (new c_DisplayMode)->m_new(1, 1);
    for (int i = 1; i <= 1000; ++i) map->p_Set(order == 0 ? i : (i * 7919) % 1009, mode);
    EXPECT_LE(depth(map->m_root), 2 * std::log2(1001.0));
    EXPECT_EQ(map->m_root->m_color, 1);
    blackHeight(map->m_root);
    for (int i = 1; i <= 1000; ++i) ASSERT_TRUE(map->p_Contains(order == 0 ? i : (i * 7919) % 1009));
  }
}

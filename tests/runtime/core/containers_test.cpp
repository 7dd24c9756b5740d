// Stacks and the int-keyed red-black map.
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

TEST(StackTest, GrowsByDoublingPlusTen) {
  c_Stack2* stack = (new c_Stack2)->m_new();
  EXPECT_EQ(stack->m_data.Length(), 0);
  stack->p_Push4(String("first"));
  EXPECT_EQ(stack->m_data.Length(), 10);
  for (int i = 1; i < 10; ++i) stack->p_Push4(String(i));
  EXPECT_EQ(stack->m_data.Length(), 10);
  stack->p_Push4(String("eleventh"));
  EXPECT_EQ(stack->m_data.Length(), 30);
  EXPECT_EQ(stack->m_length, 11);
  EXPECT_EQ(stack->p_ToArray().Length(), 11);
  EXPECT_EQ(stack->p_ToArray()[10].ToNarrow(), "eleventh");
}

TEST(StackTest, EmptyStackGivesTheSharedEmptyArray) {
  c_Stack* stack = (new c_Stack)->m_new();
  EXPECT_TRUE(stack->p_ToArray() == Array<c_DisplayMode*>());
}

TEST(StackTest, StringStackJoinsAndPushesRanges) {
  c_StringStack* stack = (new c_StringStack)->m_new();
  Array<String> parts = String("a|b|c|d").Split(String("|"));
  stack->p_Push5(parts, 1, 2);
  stack->p_Push6(parts, 3);
  EXPECT_EQ(stack->p_Join(String("-")).ToNarrow(), "b-c-d");

  c_Stack2* copy = (new c_Stack2)->m_new2(parts);
  EXPECT_EQ(copy->m_length, 4);
  copy->p_Push4(String("e"));
  EXPECT_EQ(parts.Length(), 4) << "the source array is copied, not shared";
}

TEST(StackTest, SettingAShorterLengthClearsTheTail) {
  struct Source : Object, c_IAsyncEventSource {
    void p_UpdateAsyncEvents() override {}
  };
  c_Stack3* stack = (new c_Stack3)->m_new();
  for (int i = 0; i < 3; ++i) stack->p_Push(new Source);
  stack->p_Length(1);
  EXPECT_EQ(stack->p_Length2(), 1);
  stack->p_Length(3);
  EXPECT_EQ(stack->p_Get(2), c_Stack3::m_NIL);
  stack->p_Length(40);
  EXPECT_GE(stack->m_data.Length(), 40);
}

TEST(MapTest, SetReplacesValuesAndKeepsTheShape) {
  c_IntMap* map = (new c_IntMap)->m_new();
  c_DisplayMode* a = (new c_DisplayMode)->m_new(640, 480);
  c_DisplayMode* b = (new c_DisplayMode)->m_new(800, 600);
  EXPECT_TRUE(map->p_Set(5, a));
  EXPECT_EQ(map->m_root->m_color, -1) << "a lone root stays red";
  EXPECT_TRUE(map->p_Insert(3, a));
  EXPECT_TRUE(map->p_Set(8, a));
  c_Node* node = map->p_FindNode(3);
  c_Node* root = map->m_root;
  EXPECT_FALSE(map->p_Set(3, b));
  EXPECT_EQ(map->p_FindNode(3), node);
  EXPECT_EQ(map->m_root, root);
  EXPECT_EQ(node->m_value, b);
  EXPECT_TRUE(map->p_Contains(8));
  EXPECT_FALSE(map->p_Contains(4));
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

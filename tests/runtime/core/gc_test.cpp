// The collector: the write barrier, locals kept alive until a cycle ends, and a stress
// run over random object graphs checked against a shadow model.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <unordered_map>
#include <vector>

#include "runtime/array.h"
#include "runtime/gc.h"

namespace {

constexpr uint32_t kAlive = 0xC0FFEE;
constexpr uint32_t kDead = 0xDEAD;

struct Node : Object {
  Node* a = nullptr;
  Node* b = nullptr;
  int id = 0;
  uint32_t magic = kAlive;
  static int live;
  static int destroyed;

  Node() { ++live; }
  ~Node() override {
    magic = kDead;
    --live;
    ++destroyed;
  }
  void mark() override {
    gc_mark_q(a);
    gc_mark_q(b);
  }
};
int Node::live;
int Node::destroyed;

struct BigNode : Node {
  char payload[200] = {};
};

// The tests' own roots, registered like any module's globals.
Node* g_root;
Array<Node*> g_slots;
gc_root testRoots([] {
  gc_mark_q(g_root);
  gc_mark_q(g_slots);
});

// Forces a full step at the next collection, as 8 MiB of new allocation would.
void fullStep() {
  gc_ext_malloced(gc_full_step_bytes + 1);
  gc_collect();
}

// Closes enough cycles for floating garbage to reach the free list, then destroys it all.
void collectEverything() {
  fullStep();
  fullStep();
  gc_flush_free(INT_MAX);
}

}  // namespace

TEST(CollectorTest, ObjectStoredIntoATracedObjectSurvivesTheCycle) {
  collectEverything();
  Node* holder = new Node;
  gc_assign(g_root, holder);
  fullStep();                       // the next cycle starts with the root queued
  gc_mark_queued(INT_MAX);          // holder is now black
  ASSERT_EQ(holder->magic, kAlive);
  Node* late = new BigNode;         // white, and in its own size class
  gc_assign(holder->a, late);       // the barrier makes it grey
  late->id = 42;
  collectEverything();
  ASSERT_EQ(g_root->a, late);
  EXPECT_EQ(late->magic, kAlive);
  EXPECT_EQ(late->id, 42);
  gc_assign(g_root, nullptr);
  collectEverything();
}

TEST(CollectorTest, ObjectsHeldOnlyByLocalsLiveUntilTheNextCycleEnds) {
  collectEverything();
  Node* local = new Node;
  local->id = 7;
  gc_collect();  // an incremental slice between events never frees anything
  EXPECT_EQ(local->magic, kAlive);
  int destroyedBefore = Node::destroyed;
  collectEverything();
  EXPECT_EQ(Node::destroyed, destroyedBefore + 1);
}

// Random graphs built through the barrier while marking is in progress. A shadow copy of
// every edge, kept by id, must match the real graph at the end: a reachable object that
// had been freed (and its block reused) would show a wrong id or a dead marker.
TEST(CollectorTest, StressRandomGraphsKeepEveryReachableObject) {
  collectEverything();
  const int kSlots = 64;
  gc_assign(g_slots, Array<Node*>(kSlots));
  std::mt19937 rng(20261206);
  std::unordered_map<int, std::pair<int, int>> shadow;  // id -> (a id, b id), 0 = null
  std::vector<int> slotIds(kSlots, 0);
  int nextId = 1;

  auto make = [&]() -> Node* {
    Node* n = (rng() % 8 == 0) ? new BigNode : new Node;
    n->id = nextId++;
    shadow[n->id] = {0, 0};
    return n;
  };
  // A node known to be reachable: a short random walk from a root slot.
  auto reachable = [&]() -> Node* {
    Node* n = g_slots[static_cast<int>(rng() % kSlots)];
    for (int steps = static_cast<int>(rng() % 4); n && steps > 0; --steps) {
      Node* next = (rng() & 1) ? n->a : n->b;
      if (!next) break;
      n = next;
    }
    return n;
  };
  auto idOf = [](Node* n) { return n ? n->id : 0; };

  const int kAllocations = 1500000;
  for (int i = 0; i < kAllocations; ++i) {
    Node* fresh = make();
    Node* target = reachable();
    Node* value = (rng() % 3 == 0) ? reachable() : fresh;
    if (rng() % 5 == 0) value = nullptr;
    if (target && rng() % 4 != 0) {
      if (rng() & 1) {
        gc_assign(target->a, value);
        shadow[target->id].first = idOf(value);
      } else {
        gc_assign(target->b, value);
        shadow[target->id].second = idOf(value);
      }
    } else {
      int slot = static_cast<int>(rng() % kSlots);
      gc_assign(g_slots[slot], value);
      slotIds[slot] = idOf(value);
    }
    if (i % 50 == 0) gc_collect();  // one slice per host event
  }

  // Every reachable object is alive and matches the shadow.
  std::unordered_map<int, bool> seen;
  std::vector<Node*> stack;
  for (int s = 0; s < kSlots; ++s) {
    ASSERT_EQ(idOf(g_slots[s]), slotIds[s]);
    if (g_slots[s]) stack.push_back(g_slots[s]);
  }
  while (!stack.empty()) {
    Node* n = stack.back();
    stack.pop_back();
    ASSERT_EQ(n->magic, kAlive);
    if (seen[n->id]) continue;
    seen[n->id] = true;
    ASSERT_EQ(idOf(n->a), shadow[n->id].first) << "node " << n->id;
    ASSERT_EQ(idOf(n->b), shadow[n->id].second) << "node " << n->id;
    if (n->a) stack.push_back(n->a);
    if (n->b) stack.push_back(n->b);
  }

  // Every unreachable object is destroyed once the cycles close.
  collectEverything();
  EXPECT_EQ(Node::live, static_cast<int>(seen.size()));
  gc_assign(g_slots, Array<Node*>());
  collectEverything();
  EXPECT_EQ(Node::live, 0);
  for (gc_object* list : {&gc_unmarked_list, &gc_queued_list, &gc_marked_list, &gc_free_list})
    gc_validate_list(list, "after stress");
}

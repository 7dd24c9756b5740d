// Collected objects and the incremental collector.
//
// Every runtime and game object derives from gc_object. The collector is an incremental,
// non-moving, tri-colour mark-and-sweep over intrusive doubly-linked lists. Every store of
// an object reference goes through gc_assign (the write barrier). Collection work runs
// only between host events, when no reference lives in a local variable, so the stack is
// never scanned. Garbage is destroyed lazily, paid for by later allocations.
#pragma once

#include <cstddef>
#include <cstdint>

struct gc_object {
  gc_object* succ;
  gc_object* pred;
  int flags;  // bits 3..31 size in bytes, bits 0..1 colour

  // The header is written by gc_object_alloc before construction, so the constructor
  // must leave it alone.
  gc_object() {}
  virtual ~gc_object() {}
  virtual void mark() {}

  static void* operator new(size_t size);
  static void operator delete(void* p, size_t size);

  // Objects with static storage (the shared empty values) are never white and so are
  // never queued, traced or freed.
  struct permanent_t {};
  explicit gc_object(permanent_t) : succ(nullptr), pred(nullptr), flags(3) {}
  // A list sentinel: an empty circular list pointing at itself.
  explicit gc_object(gc_object* self) : succ(self), pred(self), flags(3) {}
};

struct Object : gc_object {
  Object() {}
  explicit Object(permanent_t p) : gc_object(p) {}
  virtual bool Equals(Object* other) { return this == other; }
  virtual int Compare(Object* other) {
    return static_cast<int>(reinterpret_cast<intptr_t>(this) - reinterpret_cast<intptr_t>(other));
  }
  virtual const char* debug() { return "Object\n"; }
};

// Base of interface classes: only a virtual table.
struct gc_interface {
  virtual ~gc_interface() {}
};

// Base of objects thrown as runtime exceptions; the host catches them.
struct ThrowableObject : Object {};

// The circular list sentinels and counters, visible for diagnostics and tests.
extern gc_object gc_unmarked_list;
extern gc_object gc_queued_list;
extern gc_object gc_marked_list;
extern gc_object gc_free_list;

extern int gc_markbit;
extern int gc_new_bytes;
extern int gc_alloced_bytes;
extern int gc_max_alloced_bytes;
extern int gc_marked_bytes;
extern int gc_free_bytes;
extern int gc_ext_new_bytes;

// Bytes of new allocation after which a full step closes the cycle.
constexpr int gc_full_step_bytes = 8 * 1024 * 1024;

void* gc_object_alloc(size_t size);
void gc_object_free(gc_object* p);

void gc_mark_q(gc_object* p);
void gc_mark(gc_object* p);
void gc_mark();  // queues the roots
void gc_mark_queued(int target);
void gc_sweep();
void gc_collect();
void gc_collect_all();
void gc_flush_free(int size);
void gc_ext_malloced(int size);
void gc_init1();
void gc_init2();
void gc_validate_list(gc_object* list, const char* label);
// True when p is an object the collector knows (on one of its lists).
bool gc_is_known_object(const gc_object* p);

// Globals that hold objects register a function that queues them; gc_mark() calls every
// registered function in registration order. Declare one at namespace scope:
//   static gc_root myRoots([] { gc_mark_q(my_global); });
class gc_root {
 public:
  explicit gc_root(void (*queueRoots)());

 private:
  friend void gc_mark();
  void (*m_queue)();
  gc_root* m_next;
};

// Interface pointers reach their object through the dynamic type.
inline void gc_mark_q(gc_interface* p) { gc_mark_q(dynamic_cast<gc_object*>(p)); }
inline void gc_mark(gc_interface* p) { gc_mark(dynamic_cast<gc_object*>(p)); }

// The write barrier: every store of an object reference goes through here.
template <class T, class V>
inline T* gc_assign(T*& field, V* value) {
  gc_mark_q(value);
  field = value;
  return field;
}
template <class T>
inline T* gc_assign(T*& field, std::nullptr_t) {
  field = nullptr;
  return field;
}

// The incremental collector: allocation, the write barrier, marking, sweeping and the
// lazy destruction of garbage. See gc.h for the model.
#include "runtime/gc.h"

#include <initializer_list>
#include <cstdio>
#include <cstdlib>

gc_object gc_unmarked_list{&gc_unmarked_list};
gc_object gc_queued_list{&gc_queued_list};
gc_object gc_marked_list{&gc_marked_list};
gc_object gc_free_list{&gc_free_list};

int gc_markbit = 1;
int gc_new_bytes;
int gc_alloced_bytes;
int gc_max_alloced_bytes;
int gc_marked_bytes;
int gc_free_bytes;
int gc_ext_new_bytes;

// Allocation and freeing touch the header of memory that holds no constructed object
// (yet, or any more); the sanitizer's dynamic-type check must not look at it there.
#define GC_RAW_MEMORY __attribute__((no_sanitize("vptr")))

namespace {

// Free blocks of 0..56 bytes, one singly-linked list per size / 8, linked through succ.
gc_object* gc_cache[8];

gc_root* gc_roots_head;
gc_root* gc_roots_tail;

GC_RAW_MEMORY inline int objectSize(const gc_object* p) { return p->flags & ~7; }

inline void unlink(gc_object* p) {
  p->pred->succ = p->succ;
  p->succ->pred = p->pred;
}

GC_RAW_MEMORY inline void appendTo(gc_object* list, gc_object* p) {
  p->pred = list->pred;
  p->succ = list;
  list->pred->succ = p;
  list->pred = p;
}

inline bool isEmpty(const gc_object* list) { return list->succ == list; }

// Moves the whole of one list onto the tail of another.
void spliceAll(gc_object* from, gc_object* to) {
  if (isEmpty(from)) return;
  gc_object* first = from->succ;
  gc_object* last = from->pred;
  first->pred = to->pred;
  to->pred->succ = first;
  last->succ = to;
  to->pred = last;
  from->succ = from->pred = from;
}

}  // namespace

gc_root::gc_root(void (*queueRoots)()) : m_queue(queueRoots), m_next(nullptr) {
  if (gc_roots_tail)
    gc_roots_tail->m_next = this;
  else
    gc_roots_head = this;
  gc_roots_tail = this;
}

void* gc_object::operator new(size_t size) { return gc_object_alloc(size); }

void gc_object::operator delete(void* p, size_t) { gc_object_free(static_cast<gc_object*>(p)); }

GC_RAW_MEMORY void* gc_object_alloc(size_t requested) {
  int size = static_cast<int>((requested + 7) & ~static_cast<size_t>(7));
  gc_new_bytes += size;
  gc_flush_free(size);

  gc_object* p;
  if (size < 64 && gc_cache[size >> 3]) {
    p = gc_cache[size >> 3];
    gc_cache[size >> 3] = p->succ;
  } else {
    p = static_cast<gc_object*>(std::malloc(size));
  }
  p->flags = gc_markbit | size;
  appendTo(&gc_unmarked_list, p);

  gc_alloced_bytes += size;
  if (gc_alloced_bytes > gc_max_alloced_bytes) gc_max_alloced_bytes = gc_alloced_bytes;
  return p;
}

GC_RAW_MEMORY void gc_object_free(gc_object* p) {
  int size = objectSize(p);
  gc_free_bytes -= size;
  if (size >= 64) {
    std::free(p);
  } else {
    p->succ = gc_cache[size >> 3];
    gc_cache[size >> 3] = p;
  }
}

void gc_flush_free(int size) {
  int before = gc_free_bytes;
  int keep = before - size > 0 ? before - size : 0;
  while (gc_free_bytes > keep && !isEmpty(&gc_free_list)) {
    gc_object* p = gc_free_list.succ;
    unlink(p);
    delete p;
  }
}

void gc_mark_q(gc_object* p) {
  if (p && (p->flags & 3) == gc_markbit) {
    p->flags ^= 1;
    unlink(p);
    appendTo(&gc_queued_list, p);
  }
}

void gc_mark(gc_object* p) {
  if (p && (p->flags & 3) == gc_markbit) {
    p->flags ^= 1;
    gc_marked_bytes += objectSize(p);
    unlink(p);
    appendTo(&gc_marked_list, p);
    p->mark();
  }
}

void gc_mark() {
  for (gc_root* r = gc_roots_head; r; r = r->m_next) r->m_queue();
}

void gc_mark_queued(int target) {
  while (gc_marked_bytes < target && !isEmpty(&gc_queued_list)) {
    gc_object* p = gc_queued_list.succ;
    unlink(p);
    appendTo(&gc_marked_list, p);
    gc_marked_bytes += objectSize(p);
    p->mark();
  }
}

void gc_sweep() {
  if (gc_alloced_bytes != gc_marked_bytes) {
    gc_free_bytes += gc_alloced_bytes - gc_marked_bytes;
    spliceAll(&gc_unmarked_list, &gc_free_list);
  }
  spliceAll(&gc_marked_list, &gc_unmarked_list);
  gc_alloced_bytes = gc_marked_bytes;
  gc_marked_bytes = 0;
  gc_markbit ^= 1;
}

void gc_collect() {
  int ext = __atomic_load_n(&gc_ext_new_bytes, __ATOMIC_SEQ_CST);
  if (static_cast<int64_t>(ext) + gc_new_bytes > gc_full_step_bytes) {
    __atomic_sub_fetch(&gc_ext_new_bytes, ext, __ATOMIC_SEQ_CST);
    gc_mark_queued(2147483647);
    gc_sweep();
    gc_mark();
    gc_new_bytes = 0;
  } else {
    int64_t older = static_cast<int64_t>(gc_alloced_bytes) - gc_new_bytes;
    int64_t target = gc_new_bytes + older * gc_new_bytes / gc_full_step_bytes;
    gc_mark_queued(static_cast<int>(target));
  }
}

// A full collection, like gc_collect's full step, so it starts the count of new bytes
// afresh too; otherwise a caller that only ever collects this way would count on past
// the int's range.
void gc_collect_all() {
  gc_mark_queued(2147483647);
  gc_sweep();
  gc_mark();
  gc_new_bytes = 0;
}

void gc_ext_malloced(int size) { __atomic_add_fetch(&gc_ext_new_bytes, size, __ATOMIC_SEQ_CST); }

void gc_init1() {
  for (gc_object* list : {&gc_unmarked_list, &gc_queued_list, &gc_marked_list, &gc_free_list})
    list->succ = list->pred = list;
}

void gc_init2() { gc_mark(); }

void gc_validate_list(gc_object* list, const char* label) {
  gc_object* node = list->succ;
  while (node != list) {
    if (!node || node->pred->succ != node || node->succ->pred != node) {
      if (label) std::puts(label);
      std::puts("LIST ERROR!");
      std::exit(-1);
    }
    node = node->succ;
  }
}

bool gc_is_known_object(const gc_object* p) {
  for (const gc_object* list : {&gc_unmarked_list, &gc_queued_list, &gc_marked_list, &gc_free_list})
    for (const gc_object* node = list->succ; node != list; node = node->succ)
      if (node == p) return true;
  return false;
}

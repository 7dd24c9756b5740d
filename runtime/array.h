// Array<T>: a fixed-length typed array whose storage is a collected object.
//
// A handle is one pointer to the storage. Every element type has one static empty
// storage shared by all empty arrays, so empty arrays never allocate. New elements are
// zero (0, 0.0, false, null) or the empty string. Storage of object pointers traces
// every non-null element; storing an object into an element must go through
// gc_assign (arr[i] is a reference, so `gc_assign(arr[i], obj)`).
#pragma once

#include <new>
#include <type_traits>

#include "runtime/gc.h"
#include "runtime/string.h"

template <class T>
class Array {
 public:
  struct Rep : gc_object {
    int length;

    Rep() : gc_object(permanent_t{}), length(0) {}
    explicit Rep(int n) : length(n) {
      T* items = data();
      for (int i = 0; i < n; ++i) new (&items[i]) T();
    }
    ~Rep() override {
      T* items = data();
      for (int i = 0; i < length; ++i) items[i].~T();
    }
    void mark() override {
      if constexpr (std::is_pointer_v<T>) {
        T* items = data();
        for (int i = 0; i < length; ++i) gc_mark(items[i]);
      }
    }
    T* data() { return reinterpret_cast<T*>(reinterpret_cast<char*>(this) + sizeof(Rep)); }

    static Rep* create(int n) {
      void* memory = gc_object_alloc(sizeof(Rep) + sizeof(T) * static_cast<size_t>(n));
      return ::new (memory) Rep(n);
    }
  };
  static_assert(sizeof(Rep) % alignof(T) == 0, "array elements must stay aligned");

  Array() : m_rep(&nullRep) {}
  explicit Array(int length) : m_rep(length > 0 ? Rep::create(length) : &nullRep) {}
  Array(const T* items, int count) : Array(count) {
    for (int i = 0; i < count; ++i) (*this)[i] = items[i];
  }

  int Length() const { return m_rep->length; }
  T& operator[](int i) const { return m_rep->data()[i]; }
  T* Data() const { return m_rep->data(); }

  // A new array of the given length holding the first elements of this one.
  Array<T> Resize(int length) const {
    Array<T> result(length);
    int n = length < Length() ? length : Length();
    for (int i = 0; i < n; ++i) result[i] = (*this)[i];
    return result;
  }

  Rep* storage() const { return m_rep; }
  bool operator==(const Array<T>& other) const { return m_rep == other.m_rep; }

  static Rep nullRep;

 private:
  Rep* m_rep;
};

template <class T>
typename Array<T>::Rep Array<T>::nullRep;

template <class T>
inline void gc_mark_q(const Array<T>& array) {
  gc_mark_q(array.storage());
}

// The write barrier for array fields and globals.
template <class T>
inline Array<T>& gc_assign(Array<T>& field, const Array<T>& value) {
  gc_mark_q(value.storage());
  field = value;
  return field;
}

// The runtime's generic containers: growable stacks backed by an array, and an int-keyed
// ordered map (a red-black tree whose nodes are never removed). All are collected
// objects; every store of an object reference into them goes through the barrier.
#pragma once

#include "runtime/array.h"
#include "runtime/display_mode.h"
#include "runtime/gc.h"
#include "runtime/string.h"

// Something that does work once per update while registered (network replies, loads).
class c_IAsyncEventSource : public gc_interface {
 public:
  virtual void p_UpdateAsyncEvents() = 0;
};

template <class T>
class c_StackOf : public Object {
 public:
  Array<T> m_data;
  int m_length = 0;

  c_StackOf* m_new() { return this; }

  void p_Push(const T& value) {
    if (m_length == m_data.Length()) gc_assign(m_data, m_data.Resize(m_length * 2 + 10));
    store(m_data[m_length], value);
    ++m_length;
  }

  Array<T> p_ToArray() const { return m_data.Resize(m_length); }

  void mark() override { gc_mark_q(m_data); }

 protected:
  static void store(T& slot, const T& value) {
    if constexpr (std::is_pointer_v<T>)
      gc_assign(slot, value);
    else
      slot = value;
  }
};

typedef c_StackOf<c_DisplayMode*> c_Stack;

class c_Stack2 : public c_StackOf<String> {
 public:
  c_Stack2* m_new() { return this; }
  void p_Push4(const String& value) { p_Push(value); }
};

class c_StringStack : public c_Stack2 {
 public:
  c_StringStack* m_new() { return this; }
  String p_Join(const String& separator) const { return separator.Join(p_ToArray()); }
};

class c_Stack3 : public c_StackOf<c_IAsyncEventSource*> {
 public:
  c_Stack3* m_new() { return this; }

  int p_Length2() const { return m_length; }
  c_IAsyncEventSource* p_Get(int index) const { return m_data[index]; }
};

class c_Node : public Object {
 public:
  int m_key = 0;
  c_Node* m_right = nullptr;
  c_Node* m_left = nullptr;
  c_DisplayMode* m_value = nullptr;
  int m_color = 0;  // -1 red, 1 black
  c_Node* m_parent = nullptr;

  c_Node* m_new(int key, c_DisplayMode* value, int color, c_Node* parent);
  void mark() override;
};

class c_Map : public Object {
 public:
  c_Node* m_root = nullptr;

  c_Map* m_new() { return this; }
  virtual int p_Compare(int a, int b) = 0;

  c_Node* p_FindNode(int key);
  bool p_Contains(int key) { return p_FindNode(key) != nullptr; }
  bool p_Set(int key, c_DisplayMode* value);
  bool p_Insert(int key, c_DisplayMode* value) { return p_Set(key, value); }
  void p_RotateLeft(c_Node* node);
  void p_RotateRight(c_Node* node);
  void p_InsertFixup(c_Node* node);

  void mark() override { gc_mark_q(m_root); }
};

class c_IntMap : public c_Map {
 public:
  c_IntMap* m_new() { return this; }
  int p_Compare(int a, int b) override { return a - b; }
};

// The red-black tree maintenance of the int-keyed map.
#include "runtime/containers.h"

c_Node* c_Node::m_new(int key, c_DisplayMode* value, int color, c_Node* parent) {
  m_key = key;
  gc_assign(m_value, value);
  m_color = color;
  gc_assign(m_parent, parent);
  return this;
}

void c_Node::mark() {
  gc_mark_q(m_right);
  gc_mark_q(m_left);
  gc_mark_q(m_value);
  gc_mark_q(m_parent);
}

c_Node* c_Map::p_FindNode(int key) {
  c_Node* node = m_root;
  while (node) {
    int cmp = p_Compare(key, node->m_key);
    if (cmp > 0)
      node = node->m_right;
    else if (cmp < 0)
      node = node->m_left;
    else
      return node;
  }
  return nullptr;
}

bool c_Map::p_Set(int key, c_DisplayMode* value) {
  c_Node* node = m_root;
  c_Node* parent = nullptr;
  int cmp = 0;
  while (node) {
    parent = node;
    cmp = p_Compare(key, node->m_key);
    if (cmp > 0) {
      node = node->m_right;
    } else if (cmp < 0) {
      node = node->m_left;
    } else {
      gc_assign(node->m_value, value);
      return false;
    }
  }
  node = (new c_Node)->m_new(key, value, -1, parent);
  if (!parent) {
    gc_assign(m_root, node);
    return true;
  }
  if (cmp > 0)
    gc_assign(parent->m_right, node);
  else
    gc_assign(parent->m_left, node);
  p_InsertFixup(node);
  return true;
}

void c_Map::p_RotateLeft(c_Node* node) {
  c_Node* child = node->m_right;
  gc_assign(node->m_right, child->m_left);
  if (child->m_left) gc_assign(child->m_left->m_parent, node);
  gc_assign(child->m_parent, node->m_parent);
  if (!node->m_parent)
    gc_assign(m_root, child);
  else if (node == node->m_parent->m_left)
    gc_assign(node->m_parent->m_left, child);
  else
    gc_assign(node->m_parent->m_right, child);
  gc_assign(child->m_left, node);
  gc_assign(node->m_parent, child);
}

void c_Map::p_RotateRight(c_Node* node) {
  c_Node* child = node->m_left;
  gc_assign(node->m_left, child->m_right);
  if (child->m_right) gc_assign(child->m_right->m_parent, node);
  gc_assign(child->m_parent, node->m_parent);
  if (!node->m_parent)
    gc_assign(m_root, child);
  else if (node == node->m_parent->m_right)
    gc_assign(node->m_parent->m_right, child);
  else
    gc_assign(node->m_parent->m_left, child);
  gc_assign(child->m_right, node);
  gc_assign(node->m_parent, child);
}

void c_Map::p_InsertFixup(c_Node* node) {
  while (node->m_parent && node->m_parent->m_color == -1 && node->m_parent->m_parent) {
    c_Node* parent = node->m_parent;
    c_Node* grand = parent->m_parent;
    if (parent == grand->m_left) {
      c_Node* uncle = grand->m_right;
      if (uncle && uncle->m_color == -1) {
        parent->m_color = 1;
        uncle->m_color = 1;
        grand->m_color = -1;
        node = grand;
      } else {
        if (node == parent->m_right) {
          node = parent;
          p_RotateLeft(node);
        }
        node->m_parent->m_color = 1;
        node->m_parent->m_parent->m_color = -1;
        p_RotateRight(node->m_parent->m_parent);
      }
    } else {
      c_Node* uncle = grand->m_left;
      if (uncle && uncle->m_color == -1) {
        parent->m_color = 1;
        uncle->m_color = 1;
        grand->m_color = -1;
        node = grand;
      } else {
        if (node == parent->m_left) {
          node = parent;
          p_RotateRight(node);
        }
        node->m_parent->m_color = 1;
        node->m_parent->m_parent->m_color = -1;
        p_RotateLeft(node->m_parent->m_parent);
      }
    }
  }
  m_root->m_color = 1;
}

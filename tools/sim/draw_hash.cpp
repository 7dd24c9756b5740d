// FNV-1a, 64 bits. The count goes in too, so an empty frame still moves the hash.
#include "tools/sim/draw_hash.h"

void DrawHash::addBytes(const void* bytes, int count) {
  const unsigned char* data = static_cast<const unsigned char*>(bytes);
  for (int i = 0; i < count; ++i) {
    m_value ^= data[i];
    m_value *= 1099511628211ull;
  }
}

void DrawHash::AddList(const float* entries, int count) {
  addBytes(&count, sizeof count);
  addBytes(entries, count * static_cast<int>(sizeof(float)));
}

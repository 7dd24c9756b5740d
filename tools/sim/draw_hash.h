// A running fingerprint of everything the game asked to draw: FNV-1a over the bytes of
// each update's draw list. Two runs with the same seed, date and input give the same
// value; any difference in what a player would see changes it.
#pragma once

#include <cstdint>

class DrawHash {
 public:
  void AddList(const float* entries, int count);
  uint64_t Value() const { return m_value; }

 private:
  void addBytes(const void* bytes, int count);
  uint64_t m_value = 1469598103934665603ull;
};

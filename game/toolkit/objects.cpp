// The shared object pool: 10 floats per object, field 0 the kind (0 = free). Objects
// 0..49 are placed by the games themselves; the second allocator hands out only 50 and
// up so spawned objects never overwrite them. Searches stop at object 500 whatever the
// caller asks for, which keeps every returned base index inside the pool.
#include "game/shell/my_app.h"

namespace {

constexpr int kFloatsPerObject = 10;
constexpr int kLastObject = 500;
constexpr int kFirstSpawnedObject = 50;

// Base index of the first free object in first..last (last capped), or -1.
int FirstFree(const Array<float>& pool, int first, int last) {
  if (last > kLastObject) last = kLastObject;
  for (int object = first; object <= last; ++object) {
    int base = object * kFloatsPerObject;
    if (pool[base] == 0) return base;
  }
  return -1;
}

}  // namespace

int c_MyApp::p_FreeObj(int n) { return FirstFree(m_objects, 0, n); }

int c_MyApp::p_FreeObjB(int n) { return FirstFree(m_objects, kFirstSpawnedObject, n); }

// The running count lives in player-table index 60; once the pool is used up further
// pieces of land are not added.
void c_MyApp::p_AddDragonLand(int x, int y) {
  int object = static_cast<int>(m_players[60]);
  if (object < 0 || object > kLastObject) return;
  int base = object * kFloatsPerObject;
  m_objects[base] = 1;
  m_objects[base + 1] = static_cast<float>(x);
  m_objects[base + 2] = static_cast<float>(y);
  m_players[60] = static_cast<float>(object + 1);
}

// Distance field towards a target cell, for movers that find their way around walls:
// after it, a cell's distance field holds 1 + the number of steps to the target through
// open cells (0 = wall or not reached within the given number of passes), so a mover
// steps to the neighbour with the smallest non-zero value. Each cell keeps the distance
// in its last float and its blocked mark in the one before.
#include "game/shell/my_app.h"

namespace {

struct FieldShape {
  int w, h, stride;
};

int CellBase(const FieldShape& shape, int x, int y) { return (x + y * shape.w) * shape.stride; }

bool FieldFits(const FieldShape& shape, int gridLength) {
  if (shape.w < 0 || shape.h < 0 || shape.stride < 2) return false;
  long long lastFloat =
      (static_cast<long long>(shape.h) * shape.w + shape.w) * shape.stride + shape.stride - 1;
  return lastFloat < gridLength;
}

bool HasNeighbourAt(const float* grid, const FieldShape& shape, int x, int y, float distance) {
  int field = shape.stride - 1;
  if (x > 0 && grid[CellBase(shape, x - 1, y) + field] == distance) return true;
  if (x < shape.w && grid[CellBase(shape, x + 1, y) + field] == distance) return true;
  if (y > 0 && grid[CellBase(shape, x, y - 1) + field] == distance) return true;
  return y < shape.h && grid[CellBase(shape, x, y + 1) + field] == distance;
}

}  // namespace

void c_MyApp::p_SeekLocale(int tx, int ty, int w, int h, int stride, int steps) {
  FieldShape shape = {w, h, stride};
  if (!FieldFits(shape, m_grid.Length())) return;
  float* grid = m_grid.Data();
  int distanceField = stride - 1;
  int blockedField = stride - 2;
  for (int x = 0; x <= w; ++x) {
    for (int y = 0; y <= h; ++y) grid[CellBase(shape, x, y) + distanceField] = 0;
  }
  if (tx < 0 || tx > w || ty < 0 || ty > h) return;
  grid[CellBase(shape, tx, ty) + distanceField] = 1;
  for (int pass = 2; pass <= steps; ++pass) {
    for (int x = 0; x <= w; ++x) {
      for (int y = 0; y <= h; ++y) {
        float* cell = grid + CellBase(shape, x, y);
        if (cell[distanceField] != 0 || cell[blockedField] != 0) continue;
        if (HasNeighbourAt(grid, shape, x, y, static_cast<float>(pass - 1))) {
          cell[distanceField] = static_cast<float>(pass);
        }
      }
    }
  }
}

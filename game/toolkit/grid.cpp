// Playfield grid geometry: the tile edge and top-left corner that fit a w x h grid of
// square cells into the virtual screen (or into the part left of the score panel),
// centred. Sizes whose cells would not fit the grid table, or that are not positive,
// are refused so a game never divides by zero or indexes past the table.
#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"

namespace {

constexpr int kGridFloatsPerCell = 10;

// Games index cells x = 0..w and y = 0..h at (y*w + x)*10, so the last float they touch
// is that of cell (w, h).
bool GridFits(const c_MyApp& app, int w, int h) {
  if (w < 1 || h < 1) return false;
  long long lastFloat = (static_cast<long long>(h) * w + w) * kGridFloatsPerCell +
                        kGridFloatsPerCell - 1;
  return lastFloat < app.m_grid.Length();
}

void FitGrid(c_MyApp& app, int w, int h, float areaWidth) {
  if (!GridFits(app, w, h)) return;
  app.m_gridW = w;
  app.m_gridH = h;
  float widthLimited = areaWidth / w;
  float heightLimited = zr_TinselJumble_jscrh / h;
  app.m_tileSize = widthLimited < heightLimited ? widthLimited : heightLimited;
  app.m_tileScale = app.m_tileSize * 0.03125f;
  app.m_gridX = areaWidth / 2 - w * app.m_tileSize / 2;
  app.m_gridY = zr_TinselJumble_jscrh / 2 - h * app.m_tileSize / 2;
}

}  // namespace

void c_MyApp::p_SetGrid(int w, int h) { FitGrid(*this, w, h, zr_TinselJumble_jscrw); }

void c_MyApp::p_SetGrid_Crop(int w, int h) {
  FitGrid(*this, w, h, zr_TinselJumble_jscrw - m_panelWidth);
}

// The strip of 26 game tiles along the bottom of the menu, one column per game. The
// offered tile rises and grows with its neighbours stepping down around it, each tile
// easing a sixth of the way to its place per frame; a locked tile sinks dim with a
// padlock picture. Touching a column offers that game.
#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"

namespace {

constexpr int kGameCount = 26;
// Ten floats per tile t from 10 x t: the eased scale and y, and where they are heading.
constexpr int kTileStride = 10;
constexpr int kScale = 1;
constexpr int kY = 2;
constexpr int kTargetScale = 5;
constexpr int kTargetY = 6;

constexpr int kTileSheet = 70;
constexpr int kLockedTilePicture = 63;
constexpr int kClickSound = 99;

struct TilePlace {
  float scale;
  float rise;  // above the bottom edge
};

// By distance from the offered tile; farther tiles take the last place.
constexpr TilePlace kPlaces[] = {{1.0f, 140}, {0.7f, 120}, {0.5f, 110}, {0.3f, 100}};
constexpr float kLockedRise = 60;

}  // namespace

void c_MyApp::p_MenuTiles() {
  float screenW = zr_TinselJumble_jscrw;
  float screenH = zr_TinselJumble_jscrh;
  int tileW = static_cast<int>((screenW - m_menuPanelW) / 28);
  m_tileW = static_cast<float>(tileW);
  int openGames = p_OpenGames();
  int offered = m_menuGame;

  for (int tile = 1; tile <= kGameCount; ++tile) {
    int base = tile * kTileStride;
    float x = static_cast<float>(tile * tileW);
    bool open = tile <= openGames;
    int distance = tile > offered ? tile - offered : offered - tile;
    const TilePlace& place = kPlaces[distance < 3 ? distance : 3];
    if (distance == 0) p_SetBG(tile % 7 + 1, 0.25f);
    m_tiles[base + kTargetScale] = place.scale;
    m_tiles[base + kTargetY] = screenH - (open ? place.rise : kLockedRise);
    m_tiles[base + kScale] += (m_tiles[base + kTargetScale] - m_tiles[base + kScale]) / 6;
    m_tiles[base + kY] += (m_tiles[base + kTargetY] - m_tiles[base + kY]) / 6;
    float y = m_tiles[base + kY];

    p_ResetDraw();
    p_Ink(tile % 7 + 1, open ? m_tiles[base + kScale] : 0.2f);
    p_Rect(x + 1, y + 16, static_cast<float>(tileW - 2), 180);
    p_SetCol(255, 255, 255, 0.25f);
    p_Rect(x, y + 14, static_cast<float>(tileW), 5);
    p_Rect(x - 1, y + 15, static_cast<float>(tileW + 2), 3);
    p_ResetDraw();
    float picture = static_cast<float>(open ? tile - 1 : kLockedTilePicture);
    if (distance == 0) {
      p_SetSize(2);
      p_DrawImg(kTileSheet, x + tileW / 2.0f, y - 14, picture);
    } else {
      p_SetSize(0.5f);
      p_Alpha(0.5f);
      p_DrawImg(kTileSheet, x + tileW / 2.0f, y + 8, picture);
    }

    if (tile != m_menuGame && p_MouseIn(x + 1, screenH - 160, static_cast<float>(tileW - 2), 160)) {
      m_menuGame = tile;
      p_PlaySFX(kClickSound, tile / 26.0f + 0.5f, 0.8f, 0);
    }
  }
  p_ResetDraw();
}

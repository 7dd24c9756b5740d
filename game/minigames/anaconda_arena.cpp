// Game A, "Anaconda Arena": four snakes crawl over a walled grid. Running into a wall or
// any body kills; a pill adds length. Bodies are cells with a life in frames that counts
// down, so a snake's length is the life each new head cell gets and the tail vanishes by
// itself. The score is the number of frames survived; the round ends a second after at
// most one snake is left.
#include "game/shell/my_app.h"
#include "runtime/random.h"

namespace {

// Grid: 40 x 20 playing cells plus the border column and row; cell fields.
const int kColumns = 40;
const int kRows = 20;
const int kCellStride = 10;
const int kContent = 0;
const int kLife = 1;
const int kPill = 20;
const int kPillLife = 2400;
const int kMostPills = 8;

// Player fields.
const int kStride = 100;
const int kHeadX = 3;
const int kHeadY = 4;
const int kDirection = 5;  // 1 up, 2 right, 3 down, 4 left
const int kLength = 21;    // life in frames given to each new head cell
const int kAlive = 99;

// Game-wide values kept in player 0's row.
const int kMoveTimer = 20;
const int kEndTimer = 25;
const int kPillsOnBoard = 30;
const int kPillsCounted = 31;
const int kHumansAlive = 66;
const int kHumansAlivePreviously = 67;

const int kUp = 1, kRight = 2, kDown = 3, kLeft = 4;
const int kStartLength = 60;
const int kPillGrowth = 40;

struct SnakeStart {
  int headX, headY, direction, iconX, iconY;
};
const SnakeStart kStarts[4] = {
    {10, 5, kRight, 10, 5},
    {30, 5, kLeft, 30, 15},
    {10, 15, kLeft, 30, 5},
    {30, 15, kRight, 10, 15},
};

}  // namespace

float& c_MyApp::p_CellA(int x, int y, int field) { return m_grid[(x + y * m_gridW) * kCellStride + field]; }

void c_MyApp::p_LoadGame_A() {
  p_FreshGame();
  p_SetGrid(kColumns, kRows);
  for (int x = 0; x <= kColumns; ++x) {
    for (int y = 0; y <= kRows; ++y) {
      bool border = x == 0 || y == 0 || x == kColumns || y == kRows;
      p_CellA(x, y, kContent) = border ? 4 : 0;
      p_CellA(x, y, kLife) = border ? 10 : 0;
    }
  }
  for (int p = 0; p < 4; ++p) {
    const SnakeStart& start = kStarts[p];
    p_Start(p, static_cast<int>(m_gridX + start.iconX * m_tileSize), static_cast<int>(m_gridY + start.iconY * m_tileSize));
    m_players[p * kStride + kHeadX] = static_cast<float>(start.headX);
    m_players[p * kStride + kHeadY] = static_cast<float>(start.headY);
    m_players[p * kStride + kDirection] = static_cast<float>(start.direction);
    m_players[p * kStride + kLength] = kStartLength;
  }
  m_introTimer = 160;
  m_mode = 10;
}

void c_MyApp::p_Game_A() {
  float dx = (m_camX - m_camTargetX) / 8;
  float dy = (m_camY - m_camTargetY) / 8;
  m_camX -= dx;
  m_camY -= dy;
  p_DoSnow(dx, dy);

  m_players[kPillsOnBoard] = m_players[kPillsCounted];
  m_players[kPillsCounted] = 0;
  p_DrawAndAgeCellsA();

  m_players[kHumansAlivePreviously] = m_players[kHumansAlive];
  m_players[kHumansAlive] = 0;
  m_players[kMoveTimer] += 1;
  if (m_players[kHumansAlivePreviously] == 0) m_players[kMoveTimer] += 3;
  if (m_players[kMoveTimer] > 6) m_players[kMoveTimer] = 0;
  bool moveFrame = m_players[kMoveTimer] == 0;

  int alive = 0;
  for (int p = 0; p < 4; ++p) {
    int row = p * kStride;
    if (m_players[row + kAlive] > 0) {
      ++alive;
      if (m_pad[p] != 0) m_players[kHumansAlive] += 1;
    }
    if (m_introTimer > 0) {
      int headX = static_cast<int>(m_players[row + kHeadX]);
      int headY = static_cast<int>(m_players[row + kHeadY]);
      p_CellA(headX, headY, kContent) = static_cast<float>(p + 1);
      p_CellA(headX, headY, kLife) = m_players[kLength];
    } else if (m_players[row + kAlive] > 0 && moveFrame) {
      p_MoveSnakeA(p);
    }
  }

  if (alive < 2) {
    m_players[kEndTimer] += 1;
    if (m_players[kEndTimer] > 60) m_roundOver = 1;
  }
  p_DoParticles(1);
  p_ScoreDisplay(0, 1);
}

// Counts and sprouts pills, draws every occupied cell, ages it, and repaints the border
// in the four player colours.
void c_MyApp::p_DrawAndAgeCellsA() {
  for (int x = 0; x <= kColumns; ++x) {
    for (int y = 0; y <= kRows; ++y) {
      float& content = p_CellA(x, y, kContent);
      float& life = p_CellA(x, y, kLife);
      if (content == kPill) m_players[kPillsCounted] += 1;
      if (content == 0 && m_players[kPillsOnBoard] < kMostPills) {
        if (zr_random_Rnd() * 6400 < 1 && x >= 2 && y >= 2 && x < kColumns - 1 && y < kRows - 1) {
          content = kPill;
          life = kPillLife;
          m_players[kPillsOnBoard] += 1;
          // A new pill counts at once: next frame's limit starts from this count, and a
          // pill left out of it would let a ninth one sprout.
          m_players[kPillsCounted] += 1;
        }
      }
      if (content > 0) {
        int code = static_cast<int>(content) - 1;
        bool deadBody = content >= 1 && content <= 4 && m_players[code * kStride + kAlive] <= 0;
        p_Alpha(deadBody ? 0.6f : 1.0f);
        p_SetSize(m_tileScale);
        p_DrawImg(code / 64, m_gridX + x * m_tileSize, m_gridY + y * m_tileSize, static_cast<float>(code % 64));
        life -= 1;
        if (life < 1) {
          content = 0;
          life = 0;
        }
      }
      if (x == 0 || y == 0 || x == kColumns || y == kRows) {
        content = static_cast<float>((x + y) % 4 + 1);
        life = 10;
      }
    }
  }
  p_ResetDraw();
}

// One step of a living snake: move, read the stick or think, then see what the head hit.
void c_MyApp::p_MoveSnakeA(int p) {
  int row = p * kStride;
  int direction = static_cast<int>(m_players[row + kDirection]);
  int headX = static_cast<int>(m_players[row + kHeadX]);
  int headY = static_cast<int>(m_players[row + kHeadY]);
  if (direction == kUp) headY -= 1;
  if (direction == kRight) headX += 1;
  if (direction == kDown) headY += 1;
  if (direction == kLeft) headX -= 1;
  m_players[row + kHeadX] = static_cast<float>(headX);
  m_players[row + kHeadY] = static_cast<float>(headY);

  // The stick only turns by a right angle from the heading the snake moved in, so a
  // snake can never reverse into its neck: every check tests that heading, never one an
  // earlier check has just set (a diagonal would otherwise turn twice, up then back).
  if (m_pad[p] >= -1) {
    float stickX = p_Control(1, p);
    float stickY = p_Control(2, p);
    bool vertical = direction == kUp || direction == kDown;
    if (stickX < -0.3f && vertical) direction = kLeft;
    if (stickY < -0.3f && !vertical) direction = kUp;
    if (stickX > 0.3f && vertical) direction = kRight;
    if (stickY > 0.3f && !vertical) direction = kDown;
  }
  if (m_pad[p] == 0) direction = p_SteerSnakeA(headX, headY, direction);
  m_players[row + kDirection] = static_cast<float>(direction);

  float& content = p_CellA(headX, headY, kContent);
  float& life = p_CellA(headX, headY, kLife);
  if (content != 0 && content != kPill) {
    m_players[row + kAlive] = 0;
    p_PlaySFX(4);
    p_PlaySFX(6);
    return;
  }
  if (content == kPill) {
    p_PlaySFX(14);
    content = static_cast<float>(p + 1);
    life = m_players[row + kLength];
    m_players[row + kLength] += kPillGrowth;
    p_BadgeFeat(p, m_players[row + kLength]);
    return;
  }
  content = static_cast<float>(p + 1);
  life = m_players[row + kLength];
}

// The computer's choice of direction: measure the free runs around the head, turn away
// from short runs towards the longest, and go for a pill in plain view.
int c_MyApp::p_SteerSnakeA(int headX, int headY, int direction) {
  int runUp = 0, runDown = 0, runLeft = 0, runRight = 0, pillDirection = 0;
  p_Rand(3, 5);  // drawn and not used: the sequence of random numbers depends on it
  p_Rand(1, 2);
  auto freeCell = [&](int x, int y) {
    float content = p_CellA(x, y, kContent);
    return content == 0 || content == kPill;
  };
  auto isPill = [&](int x, int y) { return p_CellA(x, y, kContent) == kPill; };
  for (int k = 1; k <= 8; ++k) {
    if (headX + k < kColumns && runRight == k - 1 && freeCell(headX + k, headY)) {
      runRight = k;
      if (isPill(headX + k, headY)) pillDirection = kRight;
    }
    if (headX - k >= 1 && runLeft == k - 1 && freeCell(headX - k, headY)) {
      runLeft = k;
      if (isPill(headX - k, headY)) pillDirection = kLeft;
    }
    if (headY + k < kRows && runDown == k - 1 && freeCell(headX, headY + k)) {
      runDown = k;
      if (isPill(headX, headY + k)) pillDirection = kDown;
    }
    if (headY - k >= 1 && runUp == k - 1 && freeCell(headX, headY - k)) {
      runUp = k;
      if (isPill(headX, headY - k)) pillDirection = kUp;
    }
  }
  int coin = p_Rand(1, 2);
  int whim = p_Rand(0, 4);
  if (zr_random_Rnd() * 2 < 1) {
    for (int* run : {&runUp, &runDown, &runLeft, &runRight})
      if (*run < 2) *run = 2;
  }
  auto chooseSideways = [&]() {
    direction = 2 * coin;
    if (runRight < runLeft) direction = kLeft;
    if (runLeft < runRight) direction = kRight;
    if (runLeft < runUp && runRight < runUp) direction = kUp;
    if (runDown > runLeft && runDown > runRight) direction = kDown;
  };
  auto chooseUpOrDown = [&]() {
    direction = 2 * coin - 1;
    if (runDown < runUp) direction = kUp;
    if (runUp < runDown) direction = kDown;
    if (runUp < runLeft && runDown < runLeft) direction = kLeft;
    if (runRight > runUp && runRight > runDown) direction = kRight;
  };
  if (direction == kUp && (runUp < 4 || whim == 1)) chooseSideways();
  if (direction == kRight && (runRight < 4 || whim == 1)) chooseUpOrDown();
  if (direction == kDown && (runDown < 4 || whim == 1)) chooseSideways();
  if (direction == kLeft && (runLeft < 4 || whim == 1)) chooseUpOrDown();

  if (pillDirection == kUp && direction != kDown) direction = kUp;
  if (pillDirection == kDown && direction != kUp) direction = kDown;
  if (pillDirection == kRight && direction != kLeft) direction = kRight;
  if (pillDirection == kLeft && direction != kRight) direction = kLeft;
  return direction;
}

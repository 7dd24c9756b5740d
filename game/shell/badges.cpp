// Badges on screen: the names and details, the popups that slide in from the left when a
// badge is earned, the scrolling panel that lists every badge with its picture, and the
// two hooks where a platform's score and achievement service would be told (this
// platform has none). Popups earned together come one after another, each with a chime.
#include <algorithm>

#include "game/shell/badge_table.h"
#include "game/shell/my_app.h"
#include "game/toolkit/actions.h"
#include "game/shell/virtual_screen.h"

namespace {
const int kPopupSlots = 13;
const int kPopupEnd = 240;
// A popup waits this many frames behind the one earned just before it.
const int kPopupGap = 40;
const int kBadgeAnimation = 80;  // image id of the turning medal
const int kMedalFrames = 64;
const int kBadgePictures = 81;  // image id of the badge pictures, frame = id - 128
const int kChimeSound = 95;

// The panel's rows.
const float kListTop = 64;
const float kRowHeight = 40;
const float kListBottomMargin = 16;
const int kIcons = 97;
const int kCloseIcon = 9;
const int kCloseSound = 99;
}  // namespace

String c_MyApp::p_BadgeID(int id) {
  if (id == 0) return String("Test Badge|This is a Test Badge which has no purpose.");
  const BadgeInfo* badge = zr_badges_Find(id);
  if (badge == nullptr) return String();
  return String(badge->name) + String("|") + String(badge->detail);
}

String c_MyApp::p_BadgeName(int id) {
  String entry = p_BadgeID(id);
  int bar = entry.Find(String("|"));
  return bar < 0 ? String() : entry.Slice(0, bar);
}

String c_MyApp::p_BadgeDetail(int id) {
  String entry = p_BadgeID(id);
  int bar = entry.Find(String("|"));
  return bar < 0 ? String() : entry.Slice(bar + 1);
}

// The lowest free slot shows the popup, a gap after the popup that shows last. A waiting
// popup's timer is minus the number of updates until it shows (-1 and 1 both show at
// the next one); a shown popup's timer counts up from 1. With every slot in use the
// badge is kept without a popup.
void c_MyApp::p_QueueBadgePopup(int id) {
  int lastShowsIn = -kPopupEnd;
  int freeSlot = -1;
  for (int slot = 0; slot < kPopupSlots; ++slot) {
    int timer = m_keyTimerB[slot];
    if (timer == 0 && freeSlot < 0) freeSlot = slot;
    if (timer != 0) lastShowsIn = std::max(lastShowsIn, timer < 0 ? -timer : 2 - timer);
  }
  if (freeSlot < 0) return;
  int showsIn = lastShowsIn + kPopupGap;
  m_keyTimerA[freeSlot] = id;
  m_keyTimerB[freeSlot] = showsIn <= 1 ? 1 : -showsIn;
}

void c_MyApp::p_ShowBadges() {
  for (int slot = 0; slot < kPopupSlots; ++slot) {
    int timer = m_keyTimerB[slot];
    if (timer == 0) continue;
    if (timer < 0) {
      // Waiting its turn unseen; where 0 would free the slot it shows instead.
      if (++timer < 0) {
        m_keyTimerB[slot] = timer;
        continue;
      }
      timer = 1;
    }
    if (timer == 1) p_PlaySFX(kChimeSound);
    ++timer;
    if (timer > kPopupEnd) {
      m_keyTimerB[slot] = 0;
      continue;
    }
    m_keyTimerB[slot] = timer;
    // Slides in over ten steps, stays, and slides out over the last ten.
    int offset = timer > kPopupEnd - 10 ? 16 * (kPopupEnd - timer) - 160 : 16 * timer - 160;
    if (offset > 0) offset = 0;
    float top = zr_TinselJumble_jscrh - 34.0f * (slot + 1);
    int id = m_keyTimerA[slot];
    p_SetCol(0, 0, 80, 0.8f);
    p_Rect(static_cast<float>(offset), top, 160, 32);
    // The name starts inside the box's left edge, above a line saying what it is.
    p_SetCol(255, 255, 255, 1);
    p_Text(offset + 4.0f, top + 10, p_BadgeName(id), 0, 1);
    p_SetCol(255, 215, 80, 1);
    p_Text(offset + 4.0f, top + 23, String("New badge!"), 0, 1);
    p_SetCol(255, 255, 255, 1);
    p_SetSize(0.5f);
    // The medal turns once, then shows the badge's own picture.
    if (timer < kMedalFrames)
      p_DrawImg(kBadgeAnimation, offset + 144.0f, top + 16, static_cast<float>(timer));
    else if (zr_badges_Find(id) != nullptr)
      p_DrawImg(kBadgePictures, offset + 144.0f, top + 16, static_cast<float>(id - kFirstBadge));
    p_SetSize(1);
  }
}

void c_MyApp::p_BadgesBox() {
  float width = zr_TinselJumble_jscrw;
  float height = zr_TinselJumble_jscrh;
  p_SetCol(255, 125, 0, 0.8f);
  p_Rect(0.1f * width, -1, 0.8f * width, height + 2);
  p_SetCol(100, 0, 0, 0.8f);
  p_Rect(0.12f * width, -1, 0.76f * width, height + 2);
  p_SetCol(255, 255, 255, 1);

  for (int source = -1; source <= 3; ++source) {
    if (p_PlayKey(kDown, 1, source)) m_badgeScrollTarget -= 16;
    if (p_PlayKey(kUp, 1, source)) m_badgeScrollTarget += 16;
  }
  if (m_touching && m_mouseX > 0.12f * width) m_badgeScrollTarget -= 1.5f * (m_mouseY - m_pressY);
  if (m_badgeScrollTarget > 0) m_badgeScrollTarget = 0;
  // Nor does it scroll past the last row.
  float listHeight = kListTop + kBadgeCount * kRowHeight + kListBottomMargin;
  float lowest = height - listHeight < 0 ? height - listHeight : 0;
  if (m_badgeScrollTarget < lowest) m_badgeScrollTarget = lowest;

  float remaining = m_badgeScrollTarget - m_badgeScroll;
  m_badgeScroll = (remaining > -6 && remaining < 6) ? m_badgeScrollTarget : m_badgeScroll + remaining / 6;

  int held = 0;
  for (int n = 0; n < kBadgeCount; ++n) held += m_flags[zr_badges_At(n).id] ? 1 : 0;
  p_SetSize(2);
  p_Text(width / 2, 24 + m_badgeScroll, String("Badges"));
  p_SetSize(1);
  p_Text(width / 2, 46 + m_badgeScroll, String(held) + String(" of ") + String(kBadgeCount) + String(" earned"));

  // Only the rows on screen are drawn: all of them would overflow the draw list.
  float left = 0.12f * width + 8;
  for (int n = 0; n < kBadgeCount; ++n) {
    float rowTop = kListTop + n * kRowHeight + m_badgeScroll;
    if (rowTop + kRowHeight < 0 || rowTop > height) continue;
    int id = zr_badges_At(n).id;
    bool earned = m_flags[id];
    // A badge not yet earned shows as a dark shape with its texts greyed.
    if (earned)
      p_SetCol(255, 255, 255, 1);
    else
      p_SetCol(40, 40, 70, 0.7f);
    p_SetSize(0.5f);
    p_DrawImg(kBadgePictures, left + 20, rowTop + kRowHeight / 2, static_cast<float>(id - kFirstBadge));
    p_SetSize(1.5f);
    if (earned)
      p_SetCol(255, 215, 80, 1);
    else
      p_SetCol(150, 150, 170, 1);
    p_Text(left + 40, rowTop + 12, p_BadgeName(id), 0, 1);
    p_SetSize(1);
    if (earned) p_SetCol(255, 255, 255, 1);
    p_Text(left + 40, rowTop + 29, p_BadgeDetail(id), 0, 1);
  }
  p_ResetDraw();

  p_SetSize(0.75f);
  int closeHit = p_Button(kIcons, 0.88f * width - 18, 18, kCloseIcon);
  p_ResetDraw();
  if (closeHit && m_pointerLatch == 0) {
    m_badgesOpen = 0;
    m_pointerLatch = 1;
    p_PlaySFX(kCloseSound);
  }
}

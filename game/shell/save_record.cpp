// The saved record: settings, the 256 game flags (the badges) and every game's two
// highscore lists, written as "|"-separated decimal fields in blocks that each end with
// a checksum. Loading checks each block on its own: a damaged block is reset with a
// message on the console and the others still load, so one bad byte never costs a
// player everything. Checksums are 32-bit sums that wrap around.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "game/shell/globals.h"
#include "game/shell/my_app.h"
#include "runtime/containers.h"
#include "runtime/diagnostics.h"

namespace {

const int kSettings = 25;
const int kFlagWords = 8;
const int kGameRows = 26;
const int kWrittenRows = 31;  // five more than there are games; never read back
const int kPlaces = 10;
const int kLastScores = 260;  // offset of the last-scores lists in the highscore table

// Checksums wrap around at 32 bits: they are summed unsigned and compared as signed.
uint32_t times(int a, int b) { return static_cast<uint32_t>(a) * static_cast<uint32_t>(b); }
int asSigned(uint32_t sum) { return static_cast<int32_t>(sum); }

// A field as the record stores it: at most 63 low bytes, read like atoi.
int readField(const Array<String>& parts, int index) {
  std::string text = parts[index].ToNarrow();
  if (text.size() > 63) text.resize(63);
  return std::atoi(text.c_str());
}

uint32_t rowChecksumTerm(int row, int place, int top, int last) {
  return times(place + 4, top) + times(row + place + 3, last);
}

}  // namespace

void c_MyApp::p_Save() {
  String record;
  uint32_t settingsSum = 0;
  for (int i = 0; i < kSettings; ++i) {
    record = record + String(m_settings[i]) + String("|");
    settingsSum += times(i, m_settings[i]);
  }
  record = record + String(asSigned(settingsSum)) + String("|");

  uint32_t flagsSum = 0;
  for (int word = 0; word < kFlagWords; ++word) {
    uint32_t bits = 0;
    for (int k = 0; k < 32; ++k)
      if (m_flags[32 * word + k]) bits |= 1u << k;
    record = record + String(asSigned(bits)) + String("|");
    flagsSum += bits;
  }
  record = record + String(asSigned(flagsSum)) + String("|");

  for (int row = 0; row < kWrittenRows; ++row) {
    c_StringStack* pieces = (new c_StringStack)->m_new();
    uint32_t rowSum = 0;
    for (int place = 0; place < kPlaces; ++place) {
      int top = m_highscores[10 * row + place];
      int last = m_highscores[kLastScores + 10 * row + place];
      pieces->p_Push4(String(top) + String("|") + String(last) + String("|"));
      rowSum += rowChecksumTerm(row, place, top, last);
    }
    record = record + pieces->p_Join(String()) + String(asSigned(rowSum)) + String("|");
  }

  if (zr_TinselJumble_DebugMode == 1) zrPrint(record);
  zr_app_SaveState(record);
}

void c_MyApp::p_Load() {
  String text = zr_app_LoadState();
  Array<String> parts = text.Split(String("|"));
  int count = parts.Length();
  int at = 0;
  if (zr_TinselJumble_DebugMode == 1) zrPrint(text);

  if (count > kSettings) {
    uint32_t sum = 0;
    for (int i = 0; i < kSettings; ++i) {
      m_settings[i] = readField(parts, i);
      sum += times(i, m_settings[i]);
    }
    if (readField(parts, kSettings) == asSigned(sum)) {
      zrPrint(String("Settings Loaded"));
    } else {
      zrPrint(String("Settings Checksum Invalid"));
      for (int i = 0; i < kSettings; ++i) m_settings[i] = 0;
      m_settings[5] = 1;
    }
    at = kSettings + 1;
  }

  if (m_settings[10] < 64) m_settings[10] = 64;
  if (m_settings[11] < 64) m_settings[11] = 64;
  if (m_settings[12] < 8) m_settings[12] = 10;
  if (m_settings[14] < 1) m_settings[14] = 64;
  if (zr_TinselJumble_isOuya == 1) {
    zr_TinselJumble_overscan = static_cast<float>(m_settings[14]);
  } else {
    m_settings[14] = 1;
    zr_TinselJumble_overscan = 0.0f;
  }

  if (at + kFlagWords < count) {
    uint32_t sum = 0;
    for (int word = 0; word < kFlagWords; ++word) {
      uint32_t bits = static_cast<uint32_t>(readField(parts, at + word));
      for (int k = 0; k < 32; ++k) m_flags[32 * word + k] = (bits >> k) & 1u;
      sum += bits;
    }
    if (readField(parts, at + kFlagWords) == asSigned(sum)) {
      zrPrint(String("Badges Loaded"));
    } else {
      zrPrint(String("Badge Checksum Invalid"));
      for (int i = 0; i < 32 * kFlagWords; ++i) m_flags[i] = false;
    }
    at += kFlagWords + 1;
  }

  for (int row = 0; row < kGameRows && at + 2 * kPlaces < count; ++row) {
    uint32_t sum = 0;
    for (int place = 0; place < kPlaces; ++place) {
      int top = readField(parts, at + 2 * place);
      int last = readField(parts, at + 2 * place + 1);
      m_highscores[10 * row + place] = top;
      m_highscores[kLastScores + 10 * row + place] = last;
      sum += rowChecksumTerm(row, place, top, last);
    }
    if (readField(parts, at + 2 * kPlaces) == asSigned(sum)) {
      zrPrint(String("Highscore ") + String(row) + String(" Loaded"));
    } else {
      zrPrint(String("Highscore ") + String(row) + String(" Checksum Invalid"));
      for (int place = 0; place < kPlaces; ++place) {
        m_highscores[10 * row + place] = 0;
        m_highscores[kLastScores + 10 * row + place] = 0;
      }
    }
    at += 2 * kPlaces + 1;
  }
}

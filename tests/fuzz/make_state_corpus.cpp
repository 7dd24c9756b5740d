// Writes the seed corpus of the saved-record fuzzer: records the game saves, and the damage
// a real state file meets. Usage: make_state_corpus FOLDER.
#include <cstdio>
#include <string>

#include "game/shell/my_app.h"
#include "host/headless_game.h"

namespace {

class RecordingHost : public ZrHeadlessGame {
 public:
  int SaveState(String state) override {
    saved = state.ToUtf8();
    return 0;
  }
  std::string saved;
};

void writeFile(const std::string& path, const std::string& bytes) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

// The text up to and including the bar that ends the given field (counted from 1).
std::string firstFields(const std::string& record, int count) {
  size_t at = 0;
  for (int i = 0; i < count && at != std::string::npos; ++i) at = record.find('|', at) + 1;
  return record.substr(0, at);
}

std::string utf16WithMark(const std::string& ascii) {
  std::string bytes = "\xff\xfe";
  for (char c : ascii) bytes += std::string{c, '\0'};
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_state_corpus FOLDER\n");
    return 1;
  }
  std::string folder = argv[1];
  RecordingHost* host = new RecordingHost;
  c_MyApp* app = (new c_MyApp)->m_new();
  app->p_Save();
  std::string fresh = host->saved;

  for (int i = 0; i < 25; ++i) app->m_settings[i] = i * 37 - 200;
  app->m_settings[10] = 300, app->m_settings[11] = 200, app->m_settings[12] = 12, app->m_settings[14] = 1;
  for (int i = 0; i < 256; ++i) app->m_flags[i] = (i * 7) % 3 == 0 || i % 32 == 31;
  for (int i = 0; i < 520; ++i) app->m_highscores[i] = (i * 7919) % 100000;
  app->p_Save();
  std::string full = host->saved;

  std::string changedDigit = full;
  size_t row3 = firstFields(full, 26 + 9 + 3 * 21 + 4).size();
  changedDigit[row3] = changedDigit[row3] == '7' ? '8' : '7';
  std::string latin1 = full;
  latin1.insert(firstFields(full, 40).size(), "\xe9");

  writeFile(folder + "/record_fresh", fresh);
  writeFile(folder + "/record_full", full);
  writeFile(folder + "/record_cut_after_badges", firstFields(full, 26 + 9));
  writeFile(folder + "/record_changed_digit", changedDigit);
  writeFile(folder + "/record_latin1_byte", latin1);
  writeFile(folder + "/record_utf16", utf16WithMark(full));
  writeFile(folder + "/empty", "");
  std::printf("wrote 7 seeds to %s\n", folder.c_str());
  delete host;
  return 0;
}

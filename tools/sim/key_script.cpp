// Reading the key script. Codes outside the device's key range are refused, so a script
// can't press keys the game never sees.
#include "tools/sim/key_script.h"

#include <fstream>
#include <sstream>

namespace {
const int kLowestKey = 1;
const int kHighestKey = 511;
}  // namespace

std::string KeyScript::Load(const std::string& path) {
  std::ifstream file(path);
  if (!file) return "cannot read key script " + path;
  std::stringstream text;
  text << file.rdbuf();
  return Parse(text.str());
}

std::string KeyScript::Parse(const std::string& text) {
  m_lines.clear();
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::vector<int> held;
    std::string word;
    while (words >> word) {
      size_t used = 0;
      int key = 0;
      try {
        key = std::stoi(word, &used);
      } catch (...) {
        used = 0;
      }
      if (used != word.size() || key < kLowestKey || key > kHighestKey)
        return "key script line " + std::to_string(m_lines.size() + 1) + ": bad key code " + word;
      held.push_back(key);
    }
    m_lines.push_back(held);
  }
  return "";
}

const std::vector<int>& KeyScript::HeldAt(int update) const {
  static const std::vector<int> kNothing;
  if (update < 0 || update >= static_cast<int>(m_lines.size())) return kNothing;
  return m_lines[update];
}

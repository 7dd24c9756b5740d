// Scripted keyboard input for the headless runner: one line per update, listing the
// virtual key codes held during that update, separated by spaces. Lines past the end of
// the script hold nothing.
#pragma once

#include <string>
#include <vector>

class KeyScript {
 public:
  // Reads the script; returns "" on success, else what was wrong (with the line number).
  std::string Load(const std::string& path);
  std::string Parse(const std::string& text);

  // The keys held during the given update (0-based).
  const std::vector<int>& HeldAt(int update) const;

 private:
  std::vector<std::vector<int>> m_lines;
};

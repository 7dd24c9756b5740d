// Reading the mappings files. The database skips lines that do not start with a device
// id without a word, so the shape is checked here first, and every line goes to the
// database on its own, so that a refused one can be counted.
#include "runtime/input/gamepad_mappings.h"

#include <cctype>
#include <sstream>

#include "host/zr_game.h"
#include "runtime/diagnostics.h"

namespace {

const char* const kMappingFiles[] = {"quillo://data/gamepad_mappings.txt", "./gamepad_mappings.txt"};
constexpr size_t kDeviceIdDigits = 32;

bool isMappingShaped(const std::string& line) {
  if (line.size() <= kDeviceIdDigits || line[kDeviceIdDigits] != ',') return false;
  for (size_t i = 0; i < kDeviceIdDigits; ++i)
    if (!std::isxdigit(static_cast<unsigned char>(line[i]))) return false;
  return true;
}

}  // namespace

void AddGamepadMappings(JoystickDevices& devices, const String& text, const String& fileName) {
  std::istringstream lines(text.ToUtf8());
  std::string line;
  int lineNumber = 0, read = 0, skipped = 0, firstSkipped = 0;
  while (std::getline(lines, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] == '#') continue;
    line = line.substr(start);
    if (isMappingShaped(line) && devices.AddGamepadMapping(line)) {
      ++read;
    } else if (++skipped == 1) {
      firstSkipped = lineNumber;
    }
  }
  if (read == 0 && skipped == 0) return;  // only comments
  String report = String("Gamepad mappings: ") + String(read) + String(" read from ") + fileName;
  if (skipped > 0)
    report += String(", ") + String(skipped) + String(" skipped (the first on line ") + String(firstSkipped) +
              String(")");
  zrPrint(report);
}

void ReadGamepadMappingFiles(ZrGame* host, JoystickDevices& devices) {
  if (!host) return;
  for (const char* file : kMappingFiles) {
    String text = host->LoadString(String(file));
    if (!text.IsEmpty()) AddGamepadMappings(devices, text, host->PathToFilePath(String(file)));
  }
}

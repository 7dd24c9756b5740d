// Parsing of the runner's arguments. Every number is checked for range so that a typo
// gives the usage line instead of a run that silently means something else.
#include "tools/sim/sim_options.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

const char* const kSimUsage =
    "usage: tinsel-sim [--game N | --party TARGET] [--seed S] [--date YYYY-MM-DD] [--frames F] "
    "[--seats a,b,c,d] [--keys FILE]";

namespace {

bool parseLong(const std::string& text, long low, long high, long& value) {
  if (text.empty()) return false;
  errno = 0;
  char* end = nullptr;
  long parsed = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || parsed < low || parsed > high) return false;
  value = parsed;
  return true;
}

bool parseDate(const std::string& text, SimOptions& options) {
  int year = 0, month = 0, day = 0;
  char tail = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &year, &month, &day, &tail) != 3) return false;
  static const int kDaysInMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 1970 || month < 1 || month > 12 || day < 1 || day > kDaysInMonth[month - 1]) return false;
  options.year = year;
  options.month = month;
  options.day = day;
  return true;
}

bool parseSeats(const std::string& text, SimOptions& options) {
  size_t start = 0;
  for (int seat = 0; seat < 4; ++seat) {
    size_t comma = text.find(',', start);
    bool last = seat == 3;
    if (last != (comma == std::string::npos)) return false;
    long source = 0;
    if (!parseLong(text.substr(start, last ? std::string::npos : comma - start), -1, 4, source)) return false;
    options.seats[seat] = static_cast<int>(source);
    start = comma + 1;
  }
  return true;
}

}  // namespace

std::string ParseSimOptions(const std::vector<std::string>& arguments, SimOptions& options) {
  bool framesGiven = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& name = arguments[i];
    if (i + 1 >= arguments.size()) return "missing value after " + name;
    const std::string& value = arguments[++i];
    long number = 0;
    if (name == "--game") {
      if (!parseLong(value, 0, 26, number)) return "--game takes 0..26";
      options.game = static_cast<int>(number);
    } else if (name == "--party") {
      if (!parseLong(value, 1, 100, number)) return "--party takes a target of 1..100 points";
      options.partyTarget = static_cast<int>(number);
    } else if (name == "--seed") {
      if (!parseLong(value, 0, 4294967295L, number)) return "--seed takes 0..4294967295";
      options.seed = static_cast<unsigned>(number);
      options.seedGiven = true;
    } else if (name == "--date") {
      if (!parseDate(value, options)) return "--date takes YYYY-MM-DD";
    } else if (name == "--frames") {
      if (!parseLong(value, 1, 100000000, number)) return "--frames takes a positive count";
      options.frames = static_cast<int>(number);
      framesGiven = true;
    } else if (name == "--seats") {
      if (!parseSeats(value, options)) return "--seats takes four sources from -1..4";
    } else if (name == "--keys") {
      options.keysFile = value;
    } else {
      return "unknown argument " + name;
    }
  }
  if (options.partyTarget > 0 && options.game >= 0) return "--game and --party do not go together";
  if (options.partyTarget > 0 && !framesGiven) options.frames = kPartyFrames;
  return "";
}

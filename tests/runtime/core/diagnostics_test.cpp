// The print and fatal-error paths, run in a child process with piped input.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct Outcome {
  int status;
  std::string out;
};

// Runs the probe with the given arguments and standard input; captures standard output.
Outcome runProbe(const std::string& args, const std::string& input) {
  std::string command = "printf '%s' '" + input + "' | " + FATAL_ERROR_PROBE + " " + args + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  Outcome outcome{-1, ""};
  if (!pipe) return outcome;
  char buffer[512];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) outcome.out.append(buffer, n);
  int raw = pclose(pipe);
  outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return outcome;
}

}  // namespace

TEST(DiagnosticsTest, EmptyErrorQuitsSilently) {
  Outcome o = runProbe("''", "");
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out, "");
}

TEST(DiagnosticsTest, FatalErrorPrintsAndAnswersThePrompt) {
  struct Case {
    const char* input;
    int status;
    const char* out;
  } cases[] = {
      {"q\n", 0, "Quillo Runtime Error : Boom\n"},
      {"x marks\n", 255, "Quillo Runtime Error : Boom\n????? x marks ?????\n"},
      {"", 255, "Quillo Runtime Error : Boom\n"},          // end of input
      {"q", 255, "Quillo Runtime Error : Boom\n"},         // a line without a newline
      {"?\nq\n", 0, "Quillo Runtime Error : Boom\n"},      // "?" reads the next command
      {"@0\nq\n", 0, "Quillo Runtime Error : Boom\n"},     // a null object address
      {"@7fff1234\nq\n", 0, "Quillo Runtime Error : Boom\n"},  // an unknown address is not touched
      {"r\nq\n", 0, "Quillo Runtime Error : Boom\nQuillo Runtime Error : Boom\n"},  // never returns
  };
  for (const Case& c : cases) {
    Outcome o = runProbe("Boom", c.input);
    EXPECT_EQ(o.status, c.status) << c.input;
    EXPECT_EQ(o.out, c.out) << c.input;
  }
}

TEST(DiagnosticsTest, DebugStopReturnsOnRunOrStep) {
  for (const char* command : {"r\n", "s\n", "e\n", "l\n"}) {
    Outcome o = runProbe("--stop", command);
    EXPECT_EQ(o.status, 0) << command;
    EXPECT_EQ(o.out, "back\n") << command;
  }
}

TEST(DiagnosticsTest, PrintWritesUtf8Lines) {
  Outcome o = runProbe("--print caf", "");
  EXPECT_EQ(o.out, "caf\xc3\xa9\n");
}

// Starts "xdg-open <url>" detached: a short-lived middle child forks the opener and exits
// at once, so the opener is adopted by init and never lingers as a zombie of the game,
// and the game never waits for the browser. The argument vector is built before forking
// so the children only fork, exec and exit.
#include "host/url_opener.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

bool zr_host_OpenUrl(const std::string& url) {
  if (url.empty()) return false;
  char program[] = "xdg-open";
  std::string argument = url;
  char* const arguments[] = {program, argument.data(), nullptr};
  pid_t middle = ::fork();
  if (middle < 0) return false;
  if (middle == 0) {
    pid_t opener = ::fork();
    if (opener == 0) {
      ::execvp(program, arguments);
      ::_exit(127);
    }
    ::_exit(opener < 0 ? 1 : 0);
  }
  int status = 0;
  pid_t waited;
  do {
    waited = ::waitpid(middle, &status, 0);
  } while (waited < 0 && errno == EINTR);
  if (waited < 0) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// tinsel-sim: runs the real game with no window, GL or sound card, a fixed date, a clock
// that counts updates and an optional seed, so a run can be repeated exactly. It can
// start one game as the menu would (through mode 11) and stops when that round is over
// and the shell is back in the menu, or after --frames updates. It prints one line:
//   game=N frames=F round=R winner=P scores=s0,s1,s2,s3 hash=H
// where R counts the updates of play, from the set-up to the update that ended the round
// (the countdown included, the round-end banner not). With --party it plays a whole
// party of rounds instead (the standings screens and the podium move on by themselves)
// and prints a line per round and one for the party:
//   party-round=N game=G round=R winner=P points=p0,p1,p2,p3 standings=s0,s1,s2,s3
//   party target=T rounds=N frames=F winner=P standings=s0,s1,s2,s3 hash=H
// where points are the round's points and standings the totals after it; the party's
// winner is -1 when the run stopped before the podium.
#include <unistd.h>

#include <cinttypes>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "game/shell/my_app.h"
#include "host/app.h"
#include "host/headless_game.h"
#include "host/program_start.h"
#include "runtime/random.h"
#include "tools/sim/draw_hash.h"
#include "tools/sim/key_script.h"
#include "tools/sim/sim_options.h"

namespace {

const int kModeMenu = 1;
const int kModeInGame = 10;
const int kModeLoadingGame = 11;
const int kScoreField = 95;

// The windowless host with a state file that lives only in memory: a run starts from no
// saved settings and never touches the player's own save. It plays no sound, so no
// sound device is opened at all.
class SimHost : public ZrHeadlessGame {
 public:
  bool PlaysSound() override { return false; }
  int SaveState(String state) override {
    m_state = state;
    return 0;
  }
  String LoadState() override { return m_state; }

 private:
  String m_state;
};

int usage(const std::string& problem) {
  std::fprintf(stderr, "tinsel-sim: %s\n%s\n", problem.c_str(), kSimUsage);
  return 2;
}

// Presses and releases keys so that exactly the script's keys are held in this update.
void holdKeys(ZrGame* host, const std::vector<int>& wanted, std::set<int>& held) {
  std::set<int> next(wanted.begin(), wanted.end());
  for (int key : held)
    if (!next.count(key)) host->KeyEvent(2, key);
  for (int key : next)
    if (!held.count(key)) host->KeyEvent(1, key);
  held = next;
}

// The one player who took the round's two points; -1 for a drawn round (several share
// them) or when no round was finished.
int roundWinner(c_MyApp* app, bool roundFinished) {
  if (!roundFinished) return -1;
  int winner = -1, winners = 0;
  for (int player = 0; player < 4; ++player) {
    if (app->m_roundPoints[player] == 2) {
      winner = player;
      ++winners;
    }
  }
  return winners == 1 ? winner : -1;
}

void printSeats(FILE* out, const char* name, const int* values) {
  std::fprintf(out, " %s=%d,%d,%d,%d", name, values[0], values[1], values[2], values[3]);
}

}  // namespace

int main(int argumentCount, char** arguments) {
  SimOptions options;
  std::string problem = ParseSimOptions(std::vector<std::string>(arguments + 1, arguments + argumentCount), options);
  if (!problem.empty()) return usage(problem);
  KeyScript keys;
  if (!options.keysFile.empty()) {
    problem = keys.Load(options.keysFile);
    if (!problem.empty()) return usage(problem);
  }

  // The result is the only line on standard output; the game's console chatter (load
  // messages and the like) goes to standard error.
  FILE* result = fdopen(dup(STDOUT_FILENO), "w");
  dup2(STDERR_FILENO, STDOUT_FILENO);

  SimHost* host = new SimHost;
  host->SetDate(options.year, options.month, options.day, 12, 0, 0);
  host->SetRendering(true);
  zr_std_main(argumentCount, arguments);
  c_MyApp* app = static_cast<c_MyApp*>(zr_app__app);
  host->Run(0);  // start-up: the devices, then the game's creation
  if (options.seedGiven) zr_random_Seed = options.seed;
  for (int seat = 0; seat < 4; ++seat) app->m_pad[seat] = options.seats[seat];

  DrawHash hash;
  std::set<int> held;
  bool gameStarted = false, played = false, roundEnded = false, roundFinished = false;
  bool party = options.partyTarget > 0, partyOver = false;
  int frames = 0, roundFrames = 0, partyRounds = 0;
  while (frames < options.frames) {
    if (options.game >= 0 && !gameStarted && app->m_loadSteps == 0) {
      app->m_game = options.game;
      app->m_mode = kModeLoadingGame;
      gameStarted = true;
    }
    if (party && !gameStarted && app->m_loadSteps == 0) {
      app->p_StartParty(options.partyTarget);
      gameStarted = true;
    }
    holdKeys(host, keys.HeldAt(frames), held);
    host->Run(1);
    ++frames;
    hash.AddList(app->m_drawList.Data(), app->m_drawCount);
    if (app->m_mode == kModeInGame) {
      if (!roundEnded) ++roundFrames;
      if (app->m_roundOver != 0) roundEnded = true;
      played = true;
    }
    if (party && app->m_partyRound > partyRounds) {
      partyRounds = app->m_partyRound;
      std::fprintf(result, "party-round=%d game=%d round=%d winner=%d", partyRounds, app->m_game, roundFrames,
                   roundWinner(app, true));
      printSeats(result, "points", app->m_roundPoints.Data());
      printSeats(result, "standings", app->m_partyPoints);
      std::fprintf(result, "\n");
      roundEnded = false;
      roundFrames = 0;
    }
    if (party && gameStarted && app->m_partyOn == 0) {
      partyOver = true;
      break;
    }
    if (!party && played && app->m_mode == kModeMenu) {
      roundFinished = true;
      break;
    }
  }

  std::fflush(stdout);
  if (party) {
    std::fprintf(result, "party target=%d rounds=%d frames=%d winner=%d", app->m_partyTarget, app->m_partyRound, frames,
                 partyOver ? app->m_partyWinner : -1);
    printSeats(result, "standings", app->m_partyPoints);
    std::fprintf(result, " hash=%016" PRIx64 "\n", hash.Value());
    std::fclose(result);
    return 0;
  }
  std::fprintf(result, "game=%d frames=%d round=%d winner=%d scores=", options.game < 0 ? 0 : app->m_game, frames,
               roundFrames, roundWinner(app, roundFinished));
  for (int player = 0; player < 4; ++player)
    std::fprintf(result, "%s%d", player ? "," : "", static_cast<int>(app->m_players[player * 100 + kScoreField]));
  std::fprintf(result, " hash=%016" PRIx64 "\n", hash.Value());
  std::fclose(result);
  return 0;
}

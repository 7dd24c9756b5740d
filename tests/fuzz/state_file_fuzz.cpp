// Fuzz entry for the saved record, loaded as the game loads it at start: whatever a load
// accepted must read back the same from the game's own save.
#include <sys/mman.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "game/shell/my_app.h"
#include "host/headless_game.h"
#include "runtime/storage/state_file.h"

namespace {

// The saved fields of the game object.
struct SavedFields {
  std::vector<int> settings;
  std::vector<bool> flags;
  std::vector<int> highscores;

  bool operator==(const SavedFields& other) const {
    return settings == other.settings && flags == other.flags && highscores == other.highscores;
  }
};

template <class T, class Element>
void copyOut(const Array<T>& from, std::vector<Element>& to) {
  to.assign(from.Data(), from.Data() + from.Length());
}

template <class T, class Element>
void copyIn(const std::vector<Element>& from, const Array<T>& to) {
  for (int i = 0; i < to.Length(); ++i) to[i] = from[i];
}

SavedFields fieldsOf(const c_MyApp* app) {
  SavedFields fields;
  copyOut(app->m_settings, fields.settings);
  copyOut(app->m_flags, fields.flags);
  copyOut(app->m_highscores, fields.highscores);
  return fields;
}

void restoreFields(c_MyApp* app, const SavedFields& fields) {
  copyIn(fields.settings, app->m_settings);
  copyIn(fields.flags, app->m_flags);
  copyIn(fields.highscores, app->m_highscores);
}

// The windowless host with its state file in a memory file, read by the same loader as
// the real one. What the game saves is kept as the bytes a save writes; a real save waits
// for the disk, which would make every run disk-bound.
class RecordingHost : public ZrHeadlessGame {
 public:
  RecordingHost() : m_file(memfd_create("tj-state-fuzz", MFD_CLOEXEC)) {
    if (m_file < 0) std::abort();
  }
  String LoadState() override { return zr_storage_LoadState("/proc/self/fd/" + std::to_string(m_file)); }
  int SaveState(String state) override {
    saved = state.ToUtf8();
    return 0;
  }
  void WriteStateFile(const void* bytes, size_t count) {
    if (ftruncate(m_file, 0) != 0 || pwrite(m_file, bytes, count, 0) != static_cast<ssize_t>(count)) std::abort();
  }

  std::string saved;

 private:
  int m_file;
};

// The game and its host, made once.
struct Rig {
  RecordingHost* host = new RecordingHost;
  c_MyApp* app = (new c_MyApp)->m_new();
  SavedFields fresh = fieldsOf(app);
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Rig rig;
  restoreFields(rig.app, rig.fresh);
  rig.host->WriteStateFile(data, size);
  rig.app->p_Load();
  SavedFields loaded = fieldsOf(rig.app);

  rig.app->p_Save();
  restoreFields(rig.app, rig.fresh);
  rig.host->WriteStateFile(rig.host->saved.data(), rig.host->saved.size());
  rig.app->p_Load();
  if (!(fieldsOf(rig.app) == loaded)) {
    std::fprintf(stderr, "the game's own save of a loaded record reads back differently\n");
    std::abort();
  }
  // This input's garbage is freed now, so that memory it still holds afterwards shows
  // as a leak, and the fuzzer's leak check is not set off by collection running late.
  gc_collect_all();
  gc_flush_free(INT_MAX);
  return 0;
}

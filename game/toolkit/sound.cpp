// Sound effects and music. Effects take the next of 24 channels in turn, so overlapping
// effects do not cut each other off until 24 are playing; game effects get a random
// pitch so a sound repeated quickly does not drone. The random draw is made whether or
// not the effect is heard, so switching sound off does not change how a seeded round
// plays. The player's sound mode (0 off, 1 all, 2 effects, 3 music) is read afresh at
// every effect and tune, so a change in the options takes effect at once.
#include "game/shell/globals.h"
#include "game/shell/my_app.h"
#include "runtime/random.h"

namespace {

constexpr int kSoundSlots = 100;
constexpr int kEffectChannels = 24;
constexpr int kSoundModeSetting = 5;
// Ids from here on are interface sounds, which always play at their own pitch.
constexpr int kFirstInterfaceSound = 91;
constexpr float kRandomRate = -1;

enum SoundMode { kSoundAll = 1, kEffectsOnly = 2, kMusicOnly = 3 };

// "sfx/007.wav": the id in at least three digits.
String EffectFile(int id) {
  String digits(id);
  while (digits.Length() < 3) digits = String("0") + digits;
  return String("sfx/") + digits + String(".wav");
}

}  // namespace

void c_MyApp::p_LoadSFX(int id, int set) {
  if (id < 0 || id >= kSoundSlots) return;
  gc_assign(m_sounds[id], nullptr);
  if (set == 0) gc_assign(m_sounds[id], zr_audio_LoadSound(EffectFile(id)));
}

void c_MyApp::p_PlaySFX(int id, float rate, float volume, float pan) {
  if (rate == kRandomRate) {
    rate = 1;
    float draw = zr_random_Rnd();
    if (id < kFirstInterfaceSound) rate = 0.7f + 0.6f * draw;
  }
  int mode = m_settings[kSoundModeSetting];
  if (mode != kSoundAll && mode != kEffectsOnly) return;
  if (id < 0 || id >= kSoundSlots || !m_sounds[id]) return;

  // A slot number outside the rotation (the field is public) restarts it.
  m_sfxSlot = (m_sfxSlot >= 0 && m_sfxSlot < kEffectChannels - 1) ? m_sfxSlot + 1 : 0;
  int channel = m_order[m_sfxSlot];
  zr_audio_StopChannel(channel);
  c_Sound* sound = m_sounds[id];
  if (sound->m_sample) zr_audio_PlaySound(sound, channel, 0);
  zr_audio_SetChannelRate(channel, rate);
  zr_audio_SetChannelVolume(channel, volume);
  zr_audio_SetChannelPan(channel, pan);
}

void c_MyApp::p_PlayTune(const String& name, int loop) {
  if (zr_TinselJumble_HasMusicStream == 0) return;
  String path = String("sfx/") + name + String(".ogg");
  if (m_musicOn == 1) p_StopTune();
  int mode = m_settings[kSoundModeSetting];
  if (mode != kSoundAll && mode != kMusicOnly) return;
  // A missing file leaves the music stopped, but the tune still counts as started, so
  // pausing and resuming treat it like any other.
  zr_audio_PlayMusic(path, loop);
  m_musicOn = 1;
}

void c_MyApp::p_StopTune() {
  zr_audio_StopMusic();
  m_musicOn = 0;
}

// c_Sound and the zr_audio_ functions: the game's thin layer over the audio device.
// Without a device (none set yet) loads give null and everything else does nothing.
#include "runtime/audio/audio.h"

#include "runtime/storage/data_paths.h"

gxtkAudio* zr_audio_device = nullptr;

namespace {
gc_root audioRoots([] { gc_mark_q(zr_audio_device); });
}  // namespace

c_Sound* c_Sound::m_new(gxtkSample* sample) {
  gc_assign(m_sample, sample);
  return this;
}

void c_Sound::mark() { gc_mark_q(m_sample); }

void zr_audio_SetAudioDevice(gxtkAudio* device) { gc_assign(zr_audio_device, device); }

c_Sound* zr_audio_LoadSound(const String& path) {
  if (!zr_audio_device) return nullptr;
  gxtkSample* sample = zr_audio_device->LoadSample(zr_data_FixDataPath(path));
  if (!sample) return nullptr;
  return (new c_Sound)->m_new(sample);
}

void zr_audio_PlaySound(c_Sound* sound, int channel, int flags) {
  if (!zr_audio_device || !sound || !sound->m_sample) return;
  zr_audio_device->PlaySample(sound->m_sample, channel, flags);
}

void zr_audio_StopChannel(int channel) {
  if (zr_audio_device) zr_audio_device->StopChannel(channel);
}

void zr_audio_SetChannelVolume(int channel, float volume) {
  if (zr_audio_device) zr_audio_device->SetVolume(channel, volume);
}

void zr_audio_SetChannelPan(int channel, float pan) {
  if (zr_audio_device) zr_audio_device->SetPan(channel, pan);
}

void zr_audio_SetChannelRate(int channel, float rate) {
  if (zr_audio_device) zr_audio_device->SetRate(channel, rate);
}

int zr_audio_PlayMusic(const String& path, int flags) {
  if (!zr_audio_device) return -1;
  return zr_audio_device->PlayMusic(zr_data_FixDataPath(path), flags);
}

void zr_audio_StopMusic() {
  if (zr_audio_device) zr_audio_device->StopMusic();
}

void zr_audio_PauseMusic() {
  if (zr_audio_device) zr_audio_device->PauseMusic();
}

void zr_audio_ResumeMusic() {
  if (zr_audio_device) zr_audio_device->ResumeMusic();
}

// The sound interface the game uses: c_Sound wraps a loaded sample, and the zr_audio_
// functions play sounds and music on the one audio device. Data-file names are resolved
// to the data folder here. Every call is harmless before a device is set or when a
// sound failed to load.
#pragma once

#include "runtime/audio/audio_device.h"
#include "runtime/gc.h"
#include "runtime/string.h"

class c_Sound : public Object {
 public:
  gxtkSample* m_sample = nullptr;

  c_Sound* m_new(gxtkSample* sample);
  void mark() override;
};

extern gxtkAudio* zr_audio_device;

void zr_audio_SetAudioDevice(gxtkAudio* device);
// A new sound, or null when the file is missing or cannot be decoded.
c_Sound* zr_audio_LoadSound(const String& path);
void zr_audio_PlaySound(c_Sound* sound, int channel, int flags);
void zr_audio_StopChannel(int channel);
void zr_audio_SetChannelVolume(int channel, float volume);
void zr_audio_SetChannelPan(int channel, float pan);
void zr_audio_SetChannelRate(int channel, float rate);
// 0 when the music started, -1 when the file could not be loaded (the music then stays
// stopped).
int zr_audio_PlayMusic(const String& path, int flags);
void zr_audio_StopMusic();
void zr_audio_PauseMusic();
void zr_audio_ResumeMusic();

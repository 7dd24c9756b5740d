// The audio device: decoded sounds played through OpenAL on 33 channels.
//
// Channels 0 to 31 play sound effects and channel 32 plays music; each channel gets an
// OpenAL source when it first needs one and borrows a silent channel's source when
// OpenAL has none left. A gxtkSample holds one OpenAL buffer with a whole decoded sound.
// OpenAL refuses to delete a buffer a source still holds, so discarded buffers wait in a
// queue that is flushed whenever a sound is loaded or played.
#pragma once

#include <AL/al.h>
#include <AL/alc.h>

#include "runtime/gc.h"
#include "runtime/string.h"

class gxtkSample : public Object {
 public:
  ALuint buffer = 0;

  ~gxtkSample() override;
  // Hands the buffer to the discarded queue; the sample stays usable as a silent one.
  virtual void Discard();
};

struct gxtkChannel {
  ALuint source;
  gxtkSample* sample;  // kept alive by the device while it plays
  int flags;           // non-zero: looping
  int state;           // 0 stopped, 1 playing, 2 paused by PauseChannel
};

class gxtkAudio : public Object {
 public:
  static constexpr int kChannelCount = 33;
  static constexpr int kMusicChannel = 32;

  // The one device of the process, set when it is constructed.
  static gxtkAudio* audio;

  ALCdevice* alDevice;
  ALCcontext* alContext;
  gxtkChannel channels[kChannelCount];

  // Opens the default OpenAL device (or one of the generic ones); without one it says
  // so in one line and the object still works, simply silent. A host that plays no sound
  // gets the silent object at once.
  gxtkAudio();
  gxtkAudio* m_new() { return this; }
  void mark() override;

  virtual void Suspend();
  virtual void Resume();
  virtual gxtkSample* LoadSample(String path);
  virtual bool LoadSample__UNSAFE__(gxtkSample* sample, String path);
  virtual void PlaySample(gxtkSample* sample, int channel, int flags);
  virtual void StopChannel(int channel);
  virtual void PauseChannel(int channel);
  virtual void ResumeChannel(int channel);
  virtual int ChannelState(int channel);
  virtual void SetVolume(int channel, float volume);
  virtual void SetPan(int channel, float pan);
  virtual void SetRate(int channel, float rate);
  virtual int PlayMusic(String path, int flags);
  virtual void StopMusic();
  virtual void PauseMusic();
  virtual void ResumeMusic();
  virtual int MusicState();
  virtual void SetMusicVolume(float volume);

 private:
  void OpenOutput();
  ALuint ChannelSource(int channel);
  ALint SourceState(ALuint source);
  void FlushDiscarded();
};

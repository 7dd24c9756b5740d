// The audio device on OpenAL: opening the device, lending sources between channels,
// playing, pausing and stopping channels, and deleting the buffers of discarded samples
// once no source holds them any more.
//
// Every call is safe without a device: OpenAL then hands out no sources, so channels
// never start and queries answer "stopped". A host that plays no sound (the headless
// runner) gets such a device without OpenAL ever being asked for one.
#include "runtime/audio/audio_device.h"

#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "host/zr_game.h"
#include "runtime/diagnostics.h"

gxtkAudio* gxtkAudio::audio = nullptr;

namespace {

// Never destroyed: samples may be collected at any time, even late in the run.
std::vector<ALuint>& discardedBuffers() {
  static std::vector<ALuint>* buffers = new std::vector<ALuint>;
  return *buffers;
}

bool isChannel(int channel) { return channel >= 0 && channel < gxtkAudio::kChannelCount; }

ALenum openAlFormat(int channels, int bytesPerSample) {
  if (bytesPerSample == 1 && channels == 1) return AL_FORMAT_MONO8;
  if (bytesPerSample == 1 && channels == 2) return AL_FORMAT_STEREO8;
  if (bytesPerSample == 2 && channels == 1) return AL_FORMAT_MONO16;
  if (bytesPerSample == 2 && channels == 2) return AL_FORMAT_STEREO16;
  return 0;
}

gc_root deviceRoot([] { gc_mark_q(gxtkAudio::audio); });

}  // namespace

gxtkSample::~gxtkSample() { gxtkSample::Discard(); }

void gxtkSample::Discard() {
  if (buffer == 0) return;
  discardedBuffers().push_back(buffer);
  buffer = 0;
}

gxtkAudio::gxtkAudio() : alDevice(nullptr), alContext(nullptr), channels() {
  audio = this;
  if (ZrGame::_game && !ZrGame::_game->PlaysSound()) return;
  OpenOutput();
  if (!alContext) {
    zrWarn("No sound device: playing without sound");
    return;
  }
  zrPrint("opening openal device");
  // The game pans by placing sources around the listener; distance must not dim them.
  alDistanceModel(AL_NONE);
  ChannelSource(kMusicChannel);
}

// OpenAL Soft, and the sound system it tries under it, write their own complaints to
// the standard error when no device answers: a dozen lines that tell a player nothing.
// Unless the player asked for OpenAL's log (ALSOFT_LOGLEVEL), the log is off and the
// standard error goes nowhere while the device and its context are being opened; the
// game then says what matters in one line of its own.
void gxtkAudio::OpenOutput() {
  static const bool logAsked = std::getenv("ALSOFT_LOGLEVEL") != nullptr;
  int savedError = -1;
  if (!logAsked) {
    setenv("ALSOFT_LOGLEVEL", "0", 1);
    std::fflush(stderr);
    savedError = dup(STDERR_FILENO);
    int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (savedError >= 0 && nowhere >= 0) dup2(nowhere, STDERR_FILENO);
    if (nowhere >= 0) close(nowhere);
  }
  alDevice = alcOpenDevice(nullptr);
  if (!alDevice) alDevice = alcOpenDevice("Generic Hardware");
  if (!alDevice) alDevice = alcOpenDevice("Generic Software");
  if (alDevice) {
    alContext = alcCreateContext(alDevice, nullptr);
    if (alContext && !alcMakeContextCurrent(alContext)) {
      alcDestroyContext(alContext);
      alContext = nullptr;
    }
  }
  if (savedError >= 0) {
    dup2(savedError, STDERR_FILENO);
    close(savedError);
  }
}

void gxtkAudio::mark() {
  for (gxtkChannel& channel : channels)
    if (channel.state != 0 && SourceState(channel.source) != AL_STOPPED) gc_mark_q(channel.sample);
}

ALint gxtkAudio::SourceState(ALuint source) {
  ALint state = AL_STOPPED;
  if (source != 0) alGetSourcei(source, AL_SOURCE_STATE, &state);
  return state;
}

ALuint gxtkAudio::ChannelSource(int channel) {
  gxtkChannel& wanted = channels[channel];
  if (wanted.source != 0) return wanted.source;
  alGetError();
  ALuint source = 0;
  alGenSources(1, &source);
  if (alGetError() == AL_NO_ERROR && source != 0) return wanted.source = source;
  // OpenAL has no sources left: take one from an effects channel that has gone quiet.
  for (int other = 0; other < kMusicChannel; ++other) {
    gxtkChannel& lender = channels[other];
    if (other == channel || lender.source == 0 || ChannelState(other) != 0) continue;
    wanted.source = lender.source;
    lender.source = 0;
    return wanted.source;
  }
  return 0;
}

void gxtkAudio::FlushDiscarded() {
  // A stopped source still holds its buffer, and OpenAL will not delete a held buffer.
  // Every stopped source lets go, whatever its channel last reported: a channel marked
  // stopped by a query or by StopChannel would otherwise pin its buffer until it plays
  // again.
  for (gxtkChannel& channel : channels)
    if (channel.source != 0 && SourceState(channel.source) == AL_STOPPED)
      alSourcei(channel.source, AL_BUFFER, 0);

  std::vector<ALuint>& buffers = discardedBuffers();
  for (size_t i = 0; i < buffers.size();) {
    alGetError();
    alDeleteBuffers(1, &buffers[i]);
    if (alGetError() == AL_NO_ERROR)
      buffers.erase(buffers.begin() + static_cast<long>(i));
    else
      ++i;
  }
}

void gxtkAudio::Suspend() {
  for (gxtkChannel& channel : channels)
    if (channel.state == 1 && SourceState(channel.source) == AL_PLAYING) alSourcePause(channel.source);
}

void gxtkAudio::Resume() {
  for (gxtkChannel& channel : channels)
    if (channel.state == 1 && SourceState(channel.source) == AL_PAUSED) alSourcePlay(channel.source);
}

gxtkSample* gxtkAudio::LoadSample(String path) {
  FlushDiscarded();
  gxtkSample* sample = new gxtkSample;
  if (!LoadSample__UNSAFE__(sample, path)) return nullptr;
  return sample;
}

bool gxtkAudio::LoadSample__UNSAFE__(gxtkSample* sample, String path) {
  if (!sample || !ZrGame::_game) return false;
  int length = 0, channelCount = 0, bytesPerSample = 0, hertz = 0;
  unsigned char* data = ZrGame::_game->LoadAudioData(path, &length, &channelCount, &bytesPerSample, &hertz);
  if (!data) return false;
  ALenum format = openAlFormat(channelCount, bytesPerSample);
  // A layout OpenAL cannot take would give a buffer without sound that claims to be loaded.
  if (format == 0) {
    std::free(data);
    return false;
  }
  ALuint buffer = 0;
  alGenBuffers(1, &buffer);
  alBufferData(buffer, format, data, length * channelCount * bytesPerSample, hertz);
  std::free(data);
  sample->buffer = buffer;
  return true;
}

void gxtkAudio::PlaySample(gxtkSample* sample, int channel, int flags) {
  if (!sample || !isChannel(channel)) return;
  FlushDiscarded();
  ALuint source = ChannelSource(channel);
  if (source == 0) return;
  alSourceStop(source);
  alSourcei(source, AL_BUFFER, static_cast<ALint>(sample->buffer));
  alSourcei(source, AL_LOOPING, flags != 0 ? 1 : 0);
  alSourcePlay(source);
  gxtkChannel& played = channels[channel];
  gc_assign(played.sample, sample);
  played.flags = flags;
  played.state = 1;
}

void gxtkAudio::StopChannel(int channel) {
  if (!isChannel(channel) || channels[channel].state == 0) return;
  alSourceStop(channels[channel].source);
  channels[channel].state = 0;
}

void gxtkAudio::PauseChannel(int channel) {
  if (!isChannel(channel) || channels[channel].state != 1) return;
  gxtkChannel& paused = channels[channel];
  if (SourceState(paused.source) == AL_STOPPED) {
    paused.state = 0;
    return;
  }
  alSourcePause(paused.source);
  paused.state = 2;
}

void gxtkAudio::ResumeChannel(int channel) {
  if (!isChannel(channel) || channels[channel].state != 2) return;
  alSourcePlay(channels[channel].source);
  channels[channel].state = 1;
}

int gxtkAudio::ChannelState(int channel) {
  if (!isChannel(channel)) return 0;
  gxtkChannel& asked = channels[channel];
  if (asked.state == 1 && SourceState(asked.source) == AL_STOPPED) asked.state = 0;
  return asked.state;
}

void gxtkAudio::SetVolume(int channel, float volume) {
  if (!isChannel(channel)) return;
  if (ALuint source = ChannelSource(channel)) alSourcef(source, AL_GAIN, volume);
}

void gxtkAudio::SetPan(int channel, float pan) {
  if (!isChannel(channel)) return;
  if (ALuint source = ChannelSource(channel)) alSource3f(source, AL_POSITION, std::sin(pan), 0, -std::cos(pan));
}

void gxtkAudio::SetRate(int channel, float rate) {
  if (!isChannel(channel)) return;
  if (ALuint source = ChannelSource(channel)) alSourcef(source, AL_PITCH, rate);
}

int gxtkAudio::PlayMusic(String path, int flags) {
  StopMusic();
  gxtkSample* sample = LoadSample(path);
  if (!sample) return -1;
  PlaySample(sample, kMusicChannel, flags);
  return 0;
}

void gxtkAudio::StopMusic() { StopChannel(kMusicChannel); }
void gxtkAudio::PauseMusic() { PauseChannel(kMusicChannel); }
void gxtkAudio::ResumeMusic() { ResumeChannel(kMusicChannel); }
int gxtkAudio::MusicState() { return ChannelState(kMusicChannel); }
void gxtkAudio::SetMusicVolume(float volume) { SetVolume(kMusicChannel, volume); }

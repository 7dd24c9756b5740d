// The audio device when no sound device answers: one line of our own, and every later
// call is a harmless no-op.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "folder_host.h"
#include "runtime/audio/audio.h"
#include "runtime/audio/audio_device.h"
#include "sound_files.h"

using namespace audiotest;

TEST(AudioDeviceWithoutOutput, SaysSoAndEveryCallIsHarmless) {
  std::string folder = MakeTempFolder("tj-silent");
  // ALSA is asked for a device that does not exist, which it complains about at length on
  // the standard error (where ALSA is missing altogether, OpenAL has no backend at all).
  std::string config = folder + "/alsoft.conf";
  std::string settings = "[general]\ndrivers=alsa\n[alsa]\ndevice=tj-no-such-device\n";
  writeFile(config, Bytes(settings.begin(), settings.end()));
  setenv("ALSOFT_CONF", config.c_str(), 1);
  unsetenv("ALSOFT_DRIVERS");
  unsetenv("ALSOFT_LOGLEVEL");
  writeFile(folder + "/data/sfx/beep.wav", squareWave16(2000, 1, 22050, 12000));
  writeFile(folder + "/data/sfx/tune.ogg", oggTone(4000, 2, 22050));
  FolderHost host(folder);

  // Before any device exists the game's calls do nothing.
  EXPECT_EQ(zr_audio_LoadSound("sfx/beep.wav"), nullptr);
  EXPECT_EQ(zr_audio_PlayMusic("sfx/tune.ogg", 1), -1);
  zr_audio_PlaySound(nullptr, 0, 0);
  zr_audio_StopChannel(0);
  zr_audio_StopMusic();

  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  gxtkAudio* device = (new gxtkAudio)->m_new();
  std::string warned = testing::internal::GetCapturedStderr();
  std::string printed = testing::internal::GetCapturedStdout();
  std::printf("what the player reads:\n%s", warned.c_str());
  EXPECT_EQ(warned, "No sound device: playing without sound\n");
  EXPECT_EQ(printed, "");
  EXPECT_EQ(device->alDevice, nullptr);
  EXPECT_EQ(device->alContext, nullptr);
  EXPECT_EQ(gxtkAudio::audio, device);
  zr_audio_SetAudioDevice(device);

  c_Sound* sound = zr_audio_LoadSound("sfx/beep.wav");
  ASSERT_NE(sound, nullptr) << "a good file must still load";
  EXPECT_EQ(zr_audio_LoadSound("sfx/none.wav"), nullptr);
  for (int channel : {0, 31, 32}) {
    zr_audio_PlaySound(sound, channel, 1);
    zr_audio_SetChannelVolume(channel, 0.5f);
    zr_audio_SetChannelPan(channel, 0.5f);
    zr_audio_SetChannelRate(channel, 1.2f);
    device->PauseChannel(channel);
    device->ResumeChannel(channel);
    EXPECT_EQ(device->ChannelState(channel), 0);
  }
  EXPECT_EQ(zr_audio_PlayMusic("sfx/tune.ogg", 1), 0);
  EXPECT_EQ(device->MusicState(), 0);
  EXPECT_EQ(zr_audio_PlayMusic("sfx/none.ogg", 1), -1);
  zr_audio_PauseMusic();
  zr_audio_ResumeMusic();
  device->SetMusicVolume(0.3f);
  device->Suspend();
  device->Resume();
  sound->m_sample->Discard();
  zr_audio_PlaySound(sound, 3, 0);
  gc_collect_all();
  gc_collect_all();
  gc_flush_free(INT_MAX);
  EXPECT_EQ(device->ChannelState(3), 0);
}

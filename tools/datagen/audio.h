// The sounds of the data folder: effects synthesised as 16-bit mono WAV, the start jingle,
// and the seven looping tunes encoded as OGG Vorbis. synth.h holds the instruments.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace datagen {

constexpr int kSfxRate = 22050;
constexpr int kTuneRate = 22050;

struct SoundDef {
  int id;                        // written as sfx/NNN.wav
  std::vector<float> (*make)();  // mono samples at kSfxRate, -1..1
};
std::vector<SoundDef> soundEffects();

struct TuneDef {
  std::string name;              // written as sfx/NAME.ogg
  std::vector<float> (*make)();  // mono samples at kTuneRate: exactly one loop
};
std::vector<TuneDef> tunes();

bool writeWav(const std::string& path, const std::vector<float>& mono, int rate);
bool writeOgg(const std::string& path, const std::vector<float>& mono, int rate, float quality);

}  // namespace datagen
